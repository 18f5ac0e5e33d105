#ifndef PLATFORM_DIALOG_VIEW_H
#define PLATFORM_DIALOG_VIEW_H

#include "platform/text.h"

// The setup dialog as its logic sees it: controls by resource id, the caption, message boxes and
// the close request. The Windows binding drives the real dialog; the in-memory one records.
class DialogView {
 public:
  virtual ~DialogView() {}

  virtual void SetText(int id, const char* text) = 0;
  // GetWindowTextA into a buffer of buffer_size characters.
  virtual Text GetText(int id, int buffer_size) = 0;
  virtual void SetCaption(const char* text) = 0;
  virtual Text Caption() = 0;

  // ShowWindow with SW_SHOWNORMAL or SW_HIDE.
  virtual void Show(int id, bool shown) = 0;
  virtual bool IsShown(int id) = 0;
  virtual void Enable(int id, bool enabled) = 0;
  virtual bool IsEnabled(int id) = 0;

  // BM_SETCHECK / BM_GETCHECK.
  virtual void SetCheck(int id, int state) = 0;
  virtual int GetCheck(int id) = 0;

  // Combo boxes: CB_RESETCONTENT, CB_ADDSTRING, CB_SETCURSEL, CB_GETCURSEL (-1: none), CB_GETCOUNT.
  virtual void ResetList(int id) = 0;
  virtual void AddListEntry(int id, const char* text) = 0;
  virtual void SelectListEntry(int id, int index) = 0;
  virtual int ListSelection(int id) = 0;
  virtual int ListCount(int id) = 0;
  virtual Text ListEntry(int id, int index) = 0;

  // PBM_SETPOS.
  virtual void SetProgress(int id, int position) = 0;

  // WM_SETICON with the program icon, big and small.
  virtual void SetProgramIcons() = 0;

  // A dialog message box: caption as given, or the application title when caption is null.
  virtual int MessageBox(const char* text, const char* caption, unsigned type) = 0;
  // A framework message box: the application title as caption, the exclamation icon added when
  // type names no icon.
  virtual int FrameworkMessageBox(const char* text, unsigned type) = 0;

  // WM_CLOSE to the dialog: its default handling queues command 2 (cancel), which ends the dialog
  // after the requesting code has run to its end.
  virtual void RequestClose() = 0;

  // Minimised-icon painting.
  virtual bool IsMinimised() = 0;
  virtual void ClientSize(int* width, int* height) = 0;
  virtual void IconSize(int* width, int* height) = 0;
  // Erases the background for the icon and draws the program icon at x, y of the client area.
  virtual void PaintIcon(int x, int y) = 0;
};

#endif
