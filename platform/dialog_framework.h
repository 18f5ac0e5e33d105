#ifndef PLATFORM_DIALOG_FRAMEWORK_H
#define PLATFORM_DIALOG_FRAMEWORK_H

#include "platform/dialog_view.h"
#include "platform/text.h"

// The small dialog framework the program is built on: an application object with InitInstance
// and a modal dialog with OnInitDialog, DoDataExchange, PreTranslateMessage and command routing.
// The Windows binding runs a real dialog from the template resource with its own modal loop; the
// in-memory binding builds the same controls from the template description and lets tests drive
// them (platform/memory/memory_dialog.h).

// Notification codes of WM_COMMAND that the program routes.
enum { kBnClicked = 0, kCbnSelChange = 1 };
// Window messages and keys that PreTranslateMessage looks at.
enum { kWmKeyDown = 0x0100 };
enum { kVkReturn = 0x0D, kVkEscape = 0x1B };

enum class ControlKind {
  kPushButton,
  kMultilinePushButton,
  kCheckBox,
  kGroupBox,
  kLabel,
  kEdit,          // bordered, scrolls horizontally, editable
  kReadOnlyEdit,  // read-only, no border, scrolls horizontally
  kDropDownList,  // unsorted
  kProgressBar,
  kIpAddress,
};

enum class StartState { kShown, kHidden, kPanel };

// One control of a dialog template: what the template resource holds for it.
struct TemplateControl {
  int id;
  ControlKind kind;
  const char* text;  // null: no text
  short x, y, width, height;  // dialog units
  StartState start;
  bool tab_stop;
};

struct DialogTemplate {
  int id;
  const char* caption;
  const TemplateControl* controls;
  int count;
};

// A message taken from the queue, as PreTranslateMessage sees it.
struct InputMessage {
  int control_id;  // id of the dialog's control the message is for; 0: the dialog; -1: other
  unsigned message;
  unsigned key;  // wParam
  const void* native;  // the MSG on Windows
};

// DDX_Control: binds a control member to the dialog's control of that id.
class DataExchange {
 public:
  virtual ~DataExchange() {}
  virtual void Control(int id) = 0;
};

class FrameworkDialog;

class FrameworkApp {
 public:
  FrameworkApp();
  virtual ~FrameworkApp();
  // The one application object; null before it is constructed.
  static FrameworkApp* Current();

  virtual bool InitInstance() = 0;

  // Nothing to do on the systems the program serves: template 102 holds no embedded control and
  // three-dimensional looks are the system's own. Kept so the start-up reads as it runs.
  void EnableControlContainer() {}
  void Enable3dControlsStatic() {}

  // The program file's name without folder and extension, the caption of every message box that
  // is given none.
  const Text& Title() const { return title_; }
  void SetTitle(const Text& title) { title_ = title; }

  FrameworkDialog* main_window() const { return main_window_; }
  void set_main_window(FrameworkDialog* dialog) { main_window_ = dialog; }

 private:
  Text title_;
  FrameworkDialog* main_window_;
};

// Derives the application title from the program file's path.
Text ApplicationTitleOf(const char* module_path);

class FrameworkDialog {
 public:
  explicit FrameworkDialog(const DialogTemplate& dialog_template);
  virtual ~FrameworkDialog();

  // Creates the dialog and runs it until it ends; returns the result passed to EndDialog.
  // The in-memory binding returns -1 while the dialog is still open after initialisation and the
  // commands queued by it; tests then drive the dialog.
  int DoModal();
  void EndDialog(int result);
  bool ended() const { return ended_; }
  int result() const { return result_; }

  DialogView& View();
  const DialogTemplate& Template() const { return template_; }

  // The dialog procedure's entry points, in the order the routing needs them.
  void RouteCommand(int id, int code);
  virtual bool PreTranslateMessage(const InputMessage& message);
  virtual bool OnPaint() { return false; }
  // Sets *colour (a COLORREF) and returns true when the control's caption takes a colour of its own.
  virtual bool CaptionColour(int id, unsigned long* colour) { (void)id; (void)colour; return false; }

 protected:
  virtual void DoDataExchange(DataExchange& exchange) { (void)exchange; }
  // The framework's own initialisation: binds the controls through DoDataExchange.
  virtual bool OnInitDialog();
  // The routing table; returns true when it took the command.
  virtual bool OnCommand(int id, int code) { (void)id; (void)code; return false; }
  // Command 2: ends the dialog with IDCANCEL.
  virtual void OnCancel();

 public:
  struct Native;  // the platform's part
  static Native& NativeOf(FrameworkDialog& dialog) { return *dialog.native_; }

 private:
  friend struct Native;
  // The platform's control binding for DoDataExchange.
  DataExchange& Exchange();
  const DialogTemplate& template_;
  Native* native_;
  bool ended_;
  int result_;
};

#endif
