#include "dialog/setup_app.h"

#include "dialog/setup_dialog.h"

SetupApp::SetupApp(const Platform& platform) : platform_(platform), profile_(*platform.profiles) {}

SetupApp::~SetupApp() {}

bool SetupApp::InitInstance() {
  EnableControlContainer();
  Enable3dControlsStatic();
  SetupDialog dialog(platform_);
  set_main_window(&dialog);
  dialog.DoModal();
  set_main_window(nullptr);
  // False: the framework enters no message loop of the application's own, and the program ends.
  return false;
}
