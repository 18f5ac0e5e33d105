// The dialog framework on Windows: the dialog is created modeless from its template resource and
// run by a modal loop of the program's own, which offers every message to PreTranslateMessage
// before the dialog's keyboard handling or the window gets it.
#include "platform/dialog_framework.h"
#include "platform/win32/view-win32.h"
#include "platform/win32/windows_api.h"

struct FrameworkDialog::Native : DataExchange {
  explicit Native(FrameworkDialog& owner_dialog)
      : dialog(owner_dialog), window(NULL), owner(NULL), binding_failed(false) {}

  // DDX_Control.
  void Control(int id) override {
    if (!view.Bind(id)) binding_failed = true;
  }

  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  INT_PTR Initialise(HWND dialog_window);
  INT_PTR ColourControl(UINT message, WPARAM wparam, LPARAM lparam);
  void CentreOnScreen();
  void RunModalLoop();
  int ControlIdOf(HWND target) const;

  FrameworkDialog& dialog;
  Win32View view;
  HWND window;
  // The window disabled while the dialog runs. The setup dialog is the program's only window and
  // has none; the framework still honours one the way a modal dialog does.
  HWND owner;
  bool binding_failed;
};

FrameworkDialog::FrameworkDialog(const DialogTemplate& dialog_template)
    : template_(dialog_template), native_(new Native(*this)), ended_(false), result_(-1) {}

FrameworkDialog::~FrameworkDialog() {
  if (native_->window) DestroyWindow(native_->window);
  delete native_;
}

DialogView& FrameworkDialog::View() { return native_->view; }

DataExchange& FrameworkDialog::Exchange() { return *native_; }

int FrameworkDialog::DoModal() {
  ended_ = false;
  result_ = -1;
  HWND owner = native_->owner;
  bool owner_disabled = false;
  if (owner && IsWindowEnabled(owner)) {
    EnableWindow(owner, FALSE);
    owner_disabled = true;
  }
  HWND window = CreateDialogParamA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(template_.id), owner,
                                   &Native::Procedure, reinterpret_cast<LPARAM>(this));
  if (window) native_->RunModalLoop();

  // Hidden before the owner is enabled again and before it is destroyed, so that activation
  // passes straight back to the owner instead of through another program's window.
  if (window && IsWindow(window)) {
    SetWindowPos(window, NULL, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
  }
  if (owner_disabled) EnableWindow(owner, TRUE);
  if (owner && window && GetActiveWindow() == window) SetActiveWindow(owner);
  if (window && IsWindow(window)) DestroyWindow(window);
  native_->window = NULL;
  native_->view.Detach();
  return ended_ ? result_ : -1;
}

// The loop checks the flag after each message; the posted null message wakes it when the dialog
// is ended from outside any message the loop dispatched.
void FrameworkDialog::EndDialog(int result) {
  ended_ = true;
  result_ = result;
  if (native_->window) PostMessageA(native_->window, WM_NULL, 0, 0);
}

// The dialog manager's keyboard handling: Tab and arrows move the focus, Enter sends the focused
// push button's command or command 1, Esc sends command 2.
bool FrameworkDialog::PreTranslateMessage(const InputMessage& message) {
  MSG* msg = const_cast<MSG*>(static_cast<const MSG*>(message.native));
  if (!msg || !native_->window) return false;
  return IsDialogMessageA(native_->window, msg) != FALSE;
}

