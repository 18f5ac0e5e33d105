#ifndef PLATFORM_SYSTEM_INFO_H
#define PLATFORM_SYSTEM_INFO_H

#include <stdint.h>

#include "platform/text.h"

// The Windows version report, as OSVERSIONINFOA carries it.
struct VersionReport {
  uint32_t platform_id;
  uint32_t major;
  uint32_t minor;
  char csd_version[128];
};

// What the program asks Windows about the machine it runs on.
class SystemInfo {
 public:
  virtual ~SystemInfo() {}
  virtual VersionReport Version() = 0;
  virtual uint16_t SystemDefaultLanguage() = 0;
  // wProcessorArchitecture: the native query when the system offers it, else the plain one.
  virtual uint16_t ProcessorArchitecture() = 0;
  // Full path of the running program file, as GetModuleFileNameA gives it into a buffer of
  // buffer_size characters (cut to buffer_size - 1 characters).
  virtual Text ModulePath(int buffer_size) = 0;
  // GetTempPathA into a buffer of buffer_size characters; empty when the query fails.
  virtual Text TempPath(int buffer_size) = 0;
  // The system's ANSI code page (949 on Korean systems); decides how double-byte characters
  // are recognised.
  virtual unsigned AnsiCodePage() = 0;
  // IsDBCSLeadByte: whether the byte begins a double-byte character in the ANSI code page.
  virtual bool IsLeadByte(unsigned char byte) = 0;
  // MultiByteToWideChar from the ANSI code page, NUL included, into at most `characters`
  // UTF-16 units; returns the units written, 0 when the text does not fit.
  virtual int AnsiToUtf16(const char* text, uint16_t* out, int characters) = 0;
};

#endif
