#ifndef DISTRIBUTION_DISTRIBUTION_CONTEXT_H
#define DISTRIBUTION_DISTRIBUTION_CONTEXT_H

#include "environment/active_profile.h"
#include "environment/detect_environment.h"
#include "platform/dialog_view.h"
#include "platform/platform.h"
#include "platform/text.h"

// What the distribution panel's commands work with: the setup dialog's view and members.
struct DistributionContext {
  DialogView& view;
  const Platform& platform;
  ActiveProfile& profile;
  const SetupEnvironment& environment;
  const Text& program_folder;
  const Text& setup_ini_path;
  const Text& makedisk_ini_path;
  int diskette_origin;
  Text& copy_os_section;
  Text& target_folder;
  Text& copy_package_file;
};

enum {
  kDistributionDisketteList = 1016,
  kDistributionDriveList = 1017,
  kDistributionTargetEdit = 1020,
  kDistributionCopyList = 1026,
};

// Space a diskette needs beyond the files themselves.
enum { kDisketteReserve = 300000 };

// Shows a framework message box in the interface language.
int ShowDistributionMessage(DistributionContext& context, const struct UiText& text,
                            unsigned type);

#endif
