#include "install/staging.h"

#include "install/package_run.h"
#include "platform/disk.h"
#include "platform/spooler.h"
#include "platform/system_info.h"

namespace {
const int kPathBuffer = 250;
// A DepCount beyond any real driver's file count would keep the command copying nothing for
// hours (and overflow the progress arithmetic); no driver lists more files than this.
const unsigned kMostDependentFiles = 10000;
}  // namespace

int LastBackslash(SystemInfo& system, const Text& path) {
  int last = -1;
  for (size_t i = 0; i < path.size();) {
    unsigned char byte = static_cast<unsigned char>(path[i]);
    if (system.IsLeadByte(byte) && i + 1 < path.size()) {
      i += 2;
      continue;
    }
    if (byte == '\\') last = static_cast<int>(i);
    ++i;
  }
  return last;
}

StagingResult StageDriverFiles(InstallContext& context, const char* section) {
  StagingResult result;
  result.extraction_folder = TemporaryFolder(context) + "KVERNsetup";
  // The range stays the control's default, 0 to 100, and the position is not reset: the bar
  // shows where it last stood until the first file is copied.
  context.view.Show(kInstallProgress, true);
  result.driver_directory = context.platform.spooler->PrinterDriverDirectory(kPathBuffer);

  unsigned count = context.profile.ReadProfileInt(section, "DepCount", 0);
  if (count > kMostDependentFiles) count = kMostDependentFiles;
  for (unsigned k = 1; k <= count; ++k) {
    Text key = Text::Format("DepFile%u", k);
    Text source = result.extraction_folder +
                  context.profile.ReadProfileString(section, key.c_str(), nullptr);
    int backslash = LastBackslash(*context.platform.system, source);
    Text destination = result.driver_directory + source.Mid(backslash < 0 ? 0 : backslash);
    context.platform.disk->DeleteFile(destination.c_str());
    context.platform.disk->CopyFile(source.c_str(), destination.c_str());
    context.view.SetProgress(kInstallProgress, static_cast<int>((k - 1) * 100u / count));
  }
  return result;
}

Text DependentFileList(const Text& value) {
  Text list;
  for (size_t i = 0; i < value.size(); ++i) list += value[i] == '+' ? '\0' : value[i];
  list += '\0';
  return list;
}

DriverFileNames ReadDriverFileNames(InstallContext& context, const char* section) {
  DriverFileNames names;
  names.driver_file = context.profile.ReadProfileString(section, "DrvFile", nullptr);
  names.data_file = context.profile.ReadProfileString(section, "DatFile", nullptr);
  names.config_file = context.profile.ReadProfileString(section, "CfgFile", nullptr);
  names.help_file = context.profile.ReadProfileString(section, "HlpFile", nullptr);
  names.dependent_files =
      DependentFileList(context.profile.ReadProfileString(section, "DepFile", nullptr));
  names.data_type = context.profile.ReadProfileString(section, "DatType", "RAW");
  return names;
}

void RemoveOldDataFile(InstallContext& context, const Text& driver_directory,
                       const Text& data_file) {
  const char* subfolder = nullptr;
  switch (context.environment.os_family) {
    case kFamilyNT4:
      subfolder = "\\2\\";
      break;
    case kFamily2000:
    case kFamilyVista:
      subfolder = "\\3\\";
      break;
    default:
      return;
  }
  context.platform.disk->DeleteFile((driver_directory + subfolder + data_file).c_str());
}
