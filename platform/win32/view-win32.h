#ifndef PLATFORM_WIN32_VIEW_WIN32_H
#define PLATFORM_WIN32_VIEW_WIN32_H

#include "platform/dialog_view.h"
#include "platform/win32/windows_api.h"

// The setup dialog's window as DialogView: each call is the one Windows call or message that
// dialog_view.h names, sent to the dialog or to its control of the given id.
class Win32View : public DialogView {
 public:
  Win32View() : dialog_(NULL), bound_count_(0) {}

  // The dialog window, from WM_INITDIALOG until it is destroyed.
  void Attach(HWND dialog);
  void Detach();
  HWND dialog() const { return dialog_; }

  // DDX_Control: finds the dialog's control of that id and keeps its window for later calls;
  // false when the template has no such control.
  bool Bind(int id);

  void SetText(int id, const char* text) override;
  Text GetText(int id, int buffer_size) override;
  void SetCaption(const char* text) override;
  Text Caption() override;

  void Show(int id, bool shown) override;
  bool IsShown(int id) override;
  void Enable(int id, bool enabled) override;
  bool IsEnabled(int id) override;

  void SetCheck(int id, int state) override;
  int GetCheck(int id) override;

  void ResetList(int id) override;
  void AddListEntry(int id, const char* text) override;
  void SelectListEntry(int id, int index) override;
  int ListSelection(int id) override;
  int ListCount(int id) override;
  Text ListEntry(int id, int index) override;

  void SetProgress(int id, int position) override;

  void SetProgramIcons() override;

  int MessageBox(const char* text, const char* caption, unsigned type) override;
  int FrameworkMessageBox(const char* text, unsigned type) override;

  void RequestClose() override;

  bool IsMinimised() override;
  void ClientSize(int* width, int* height) override;
  void IconSize(int* width, int* height) override;
  void PaintIcon(int x, int y) override;

 private:
  HWND Item(int id);
  LRESULT SendToItem(int id, UINT message, WPARAM wparam, LPARAM lparam);

  struct Binding {
    int id;
    HWND window;
  };
  // The setup dialog binds 31 controls; any beyond this are found by id on each call.
  enum { kMaxBindings = 64 };
  HWND dialog_;
  Binding bound_[kMaxBindings];
  int bound_count_;
};

// The program icon from the resources (icon IDI_PROGRAM, 32x32).
HICON ProgramIcon();

#endif
