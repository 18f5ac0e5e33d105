#ifndef INSTALL_STAGING_H
#define INSTALL_STAGING_H

#include "install/install_context.h"

class SystemInfo;

// Position of the last backslash of path, -1 when there is none. The path is walked character by
// character in the ANSI code page, so the second byte of a double-byte character, which may be
// 0x5C in some code pages, is never taken for a backslash.
int LastBackslash(SystemInfo& system, const Text& path);

struct StagingResult {
  Text extraction_folder;
  Text driver_directory;
};

// Copies the files listed by DepCount and DepFile1..N from the extraction folder into the
// spooler's driver directory, showing and advancing the progress bar. Never fails.
StagingResult StageDriverFiles(InstallContext& context, const char* section);

// What the driver registration needs from the section.
struct DriverFileNames {
  Text driver_file;
  Text data_file;
  Text config_file;
  Text help_file;
  Text data_type;
  Text dependent_files;  // NUL-separated names ended by an empty name
};

DriverFileNames ReadDriverFileNames(InstallContext& context, const char* section);

// The DepFile value as a list: each "+" becomes a NUL and one more NUL ends the list.
Text DependentFileList(const Text& value);

// Deletes the old data file from the driver directory's version subfolder (NT families only).
void RemoveOldDataFile(InstallContext& context, const Text& driver_directory,
                       const Text& data_file);

#endif
