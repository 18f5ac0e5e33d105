#ifndef PLATFORM_MEMORY_MEMORY_SHELL_H
#define PLATFORM_MEMORY_MEMORY_SHELL_H

#include <string>
#include <vector>

#include "platform/memory/memory_disk.h"
#include "platform/shell.h"

// The shell's dialogs in memory. The folder browser answers with a chosen folder or a cancel;
// the copy records its exact lists and copies the files on the in-memory disk (into the folder
// or drive root the target names), giving 0 when every file arrived; the format records its
// arguments and returns a chosen result, optionally emptying the drive.
class MemoryShell : public Shell {
 public:
  explicit MemoryShell(MemoryDisk& disk) : disk_(disk) {}

  bool BrowseForFolder(const char* title, Text* path) override;
  int CopyFiles(const char* from_list, size_t from_size, const char* to_list,
                size_t to_size) override;
  unsigned FormatDrive(unsigned drive, unsigned options) override;

  // Folder browser.
  bool browse_cancels = false;
  Text browse_result = "C:\\DRIVERS";
  std::vector<Text> browse_titles;
  // Copy.
  struct Copy {
    std::string from;  // the whole buffer, every byte
    std::string to;
    std::vector<std::string> sources;  // names up to the first empty one
    std::string target;
  };
  std::vector<Copy> copies;
  int copy_result = -1;  // -1: copy on the disk and report the outcome; else return this as is
  // Format.
  struct Format {
    unsigned drive, options;
  };
  std::vector<Format> formats;
  std::vector<unsigned> format_results;  // successive results; 0xFFFF when they run out
  // Free space a format leaves on the drive (when set).
  bool format_frees_space = false;
  uint64_t space_after_format = 1457664;

 private:
  MemoryDisk& disk_;
};

#endif
