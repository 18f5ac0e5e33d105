#ifndef DIALOG_SETUP_APP_H
#define DIALOG_SETUP_APP_H

#include "environment/active_profile.h"
#include "platform/dialog_framework.h"
#include "platform/platform.h"

// The application object: runs the setup dialog as its main window and holds the ActiveProfile.
class SetupApp : public FrameworkApp {
 public:
  explicit SetupApp(const Platform& platform);
  ~SetupApp() override;

  // Runs the setup dialog modally; returns false so that the program ends when it closes.
  bool InitInstance() override;

  const Platform& platform() const { return platform_; }
  ActiveProfile& profile() { return profile_; }

 private:
  Platform platform_;
  ActiveProfile profile_;
};

#endif
