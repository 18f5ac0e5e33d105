#include "distribution/driver_copy.h"

#include "distribution/distribution_messages.h"
#include "distribution/name_list.h"
#include "environment/paths.h"
#include "environment/section_tables.h"
#include "platform/disk.h"
#include "platform/message_box.h"
#include "platform/processes.h"
#include "platform/shell.h"
#include "platform/system_info.h"

namespace {
enum Outcome { kDone, kRunAgain };

const int kPathBuffer = 250;
// The folder edit is read whole; no folder name comes near this.
const int kTargetBuffer = 4096;
const unsigned kPollMilliseconds = 100;

// A target in the root or a folder of the diskette drive the program itself runs from.
bool OnProgramDiskette(const Text& target, const Text& program_folder) {
  return (target.StartsWith("A:\\") && program_folder.StartsWith("A:")) ||
         (target.StartsWith("B:\\") && program_folder.StartsWith("B:"));
}

// Runs the package and waits until it has unpacked: measuring and copying while it still
// writes would hand out whatever an earlier run left in the extraction folder.
void UnpackPackage(DistributionContext& context, const Text& temp_folder) {
  Text package_copy = temp_folder + ReplaceExtension(context.copy_package_file, ".exe");
  context.platform.disk->CopyFile(context.copy_package_file.c_str(), package_copy.c_str());
  ProcessRunner& processes = *context.platform.processes;
  ProcessRunner::Handle process = nullptr;
  if (!processes.StartHiddenProgram(package_copy.c_str(), &process)) return;
  while (processes.WaitForProgram(process, kPollMilliseconds) == ProcessRunner::kWaitTimedOut) {
  }
  processes.CloseProgram(process);
}

// The listed files, measured as they are added. A file that does not open counts 0 bytes; the
// shell's copy then reports it.
bool ListDriverFiles(DistributionContext& context, const Text& extraction_folder,
                     NameList* sources, uint32_t* total_size) {
  const char* section = context.copy_os_section.c_str();
  int count = static_cast<signed char>(context.profile.ReadProfileInt(section, "FileCount", 0) & 0xFF);
  for (int n = 1; n <= count; ++n) {
    Text key = Text::Format("CopyFile%d", n);
    Text path = extraction_folder + context.profile.ReadProfileString(section, key.c_str(), "");
    int64_t length = context.platform.disk->FileLength(path.c_str());
    if (length > 0) *total_size += static_cast<uint32_t>(length);
    if (!sources->Add(path.c_str(), path.size())) return false;
  }
  return true;
}

// Space for the files on a diskette target; may offer a format.
Outcome CheckDisketteSpace(DistributionContext& context, uint32_t total_size, bool* go_on) {
  *go_on = false;
  const Text& target = context.target_folder;
  Text root = target.Left(3);
  uint64_t free_bytes = 0;
  if (!context.platform.disk->FreeSpace(root.c_str(), &free_bytes)) {
    ShowDistributionMessage(context, kNoDiskette, kMbOk);
    return kDone;
  }
  if (free_bytes < static_cast<uint64_t>(total_size) + kDisketteReserve) {
    if (ShowDistributionMessage(context, kFormatQuestion, kMbYesNo | kMbIconExclamation) != kIdYes) {
      return kDone;
    }
    unsigned drive = target.StartsWith("B:\\") ? 1 : 0;
    if (context.platform.shell->FormatDrive(drive, kFormatOptionNone) != kFormatIdDefault) {
      return kRunAgain;
    }
  }
  *go_on = true;
  return kDone;
}

Outcome CopyOnce(DistributionContext& context) {
  SystemInfo& system = *context.platform.system;
  context.target_folder =
      UpperCaseAnsi(system, context.view.GetText(kDistributionTargetEdit, kTargetBuffer));
  if (OnProgramDiskette(context.target_folder, context.program_folder)) {
    ShowDistributionMessage(context, kSameDiskette, kMbOk);
    return kDone;
  }
  int selection = context.view.ListSelection(kDistributionCopyList);
  if (!context.diskette_origin && !SectionForListIndex(selection)) {
    ShowDistributionMessage(context, kCopyOsNotSelected, kMbOk);
    return kDone;
  }
  if (!context.platform.disk->CanOpenForReading("Setup.INI")) {
    ShowDistributionMessage(context, kNoSetupIni, kMbOk);
    return kDone;
  }
  // An empty target would make the shell copy into the current folder, the distribution itself.
  if (context.target_folder.empty()) {
    ShowDistributionMessage(context, kNoTargetFolder, kMbOk);
    return kDone;
  }
  if (const char* section = SectionForListIndex(selection)) context.copy_os_section = section;
  if (!context.diskette_origin) {
    context.profile.SetActiveProfile(context.setup_ini_path.c_str());
    context.copy_package_file =
        context.profile.ReadProfileString(context.copy_os_section.c_str(), "CopyInstallFile", "");
  }

  Text temp_folder = system.TempPath(kPathBuffer);
  UnpackPackage(context, temp_folder);
  NameList sources, target;
  uint32_t total_size = 0;
  if (!ListDriverFiles(context, temp_folder + "KVERNsetup", &sources, &total_size) ||
      !target.Add(context.target_folder.c_str(), context.target_folder.size())) {
    ShowDistributionMessage(context, kNamesTooLong, kMbOk);
    return kDone;
  }
  if (context.target_folder.StartsWith("B:\\") || context.target_folder.StartsWith("A:\\")) {
    bool go_on = false;
    if (CheckDisketteSpace(context, total_size, &go_on) == kRunAgain) return kRunAgain;
    if (!go_on) return kDone;
  }
  int result = context.platform.shell->CopyFiles(sources.data(), sources.size(), target.data(),
                                                 target.size());
  ShowDistributionMessage(context, result != 0 ? kCopyCanceled : kCopyDone, kMbOk);
  return kDone;
}
}  // namespace

Text UpperCaseAnsi(SystemInfo& system, const Text& text) {
  Text upper;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (system.IsLeadByte(static_cast<unsigned char>(c)) && i + 1 < text.size()) {
      upper += c;
      upper += text[++i];
      continue;
    }
    upper += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  }
  return upper;
}

void RunBrowse(DistributionContext& context) {
  Text title = context.environment.ui_language == kUiEnglish ? kBrowseTitle.english
                                                             : kBrowseTitle.korean;
  Text folder;
  if (!context.platform.shell->BrowseForFolder(title.c_str(), &folder)) return;
  context.target_folder = folder;
  context.view.SetText(kDistributionTargetEdit, folder.c_str());
}

void RunCopy(DistributionContext& context) {
  while (CopyOnce(context) == kRunAgain) {
  }
}
