// The program's start: the Windows platform objects, the application object, and the setup
// dialog it runs.
#include "dialog/setup_app.h"
#include "platform/platform.h"
#include "platform/win32/late_bound.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/windows_api.h"

namespace {
// The progress bar and the IP address control. InitCommonControlsEx came with Internet
// Explorer 3's comctl32 and is looked up; the plain InitCommonControls, imported, is in every
// comctl32 and also keeps the DLL loaded for the lookup.
void RegisterCommonControls() {
  typedef BOOL(WINAPI * InitEx)(const INITCOMMONCONTROLSEX*);
  InitEx init_ex = LateBound<InitEx>("comctl32.dll", "InitCommonControlsEx");
  INITCOMMONCONTROLSEX classes;
  classes.dwSize = sizeof classes;
  classes.dwICC = ICC_PROGRESS_CLASS | ICC_INTERNET_CLASSES;
  if (!init_ex || !init_ex(&classes)) InitCommonControls();
}
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  RegisterCommonControls();

  Win32SystemInfo system;
  Win32Disk disk;
  Win32Processes processes;
  Win32ProfileFiles profiles;
  Win32Spooler spooler;
  Win32Shell shell;
  Platform platform = {&system, &disk, &processes, &profiles, &spooler, &shell};

  SetupApp app(platform);
  app.SetTitle(ApplicationTitleOf(system.ModulePath(MAX_PATH).c_str()));
  app.InitInstance();
  return 0;
}
