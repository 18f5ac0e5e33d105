#ifndef PLATFORM_MEMORY_MEMORY_SYSTEM_H
#define PLATFORM_MEMORY_MEMORY_SYSTEM_H

#include <string.h>

#include <functional>
#include <vector>

#include "platform/processes.h"
#include "platform/system_info.h"

// Lead bytes of the double-byte code pages the program meets (IsDBCSLeadByteEx).
inline bool IsLeadByteIn(unsigned code_page, unsigned char byte) {
  switch (code_page) {
    case 932:
      return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    case 936:
    case 949:
    case 950:
      return byte >= 0x81 && byte <= 0xFE;
    default:
      return false;
  }
}

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
  bool IsLeadByte(unsigned char byte) override { return IsLeadByteIn(code_page, byte); }
  // ASCII converts unit for unit; anything else becomes U+FFFD, which is all tests need.
  int AnsiToUtf16(const char* text, uint16_t* out, int characters) override {
    int n = static_cast<int>(strlen(text)) + 1;
    if (n > characters) return 0;
    for (int i = 0; i < n; ++i) {
      unsigned char c = static_cast<unsigned char>(text[i]);
      out[i] = c < 0x80 ? c : 0xFFFD;
    }
    return n;
  }

  VersionReport version;
  uint16_t language = 0x0409;
  uint16_t architecture = 0;
  Text module_path = "C:\\SETUP\\Install.exe";
  Text temp_path = "C:\\TEMP\\";
  unsigned code_page = 1252;
  int version_queries = 0;
};

// Records the programs started and the process exit. A started driver package is played by
// a test's function, run when a wait first sees the program end (so its files appear only to a
// caller that waits); a test can make the start fail with an error number, or script the waits.
class MemoryProcesses : public ProcessRunner {
 public:
  // StartProgram's view of whether the program file exists; a missing one fails with 2, as
  // CreateProcessA does.
  std::function<bool(const char* program)> program_exists;
  std::function<void(const char* program)> package;
  unsigned start_error = 0;
  // Results of successive waits; when they run out, the process has ended.
  std::vector<WaitResult> waits;
  std::vector<Text> programs;
  int wait_calls = 0;
  int closed = 0;

  bool StartProgram(const char* program, Handle* process) override {
    programs.push_back(Text(program));
    if (start_error != 0) {
      last_error = start_error;
      return false;
    }
    if (program_exists && !program_exists(program)) {
      last_error = 2;
      return false;
    }
    running = program;
    *process = this;
    return true;
  }
  bool StartHiddenProgram(const char* program, Handle* process) override {
    ++hidden_starts;
    return StartProgram(program, process);
  }
  int hidden_starts = 0;
  WaitResult WaitForProgram(Handle process, unsigned milliseconds) override {
    (void)process;
    last_wait_ms = milliseconds;
    ++wait_calls;
    WaitResult result = kWaitEnded;
    if (!waits.empty()) {
      result = waits.front();
      waits.erase(waits.begin());
    }
    if (result == kWaitEnded && !running.empty()) {
      if (package) package(running.c_str());
      running = Text();
    }
    return result;
  }
  void CloseProgram(Handle process) override { (void)process; ++closed; }
  unsigned LastError() override { return last_error; }
  unsigned last_error = 0;
  unsigned last_wait_ms = 0;
  Text running;  // the started program whose end no wait has seen yet

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
