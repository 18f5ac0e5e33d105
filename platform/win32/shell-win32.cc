#include "platform/dialog_framework.h"
#include "platform/win32/view-win32.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/windows_api.h"

// The shell's own functions; windows.h leaves shellapi.h out under WIN32_LEAN_AND_MEAN.
#include <shellapi.h>
#include <shlobj.h>

namespace {
// The shell dialogs are owned by the setup dialog, so that they stay in front of it and it
// waits for them; null (no owner) when it is not open.
HWND SetupDialogWindow() {
  FrameworkApp* app = FrameworkApp::Current();
  FrameworkDialog* dialog = app ? app->main_window() : nullptr;
  return dialog ? static_cast<Win32View&>(dialog->View()).dialog() : NULL;
}
}  // namespace

bool Win32Shell::BrowseForFolder(const char* title, Text* path) {
  char display_name[MAX_PATH] = "";
  BROWSEINFOA browse;
  ZeroMemory(&browse, sizeof browse);
  browse.hwndOwner = SetupDialogWindow();
  browse.pidlRoot = NULL;
  browse.pszDisplayName = display_name;
  browse.lpszTitle = title;
  // Shells older than 4.71 (edit box) and 5.0 (new style) ignore the flags they do not know.
  browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX | BIF_NEWDIALOGSTYLE;
  browse.lParam = reinterpret_cast<LPARAM>(browse.hwndOwner);
  // The new dialog style hosts OLE controls and needs OLE on the calling thread; without it the
  // browser may come up without its folder tree.
  bool ole = SUCCEEDED(OleInitialize(NULL));
  LPITEMIDLIST chosen = SHBrowseForFolderA(&browse);
  if (ole) OleUninitialize();
  if (!chosen) return false;
  char folder[MAX_PATH] = "";
  BOOL is_path = SHGetPathFromIDListA(chosen, folder);
  CoTaskMemFree(chosen);
  *path = is_path ? Text(folder) : Text();
  return true;
}

int Win32Shell::CopyFiles(const char* from_list, size_t from_size, const char* to_list,
                          size_t to_size) {
  // The lists carry their own terminating empty names; the sizes are those of their buffers.
  (void)from_size;
  (void)to_size;
  SHFILEOPSTRUCTA operation;
  ZeroMemory(&operation, sizeof operation);
  operation.hwnd = SetupDialogWindow();
  operation.wFunc = FO_COPY;
  operation.pFrom = from_list;
  operation.pTo = to_list;
  operation.fFlags = 0;
  operation.lpszProgressTitle = "File Copy";
  return SHFileOperationA(&operation);
}

unsigned Win32Shell::FormatDrive(unsigned drive, unsigned options) {
  return SHFormatDrive(SetupDialogWindow(), drive, SHFMT_ID_DEFAULT, options);
}
