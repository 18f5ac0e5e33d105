// The dialog framework without Windows: the dialog lives in a MemoryView, commands and key
// presses come from tests, and close requests wait in a queue as Windows' posted command 2 would.
#include <vector>

#include "platform/dialog_framework.h"
#include "platform/memory/memory_view.h"
#include "platform/message_box.h"

struct FrameworkDialog::Native : DataExchange {
  Native(const DialogTemplate& t, const Text& title) : view(t, title) {}
  void Control(int id) override { bound.push_back(id); }
  MemoryView view;
  std::vector<int> bound;
  bool created = false;
};

namespace {
Text CurrentTitle() {
  FrameworkApp* app = FrameworkApp::Current();
  return app ? app->Title() : Text();
}
}  // namespace

FrameworkDialog::FrameworkDialog(const DialogTemplate& dialog_template)
    : template_(dialog_template),
      native_(new Native(dialog_template, CurrentTitle())),
      ended_(false),
      result_(-1) {}

FrameworkDialog::~FrameworkDialog() { delete native_; }

DialogView& FrameworkDialog::View() { return native_->view; }

DataExchange& FrameworkDialog::Exchange() { return *native_; }

int FrameworkDialog::DoModal() {
  native_->created = true;
  OnInitDialog();
  Pump(*this);
  return ended_ ? result_ : -1;
}

void FrameworkDialog::EndDialog(int result) {
  ended_ = true;
  result_ = result;
}

// The dialog manager's keyboard handling (IsDialogMessage): Enter sends the focused push
// button's command, or the default command 1 from any other control; Esc sends command 2.
bool FrameworkDialog::PreTranslateMessage(const InputMessage& message) {
  if (message.message != kWmKeyDown) return false;
  if (message.key == kVkEscape) {
    RouteCommand(kIdCancel, kBnClicked);
    return true;
  }
  if (message.key != kVkReturn) return false;
  MemoryView::Control* control = native_->view.Find(message.control_id);
  bool push_button = control && (control->kind == ControlKind::kPushButton ||
                                 control->kind == ControlKind::kMultilinePushButton);
  RouteCommand(push_button ? message.control_id : kIdOk, kBnClicked);
  return true;
}

MemoryView& MemoryViewOf(FrameworkDialog& dialog) {
  return static_cast<MemoryView&>(dialog.View());
}

const std::vector<int>& BoundControls(FrameworkDialog& dialog) {
  return FrameworkDialog::NativeOf(dialog).bound;
}

void Pump(FrameworkDialog& dialog) {
  std::vector<int>& queue = MemoryViewOf(dialog).queued_commands();
  while (!queue.empty() && !dialog.ended()) {
    int id = queue.front();
    queue.erase(queue.begin());
    dialog.RouteCommand(id, kBnClicked);
  }
}

void Click(FrameworkDialog& dialog, int id) {
  if (dialog.ended()) return;
  dialog.RouteCommand(id, kBnClicked);
  Pump(dialog);
}

void SelectFromList(FrameworkDialog& dialog, int id, int index) {
  if (dialog.ended()) return;
  MemoryViewOf(dialog).SelectListEntry(id, index);
  dialog.RouteCommand(id, kCbnSelChange);
  Pump(dialog);
}

void PressKey(FrameworkDialog& dialog, int control_id, unsigned key) {
  if (dialog.ended()) return;
  InputMessage message = {control_id, kWmKeyDown, key, nullptr};
  dialog.PreTranslateMessage(message);
  Pump(dialog);
}
