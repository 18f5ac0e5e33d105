#ifndef PLATFORM_WIN32_LATE_BOUND_H
#define PLATFORM_WIN32_LATE_BOUND_H

#include "platform/win32/windows_api.h"

// A function that some supported Windows lacks (GetNativeSystemInfo before XP,
// GetDiskFreeSpaceExA before Windows 95 OSR2, InitCommonControlsEx without Internet Explorer 4's
// comctl32), looked up in an already loaded module instead of imported: an import that a system
// does not export stops the loader before the program runs. Null when the system lacks it.
template <typename Function>
Function LateBound(const char* module, const char* name) {
  HMODULE handle = GetModuleHandleA(module);
  if (!handle) return nullptr;
  // Through a plain function pointer type, which GCC accepts as a cast between unrelated
  // function types without a warning.
  typedef void (*Plain)();
  return reinterpret_cast<Function>(reinterpret_cast<Plain>(GetProcAddress(handle, name)));
}

#endif
