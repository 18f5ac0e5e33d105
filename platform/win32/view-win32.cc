#include "platform/win32/view-win32.h"

#include "platform/dialog_framework.h"
#include "platform/win32/scratch_buffer.h"

namespace {
// The caption of message boxes that are given none. Never null: MessageBoxA would then caption
// the box "Error".
const char* ApplicationTitle() {
  FrameworkApp* app = FrameworkApp::Current();
  return app ? app->Title().c_str() : "";
}

Text WindowText(HWND window, int buffer_size) {
  if (!window || buffer_size <= 0) return Text();
  ScratchBuffer buffer(buffer_size);
  int length = GetWindowTextA(window, buffer.data(), buffer_size);
  return Text(buffer.data(), length > 0 ? length : 0);
}
}  // namespace

HICON ProgramIcon() { return LoadIconA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDI_PROGRAM)); }

void Win32View::Attach(HWND dialog) {
  dialog_ = dialog;
  bound_count_ = 0;
}

void Win32View::Detach() {
  dialog_ = NULL;
  bound_count_ = 0;
}

bool Win32View::Bind(int id) {
  HWND control = GetDlgItem(dialog_, id);
  if (!control) return false;
  for (int i = 0; i < bound_count_; ++i) {
    if (bound_[i].id == id) {
      bound_[i].window = control;
      return true;
    }
  }
  if (bound_count_ < kMaxBindings) {
    bound_[bound_count_].id = id;
    bound_[bound_count_].window = control;
    ++bound_count_;
  }
  return true;
}

HWND Win32View::Item(int id) {
  for (int i = 0; i < bound_count_; ++i) {
    if (bound_[i].id == id) return bound_[i].window;
  }
  return dialog_ ? GetDlgItem(dialog_, id) : NULL;
}

LRESULT Win32View::SendToItem(int id, UINT message, WPARAM wparam, LPARAM lparam) {
  HWND control = Item(id);
  return control ? SendMessageA(control, message, wparam, lparam) : 0;
}

void Win32View::SetText(int id, const char* text) {
  if (HWND control = Item(id)) SetWindowTextA(control, text);
}

Text Win32View::GetText(int id, int buffer_size) { return WindowText(Item(id), buffer_size); }

void Win32View::SetCaption(const char* text) {
  if (dialog_) SetWindowTextA(dialog_, text);
}

Text Win32View::Caption() {
  if (!dialog_) return Text();
  return WindowText(dialog_, GetWindowTextLengthA(dialog_) + 1);
}

void Win32View::Show(int id, bool shown) {
  if (HWND control = Item(id)) ShowWindow(control, shown ? SW_SHOWNORMAL : SW_HIDE);
}

// IsWindowVisible: a control counts as shown only while the dialog itself is visible too.
bool Win32View::IsShown(int id) {
  HWND control = Item(id);
  return control && IsWindowVisible(control);
}

void Win32View::Enable(int id, bool enabled) {
  if (HWND control = Item(id)) EnableWindow(control, enabled ? TRUE : FALSE);
}

bool Win32View::IsEnabled(int id) {
  HWND control = Item(id);
  return control && IsWindowEnabled(control);
}

void Win32View::SetCheck(int id, int state) { SendToItem(id, BM_SETCHECK, state, 0); }

int Win32View::GetCheck(int id) { return static_cast<int>(SendToItem(id, BM_GETCHECK, 0, 0)); }

void Win32View::ResetList(int id) { SendToItem(id, CB_RESETCONTENT, 0, 0); }

void Win32View::AddListEntry(int id, const char* text) {
  SendToItem(id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

void Win32View::SelectListEntry(int id, int index) { SendToItem(id, CB_SETCURSEL, index, 0); }

int Win32View::ListSelection(int id) {
  HWND control = Item(id);
  return control ? static_cast<int>(SendMessageA(control, CB_GETCURSEL, 0, 0)) : CB_ERR;
}

int Win32View::ListCount(int id) {
  int count = static_cast<int>(SendToItem(id, CB_GETCOUNT, 0, 0));
  return count > 0 ? count : 0;
}

Text Win32View::ListEntry(int id, int index) {
  HWND control = Item(id);
  if (!control) return Text();
  LRESULT length = SendMessageA(control, CB_GETLBTEXTLEN, index, 0);
  if (length == CB_ERR) return Text();
  ScratchBuffer buffer(static_cast<int>(length) + 1);
  LRESULT copied = SendMessageA(control, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(buffer.data()));
  if (copied == CB_ERR) return Text();
  return Text(buffer.data(), static_cast<size_t>(copied));
}

void Win32View::SetProgress(int id, int position) { SendToItem(id, PBM_SETPOS, position, 0); }

// The one 32x32 image serves both: Windows shrinks it for the caption and the task bar.
void Win32View::SetProgramIcons() {
  if (!dialog_) return;
  HICON icon = ProgramIcon();
  SendMessageA(dialog_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  SendMessageA(dialog_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

int Win32View::MessageBox(const char* text, const char* caption, unsigned type) {
  return MessageBoxA(dialog_, text, caption ? caption : ApplicationTitle(), type);
}

int Win32View::FrameworkMessageBox(const char* text, unsigned type) {
  if ((type & MB_ICONMASK) == 0) type |= MB_ICONEXCLAMATION;
  return MessageBoxA(dialog_, text, ApplicationTitle(), type);
}

// Sent, not posted: the dialog's default WM_CLOSE handling posts command 2 itself, which runs
// once the code that asked has returned to the message loop.
void Win32View::RequestClose() {
  if (dialog_) SendMessageA(dialog_, WM_CLOSE, 0, 0);
}

bool Win32View::IsMinimised() { return dialog_ && IsIconic(dialog_); }

void Win32View::ClientSize(int* width, int* height) {
  RECT client = {0, 0, 0, 0};
  if (dialog_) GetClientRect(dialog_, &client);
  *width = client.right - client.left;
  *height = client.bottom - client.top;
}

void Win32View::IconSize(int* width, int* height) {
  *width = GetSystemMetrics(SM_CXICON);
  *height = GetSystemMetrics(SM_CYICON);
}

void Win32View::PaintIcon(int x, int y) {
  if (!dialog_) return;
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(dialog_, &paint);
  SendMessageA(dialog_, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  DrawIcon(dc, x, y, ProgramIcon());
  EndPaint(dialog_, &paint);
}
