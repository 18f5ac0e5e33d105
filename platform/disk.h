#ifndef PLATFORM_DISK_H
#define PLATFORM_DISK_H

#include <stdint.h>

#include "platform/text.h"

// GetDriveTypeA results the program tells apart.
enum { kDriveUnknown = 0, kDriveNoRootDir = 1, kDriveRemovable = 2, kDriveFixed = 3 };

// The file system as the program uses it. Relative paths are taken from the process's current
// directory, as Windows does.
class DiskInterface {
 public:
  virtual ~DiskInterface() {}
  // Opens the file for reading and closes it again; true when it opened.
  virtual bool CanOpenForReading(const char* path) = 0;
  // Length of a file opened for reading, or -1 when it does not open.
  virtual int64_t FileLength(const char* path) = 0;
  virtual unsigned DriveType(const char* root) = 0;
  // CopyFileA with fail_if_exists FALSE; false with error_number set when it fails.
  virtual bool CopyFile(const char* from, const char* to) = 0;
  virtual bool DeleteFile(const char* path) = 0;
  // Free bytes available to the caller on the drive of root; false when the drive does not answer.
  virtual bool FreeSpace(const char* root, uint64_t* free_bytes) = 0;
  // The system error number of the last failed call above.
  virtual unsigned LastError() = 0;
};

#endif
