#ifndef PLATFORM_MEMORY_MEMORY_VIEW_H
#define PLATFORM_MEMORY_MEMORY_VIEW_H

#include <vector>

#include "platform/dialog_framework.h"
#include "platform/dialog_view.h"
#include "platform/message_box.h"
#include "platform/text.h"

// A message box as the in-memory view recorded it.
struct ShownMessage {
  MessageBoxKind kind;
  Text text;
  Text caption;   // as shown: the application title where none was given
  bool caption_given;
  unsigned type;  // buttons and icon as shown (the framework box's added icon included)
  int answer;
};

// The dialog in memory: per control id its text, visibility, enabled and check state, list
// entries and selection, progress position; the message boxes shown, with answers that a test
// scripts (default: the first button, IDOK or IDYES); close requests queued as command 2.
class MemoryView : public DialogView {
 public:
  struct Control {
    int id;
    ControlKind kind;
    Text text;
    bool shown;
    bool enabled;
    int check;
    std::vector<Text> entries;
    int selection;
    int progress;
    std::vector<int> progress_history;
  };

  MemoryView(const DialogTemplate& dialog_template, const Text& application_title);

  // DialogView
  void SetText(int id, const char* text) override;
  Text GetText(int id, int buffer_size) override;
  void SetCaption(const char* text) override { caption_ = text; }
  Text Caption() override { return caption_; }
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
  void SetProgramIcons() override { ++icon_sets_; }
  int MessageBox(const char* text, const char* caption, unsigned type) override;
  int FrameworkMessageBox(const char* text, unsigned type) override;
  void RequestClose() override { ++close_requests_; queued_commands_.push_back(2); }
  bool IsMinimised() override { return minimised_; }
  void ClientSize(int* width, int* height) override { *width = client_w_; *height = client_h_; }
  void IconSize(int* width, int* height) override { *width = 32; *height = 32; }
  void PaintIcon(int x, int y) override { painted_icon_ = true; icon_x_ = x; icon_y_ = y; }

  // For tests.
  Control* Find(int id);  // null for an id the template does not hold
  void AnswerNext(int answer) { answers_.push_back(answer); }
  const std::vector<ShownMessage>& messages() const { return messages_; }
  void ClearMessages() { messages_.clear(); }
  int close_requests() const { return close_requests_; }
  int icon_sets() const { return icon_sets_; }
  std::vector<int>& queued_commands() { return queued_commands_; }
  void SetMinimised(bool minimised, int client_w, int client_h) {
    minimised_ = minimised; client_w_ = client_w; client_h_ = client_h;
  }
  bool painted_icon() const { return painted_icon_; }
  int icon_x() const { return icon_x_; }
  int icon_y() const { return icon_y_; }

 private:
  int Answer(unsigned type);
  std::vector<Control> controls_;
  Text caption_;
  Text title_;
  std::vector<ShownMessage> messages_;
  std::vector<int> answers_;
  std::vector<int> queued_commands_;
  int close_requests_ = 0;
  int icon_sets_ = 0;
  bool minimised_ = false;
  int client_w_ = 0, client_h_ = 0;
  bool painted_icon_ = false;
  int icon_x_ = 0, icon_y_ = 0;
};

// Drives a dialog whose framework runs in memory, as the Windows message loop would.
MemoryView& MemoryViewOf(FrameworkDialog& dialog);
// A button click or keyboard command: WM_COMMAND with the id and BN_CLICKED, then the queue.
void Click(FrameworkDialog& dialog, int id);
// A selection change of a list: selects index, sends CBN_SELCHANGE, then the queue.
void SelectFromList(FrameworkDialog& dialog, int id, int index);
// A key press on a control: offered to PreTranslateMessage; then the queue.
void PressKey(FrameworkDialog& dialog, int control_id, unsigned key);
// The control ids DoDataExchange bound, in binding order.
const std::vector<int>& BoundControls(FrameworkDialog& dialog);
// Runs the queued commands (close requests) until the queue is empty or the dialog has ended.
void Pump(FrameworkDialog& dialog);

#endif
