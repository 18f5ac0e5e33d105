#include "distribution/diskette_maker.h"

#include "distribution/distribution_messages.h"
#include "distribution/name_list.h"
#include "environment/section_tables.h"
#include "platform/disk.h"
#include "platform/message_box.h"
#include "platform/shell.h"

#include <string.h>

namespace {
enum Outcome { kDone, kRunAgain };

struct Drive {
  const char* root;
  unsigned number;
};

// The floppy list holds "  Drive A:" and "  Drive B:" for the removable drives only; the
// selected entry's letter names the drive.
bool SelectedDrive(DistributionContext& context, Drive* drive) {
  int selection = context.view.ListSelection(kDistributionDriveList);
  if (selection < 0) return false;
  Text entry = context.view.ListEntry(kDistributionDriveList, selection);
  if (entry.size() == 0) return false;
  char letter = entry[entry.size() - 2];
  if (letter == 'A') *drive = Drive{"A:\\", 0};
  else if (letter == 'B') *drive = Drive{"B:\\", 1};
  else return false;
  return true;
}

// The diskette's files: the setup program, its configuration, and the package under its own name.
bool BuildLists(const Text& package, const Drive& drive, NameList* sources, NameList* target) {
  const char* program = "Install.exe";
  const char* configuration = "Setup.INI";
  return sources->Add(program, strlen(program)) &&
         sources->Add(configuration, strlen(configuration)) &&
         sources->Add(package.c_str(), package.size()) &&
         target->Add(drive.root, strlen(drive.root));
}

Outcome MakeDisketteOnce(DistributionContext& context) {
  DiskInterface& disk = *context.platform.disk;
  const char* section = SectionForListIndex(context.view.ListSelection(kDistributionDisketteList));
  if (!section) {
    ShowDistributionMessage(context, kDisketteOsNotSelected, kMbOk);
    return kDone;
  }
  Drive drive;
  if (!SelectedDrive(context, &drive)) {
    ShowDistributionMessage(context, kNoFloppyDrive, kMbOk);
    return kDone;
  }
  if (!disk.CanOpenForReading("MakeDisk.INI")) {
    ShowDistributionMessage(context, kNoMakeDiskIni, kMbOk);
    return kDone;
  }
  Text package = context.profile.ReadProfileString(section, "InstallFile", "");
  uint64_t free_bytes = 0;
  if (!disk.FreeSpace(drive.root, &free_bytes)) {
    ShowDistributionMessage(context, kNoDiskette, kMbOk);
    return kDone;
  }
  int64_t length = disk.FileLength(package.c_str());
  if (length < 0) {
    ShowDistributionMessage(context, kNoInstallFile, kMbOk);
    return kDone;
  }
  if (free_bytes < static_cast<uint64_t>(length) + kDisketteReserve) {
    if (ShowDistributionMessage(context, kFormatQuestion, kMbYesNo | kMbIconExclamation) != kIdYes) {
      return kDone;
    }
    // A result of SHFMT_ID_DEFAULT means the diskette was formatted; anything else (cancelled,
    // failed, or a format that cannot run) starts the command over, so the checks run again.
    if (context.platform.shell->FormatDrive(drive.number, kFormatOptionFull) != kFormatIdDefault) {
      return kRunAgain;
    }
  }

  // A package name too long for the shell's list is refused before anything is written, rather
  // than cut to a name that does not exist.
  NameList sources, target;
  if (!BuildLists(package, drive, &sources, &target)) {
    ShowDistributionMessage(context, kNamesTooLong, kMbOk);
    return kDone;
  }
  context.profile.SetActiveProfile(context.setup_ini_path.c_str());
  context.profile.WriteProfileEntry("OSforInstallDiskette", "FileName", package.c_str());
  if (context.platform.shell->CopyFiles(sources.data(), sources.size(), target.data(),
                                        target.size()) != 0) {
    ShowDistributionMessage(context, kDisketteCopyError, kMbOk);
    return kDone;
  }
  // From here on the configuration is read from the distribution's MakeDisk.INI, so a second
  // diskette takes its InstallFile from there.
  context.profile.SetActiveProfile(context.makedisk_ini_path.c_str());
  ShowDistributionMessage(context, kDisketteDone, kMbOk);
  return kDone;
}
}  // namespace

void RunMakeDiskette(DistributionContext& context) {
  while (MakeDisketteOnce(context) == kRunAgain) {
  }
}
