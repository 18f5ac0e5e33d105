#ifndef INSTALL_INSTALL_CONTEXT_H
#define INSTALL_INSTALL_CONTEXT_H

#include "environment/active_profile.h"
#include "environment/detect_environment.h"
#include "platform/dialog_view.h"
#include "platform/platform.h"
#include "platform/text.h"

// What the Install command works with: the setup dialog's view, the platform, the ActiveProfile
// and what start-up found out.
struct InstallContext {
  DialogView& view;
  const Platform& platform;
  ActiveProfile& profile;
  const SetupEnvironment& environment;
  const Text& model_name;
};

// Control ids the Install command reads and drives.
enum {
  kInstallAddress = 1034,
  kInstallCheckTcpIp = 1006,
  kInstallCheckDefault = 1002,
  kInstallCheckOpenFolder = 1003,
  kInstallProgress = 1007,
};

// The IP address control's text is read into a buffer of 30 characters.
enum { kAddressBuffer = 30 };

// An empty IP address control reads 0.0.0.0, so an address whose first character is the digit 0
// counts as no address at all.
inline bool IsBlankAddress(const Text& address) { return address[0] == '0'; }

#endif
