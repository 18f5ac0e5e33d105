#include "platform/win32/scratch_buffer.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/windows_api.h"

Text Win32ProfileFiles::GetString(const char* file, const char* section, const char* key,
                                  const char* default_value, int buffer_size) {
  if (buffer_size <= 0) return Text();
  ScratchBuffer buffer(buffer_size);
  DWORD length = GetPrivateProfileStringA(section, key, default_value ? default_value : "",
                                          buffer.data(), buffer_size, file);
  return Text(buffer.data(), length);
}

unsigned Win32ProfileFiles::GetInt(const char* file, const char* section, const char* key,
                                   int default_value) {
  return GetPrivateProfileIntA(section, key, default_value, file);
}

bool Win32ProfileFiles::WriteString(const char* file, const char* section, const char* key,
                                    const char* value) {
  return WritePrivateProfileStringA(section, key, value, file) != FALSE;
}
