#include "platform/memory/memory_view.h"

#include <string.h>

#include "platform/message_box.h"

MemoryView::MemoryView(const DialogTemplate& dialog_template, const Text& application_title)
    : caption_(dialog_template.caption), title_(application_title) {
  for (int i = 0; i < dialog_template.count; ++i) {
    const TemplateControl& c = dialog_template.controls[i];
    Control control;
    control.id = c.id;
    control.kind = c.kind;
    control.text = c.text;
    control.shown = c.start == StartState::kShown;
    control.enabled = true;
    control.check = 0;
    control.selection = -1;
    control.progress = 0;
    controls_.push_back(control);
  }
}

MemoryView::Control* MemoryView::Find(int id) {
  for (Control& c : controls_) {
    if (c.id == id) return &c;
  }
  return nullptr;
}

void MemoryView::SetText(int id, const char* text) {
  if (Control* c = Find(id)) c->text = text;
}

Text MemoryView::GetText(int id, int buffer_size) {
  Control* c = Find(id);
  if (!c || buffer_size <= 0) return Text();
  Text text = c->text;
  // The IP address control always reports its four fields, an empty one as 0.
  if (c->kind == ControlKind::kIpAddress && text.empty()) text = "0.0.0.0";
  return text.Left(buffer_size - 1);
}

void MemoryView::Show(int id, bool shown) {
  if (Control* c = Find(id)) c->shown = shown;
}

bool MemoryView::IsShown(int id) {
  Control* c = Find(id);
  return c && c->shown;
}

void MemoryView::Enable(int id, bool enabled) {
  if (Control* c = Find(id)) c->enabled = enabled;
}

bool MemoryView::IsEnabled(int id) {
  Control* c = Find(id);
  return c && c->enabled;
}

void MemoryView::SetCheck(int id, int state) {
  if (Control* c = Find(id)) c->check = state;
}

int MemoryView::GetCheck(int id) {
  Control* c = Find(id);
  return c ? c->check : 0;
}

void MemoryView::ResetList(int id) {
  if (Control* c = Find(id)) {
    c->entries.clear();
    c->selection = -1;
  }
}

void MemoryView::AddListEntry(int id, const char* text) {
  if (Control* c = Find(id)) c->entries.push_back(Text(text));
}

void MemoryView::SelectListEntry(int id, int index) {
  Control* c = Find(id);
  if (!c) return;
  // CB_SETCURSEL: an index outside the list clears the selection.
  c->selection = (index >= 0 && index < static_cast<int>(c->entries.size())) ? index : -1;
}

int MemoryView::ListSelection(int id) {
  Control* c = Find(id);
  return c ? c->selection : -1;
}

int MemoryView::ListCount(int id) {
  Control* c = Find(id);
  return c ? static_cast<int>(c->entries.size()) : 0;
}

Text MemoryView::ListEntry(int id, int index) {
  Control* c = Find(id);
  if (!c || index < 0 || index >= static_cast<int>(c->entries.size())) return Text();
  return c->entries[index];
}

void MemoryView::SetProgress(int id, int position) {
  if (Control* c = Find(id)) {
    c->progress = position;
    c->progress_history.push_back(position);
  }
}

int MemoryView::Answer(unsigned type) {
  if (!answers_.empty()) {
    int answer = answers_.front();
    answers_.erase(answers_.begin());
    return answer;
  }
  switch (type & kMbTypeMask) {
    case kMbYesNo:
    case kMbYesNoCancel:
      return kIdYes;
    default:
      return kIdOk;
  }
}

int MemoryView::MessageBox(const char* text, const char* caption, unsigned type) {
  ShownMessage shown;
  shown.kind = MessageBoxKind::kDialog;
  shown.text = text;
  shown.caption_given = caption != nullptr;
  shown.caption = caption ? Text(caption) : title_;
  shown.type = type;
  shown.answer = Answer(type);
  messages_.push_back(shown);
  return shown.answer;
}

int MemoryView::FrameworkMessageBox(const char* text, unsigned type) {
  ShownMessage shown;
  shown.kind = MessageBoxKind::kFramework;
  shown.text = text;
  shown.caption_given = false;
  shown.caption = title_;
  shown.type = (type & kMbIconMask) ? type : (type | kMbIconExclamation);
  shown.answer = Answer(type);
  messages_.push_back(shown);
  return shown.answer;
}
