#ifndef PLATFORM_WIN32_WIN32_PLATFORM_H
#define PLATFORM_WIN32_WIN32_PLATFORM_H

#include <stdint.h>

#include "platform/disk.h"
#include "platform/processes.h"
#include "platform/profile_files.h"
#include "platform/shell.h"
#include "platform/spooler.h"
#include "platform/system_info.h"

// The platform interfaces over the Windows API, as Install.exe runs them. Every function that
// Windows 95 or NT 4.0 lacks is looked up at run time, so the program still loads there.

class Win32SystemInfo : public SystemInfo {
 public:
  VersionReport Version() override;
  uint16_t SystemDefaultLanguage() override;
  uint16_t ProcessorArchitecture() override;
  Text ModulePath(int buffer_size) override;
  Text TempPath(int buffer_size) override;
  unsigned AnsiCodePage() override;
  bool IsLeadByte(unsigned char byte) override;
  int AnsiToUtf16(const char* text, uint16_t* out, int characters) override;
};

class Win32Disk : public DiskInterface {
 public:
  Win32Disk() : last_error_(0) {}
  bool CanOpenForReading(const char* path) override;
  int64_t FileLength(const char* path) override;
  unsigned DriveType(const char* root) override;
  bool CopyFile(const char* from, const char* to) override;
  bool DeleteFile(const char* path) override;
  bool FreeSpace(const char* root, uint64_t* free_bytes) override;
  unsigned LastError() override { return last_error_; }

 private:
  // Takes GetLastError of the call that just failed; returns false for the caller to pass on.
  bool Failed();
  unsigned last_error_;
};

class Win32Processes : public ProcessRunner {
 public:
  Win32Processes() : last_error_(0) {}
  unsigned StartCommand(const char* command_line, int show) override;
  void ExitProcess(int status) override;
  bool StartProgram(const char* program, Handle* process) override;
  bool StartHiddenProgram(const char* program, Handle* process) override;
  WaitResult WaitForProgram(Handle process, unsigned milliseconds) override;
  void CloseProgram(Handle process) override;
  unsigned LastError() override { return last_error_; }

 private:
  unsigned last_error_;
};

class Win32ProfileFiles : public ProfileFiles {
 public:
  Text GetString(const char* file, const char* section, const char* key,
                 const char* default_value, int buffer_size) override;
  unsigned GetInt(const char* file, const char* section, const char* key,
                  int default_value) override;
  bool WriteString(const char* file, const char* section, const char* key,
                   const char* value) override;
};

class Win32Spooler : public Spooler {
 public:
  Win32Spooler() : last_error_(0) {}
  bool OpenPrinter(const char* name, uint32_t access, Handle* handle) override;
  bool DeletePrinter(Handle handle) override;
  void ClosePrinter(Handle handle) override;
  Text PrinterDriverDirectory(int buffer_size) override;
  bool XcvData(Handle handle, const char* command, const uint8_t* input, uint32_t input_size,
               uint8_t* output, uint32_t output_size, uint32_t* needed, uint32_t* status) override;
  bool AddPrinterDriver(const DriverInfo3& info) override;
  bool AddPrinter(const PrinterInfo2& info) override;
  void WriteDefaultPrinterEntry(const char* value) override;
  void BroadcastIniChange() override;
  unsigned LastError() override { return last_error_; }

 private:
  // Takes GetLastError of the call that just failed; returns false for the caller to pass on.
  bool Failed();
  unsigned last_error_;
};

class Win32Shell : public Shell {
 public:
  bool BrowseForFolder(const char* title, Text* path) override;
  int CopyFiles(const char* from_list, size_t from_size, const char* to_list,
                size_t to_size) override;
  unsigned FormatDrive(unsigned drive, unsigned options) override;
};

#endif