void FrameworkDialog::Native::RunModalLoop() {
  MSG msg;
  while (!dialog.ended_ && IsWindow(window)) {
    BOOL got = GetMessageA(&msg, NULL, 0, 0);
    if (got == -1) break;
    if (got == 0) {
      // WM_QUIT belongs to whatever loop runs outside this one: put it back for that loop.
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    InputMessage input = {ControlIdOf(msg.hwnd), msg.message, static_cast<unsigned>(msg.wParam),
                          &msg};
    if (!dialog.PreTranslateMessage(input)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
}

// The dialog's control a message is for. Some controls are made of windows of their own (the IP
// address control has an edit window per field); their messages count for the control itself.
int FrameworkDialog::Native::ControlIdOf(HWND target) const {
  if (!window || !target) return -1;
  if (target == window) return 0;
  if (!IsChild(window, target)) return -1;
  HWND control = target;
  for (HWND parent = GetParent(control); parent && parent != window; parent = GetParent(parent)) {
    control = parent;
  }
  return GetDlgCtrlID(control);
}

INT_PTR CALLBACK FrameworkDialog::Native::Procedure(HWND window, UINT message, WPARAM wparam,
                                                   LPARAM lparam) {
  FrameworkDialog* dialog;
  if (message == WM_INITDIALOG) {
    dialog = reinterpret_cast<FrameworkDialog*>(lparam);
    SetWindowLongPtrA(window, GWLP_USERDATA, lparam);
  } else {
    dialog = reinterpret_cast<FrameworkDialog*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  }
  // Messages before WM_INITDIALOG (WM_SETFONT) find no dialog yet and get the default handling.
  if (!dialog) return FALSE;
  Native& native = *dialog->native_;

  switch (message) {
    case WM_INITDIALOG:
      return native.Initialise(window);
    case WM_COMMAND:
      dialog->RouteCommand(LOWORD(wparam), HIWORD(wparam));
      return TRUE;
    case WM_PAINT:
      return dialog->OnPaint() ? TRUE : FALSE;
    case WM_QUERYDRAGICON:
      // One of the messages whose result a dialog procedure returns directly.
      return reinterpret_cast<INT_PTR>(ProgramIcon());
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      return native.ColourControl(message, wparam, lparam);
    case WM_CLOSE:
      // The default handling posts command 2 (IDCANCEL), so a close request takes effect only
      // after the code that made it has returned to the loop.
      return FALSE;
    default:
      return FALSE;
  }
}

INT_PTR FrameworkDialog::Native::Initialise(HWND dialog_window) {
  window = dialog_window;
  view.Attach(dialog_window);
  binding_failed = false;
  bool focus_default = dialog.OnInitDialog();
  // A template without a control that the dialog binds cannot work; the dialog ends as one that
  // could not be created.
  if (binding_failed && !dialog.ended_) dialog.EndDialog(-1);
  // The template has no DS_CENTER; an unowned modal dialog opens centred on the screen. Done
  // before the dialog manager shows the window (WS_VISIBLE), so it never appears elsewhere first.
  CentreOnScreen();
  return focus_default ? TRUE : FALSE;
}

// The colours and brush the control would get anyway, with the caption colour of the control
// when the dialog gives it one.
INT_PTR FrameworkDialog::Native::ColourControl(UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT brush = DefWindowProcA(window, message, wparam, lparam);
  HDC dc = reinterpret_cast<HDC>(wparam);
  HWND control = reinterpret_cast<HWND>(lparam);
  unsigned long colour;
  if (dialog.CaptionColour(GetDlgCtrlID(control), &colour)) {
    SetTextColor(dc, static_cast<COLORREF>(colour));
  }
  return static_cast<INT_PTR>(brush);
}

// Centred in the work area, as DS_CENTER does, never pushed off its top or left edge.
void FrameworkDialog::Native::CentreOnScreen() {
  RECT work;
  if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0)) {
    work.left = 0;
    work.top = 0;
    work.right = GetSystemMetrics(SM_CXSCREEN);
    work.bottom = GetSystemMetrics(SM_CYSCREEN);
  }
  RECT bounds;
  GetWindowRect(window, &bounds);
  int width = bounds.right - bounds.left;
  int height = bounds.bottom - bounds.top;
  int x = work.left + (work.right - work.left - width) / 2;
  int y = work.top + (work.bottom - work.top - height) / 2;
  if (x < work.left) x = work.left;
  if (y < work.top) y = work.top;
  SetWindowPos(window, NULL, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
