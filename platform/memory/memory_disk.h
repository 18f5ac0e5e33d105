#ifndef PLATFORM_MEMORY_MEMORY_DISK_H
#define PLATFORM_MEMORY_MEMORY_DISK_H

#include <map>
#include <string>
#include <vector>

#include "platform/disk.h"
#include "platform/memory/profile_store.h"

// A Windows file system in memory: files by full path (letter case ignored, as on Windows),
// relative paths taken from the current directory, drive types and free space per drive root.
// Every call succeeds unless a test arranged otherwise; FailNext makes the next call of one
// operation fail with a chosen system error number.
class MemoryDisk : public DiskInterface, public ProfileStorage {
 public:
  enum Operation { kOpen, kCopy, kDelete, kFreeSpace, kRead, kReplace, kOperationCount };

  MemoryDisk();

  // DiskInterface
  bool CanOpenForReading(const char* path) override;
  int64_t FileLength(const char* path) override;
  unsigned DriveType(const char* root) override;
  bool CopyFile(const char* from, const char* to) override;
  bool DeleteFile(const char* path) override;
  bool FreeSpace(const char* root, uint64_t* free_bytes) override;
  unsigned LastError() override { return last_error_; }

  // ProfileStorage
  bool Read(const char* path, Text* bytes) override;
  bool Replace(const char* path, const Text& bytes) override;

  // For tests.
  void AddFile(const char* path, const Text& bytes);
  // Folders exist when made here, when a file lies in them, or as a drive's root. Copying into
  // a folder that does not exist fails with 3, as on Windows.
  void AddDirectory(const char* path);
  bool DirectoryExists(const Text& full_path) const;
  bool Exists(const char* path);
  Text Contents(const char* path);
  void Remove(const char* path);
  void SetCurrentDirectory(const char* directory) { current_directory_ = directory; }
  void SetDriveType(char letter, unsigned type);
  void SetFreeSpace(char letter, uint64_t bytes);
  void FailNext(Operation operation, unsigned error_number);
  // Full path as the disk keys it.
  Text FullPath(const char* path) const;
  std::vector<Text> Files() const;
  int count(Operation operation) const { return counts_[operation]; }
  // The ANSI code page paths are written in: a backslash that is the second byte of a
  // double-byte character does not separate folders.
  unsigned code_page = 1252;

 private:
  bool Failing(Operation operation);
  static std::string Key(const Text& full_path);

  struct File {
    Text path;
    Text bytes;
  };
  std::map<std::string, File> files_;
  std::map<std::string, bool> directories_;
  Text current_directory_;
  unsigned drive_types_[26];
  bool has_free_space_[26];
  uint64_t free_space_[26];
  unsigned fail_error_[kOperationCount];
  int counts_[kOperationCount];
  unsigned last_error_;
};

#endif
