#include "platform/dialog_framework.h"

#include <string.h>

#include "platform/message_box.h"

namespace {
FrameworkApp* g_current_app = nullptr;
}

FrameworkApp::FrameworkApp() : main_window_(nullptr) { g_current_app = this; }

FrameworkApp::~FrameworkApp() {
  if (g_current_app == this) g_current_app = nullptr;
}

FrameworkApp* FrameworkApp::Current() { return g_current_app; }

Text ApplicationTitleOf(const char* module_path) {
  const char* name = module_path;
  for (const char* p = module_path; *p; ++p) {
    if (*p == '\\' || *p == '/' || *p == ':') name = p + 1;
  }
  const char* dot = strrchr(name, '.');
  return dot ? Text(name, dot - name) : Text(name);
}

void FrameworkDialog::RouteCommand(int id, int code) {
  if (OnCommand(id, code)) return;
  if (id == kIdCancel && code == kBnClicked) OnCancel();
}

bool FrameworkDialog::OnInitDialog() {
  DoDataExchange(Exchange());
  return true;
}

void FrameworkDialog::OnCancel() { EndDialog(kIdCancel); }
