#include <string.h>

#include "platform/win32/late_bound.h"
#include "platform/win32/scratch_buffer.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/windows_api.h"

VersionReport Win32SystemInfo::Version() {
  VersionReport report;
  memset(&report, 0, sizeof report);
  OSVERSIONINFOA info;
  memset(&info, 0, sizeof info);
  // The plain structure (148 bytes): Windows 95 and NT 4.0 refuse the larger ...EX one.
  info.dwOSVersionInfoSize = sizeof info;
  if (!GetVersionExA(&info)) return report;
  report.platform_id = info.dwPlatformId;
  report.major = info.dwMajorVersion;
  report.minor = info.dwMinorVersion;
  static_assert(sizeof report.csd_version == sizeof info.szCSDVersion, "CSD text sizes differ");
  memcpy(report.csd_version, info.szCSDVersion, sizeof report.csd_version);
  report.csd_version[sizeof report.csd_version - 1] = 0;
  return report;
}

uint16_t Win32SystemInfo::SystemDefaultLanguage() { return GetSystemDefaultLangID(); }

// A 32-bit program under 64-bit Windows gets its own x86 view from GetSystemInfo; only
// GetNativeSystemInfo (Windows XP on) tells the machine's processor.
uint16_t Win32SystemInfo::ProcessorArchitecture() {
  typedef void(WINAPI * NativeSystemInfo)(SYSTEM_INFO*);
  SYSTEM_INFO info;
  memset(&info, 0, sizeof info);
  NativeSystemInfo native = LateBound<NativeSystemInfo>("kernel32.dll", "GetNativeSystemInfo");
  if (native) {
    native(&info);
  } else {
    GetSystemInfo(&info);
  }
  return info.wProcessorArchitecture;
}

// Windows XP leaves a path that fills the buffer unterminated and reports the buffer size; later
// systems cut it to one character less. Either way the caller gets buffer_size - 1 characters.
Text Win32SystemInfo::ModulePath(int buffer_size) {
  if (buffer_size <= 0) return Text();
  ScratchBuffer buffer(buffer_size);
  DWORD length = GetModuleFileNameA(NULL, buffer.data(), buffer_size);
  DWORD most = static_cast<DWORD>(buffer_size - 1);
  return Text(buffer.data(), length < most ? length : most);
}

// GetTempPathA reports the size it needs, without writing, when the buffer is too small.
Text Win32SystemInfo::TempPath(int buffer_size) {
  if (buffer_size <= 0) return Text();
  ScratchBuffer buffer(buffer_size);
  DWORD length = GetTempPathA(buffer_size, buffer.data());
  if (length == 0 || length >= static_cast<DWORD>(buffer_size)) return Text();
  return Text(buffer.data(), length);
}

unsigned Win32SystemInfo::AnsiCodePage() { return GetACP(); }

bool Win32SystemInfo::IsLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

int Win32SystemInfo::AnsiToUtf16(const char* text, uint16_t* out, int characters) {
  static_assert(sizeof(WCHAR) == sizeof(uint16_t), "WCHAR is a UTF-16 unit");
  return MultiByteToWideChar(CP_ACP, 0, text, -1, reinterpret_cast<WCHAR*>(out), characters);
}
