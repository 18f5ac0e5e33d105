#ifndef PLATFORM_MEMORY_MEMORY_SYSTEM_H
#define PLATFORM_MEMORY_MEMORY_SYSTEM_H

#include <string.h>

#include <vector>

#include "platform/processes.h"
#include "platform/system_info.h"

// Scripted answers to the system queries; by default an English Windows 7 on x86 running
// C:\SETUP\Install.exe.
class MemorySystem : public SystemInfo {
 public:
  MemorySystem() { SetVersion(2, 6, 1, ""); }

  void SetVersion(uint32_t platform_id, uint32_t major, uint32_t minor, const char* csd) {
    memset(&version, 0, sizeof version);
    version.platform_id = platform_id;
    version.major = major;
    version.minor = minor;
    strncpy(version.csd_version, csd, sizeof version.csd_version - 1);
  }

  VersionReport Version() override { ++version_queries; return version; }
  uint16_t SystemDefaultLanguage() override { return language; }
  uint16_t ProcessorArchitecture() override { return architecture; }
  Text ModulePath(int buffer_size) override { return module_path.Left(buffer_size - 1); }
  Text TempPath(int buffer_size) override {
    return static_cast<int>(temp_path.size()) < buffer_size ? temp_path : Text();
  }
  unsigned AnsiCodePage() override { return code_page; }

  VersionReport version;
  uint16_t language = 0x0409;
  uint16_t architecture = 0;
  Text module_path = "C:\\SETUP\\Install.exe";
  Text temp_path = "C:\\TEMP\\";
  unsigned code_page = 1252;
  int version_queries = 0;
};

// Records the programs started and the process exit.
class MemoryProcesses : public ProcessRunner {
 public:
  struct Started {
    Text command_line;
    int show;
  };
  unsigned StartCommand(const char* command_line, int show) override {
    started.push_back(Started{Text(command_line), show});
    return start_result;
  }
  void ExitProcess(int status) override {
    exited = true;
    exit_status = status;
  }

  std::vector<Started> started;
  unsigned start_result = 33;
  bool exited = false;
  int exit_status = -1;
};

#endif
