#include <stdlib.h>
#include <string.h>

#include "platform/win32/win32_platform.h"
#include "platform/win32/windows_api.h"

unsigned Win32Processes::StartCommand(const char* command_line, int show) {
  return WinExec(command_line, show);
}

// Through the C runtime, so that it flushes its files and runs its exit handlers before the
// process ends.
void Win32Processes::ExitProcess(int status) { exit(status); }

namespace {
// One security record for process and thread: no descriptor, the handle inheritable; handles
// inherited; the installer's environment and current directory.
bool Start(const char* program, const STARTUPINFOA& startup, HANDLE* process, unsigned* error) {
  SECURITY_ATTRIBUTES security;
  security.nLength = sizeof security;
  security.lpSecurityDescriptor = NULL;
  security.bInheritHandle = TRUE;
  STARTUPINFOA startup_copy = startup;
  PROCESS_INFORMATION started;
  memset(&started, 0, sizeof started);
  if (!CreateProcessA(program, NULL, &security, &security, TRUE, 0, NULL, NULL, &startup_copy,
                      &started)) {
    *error = GetLastError();
    return false;
  }
  CloseHandle(started.hThread);
  *process = started.hProcess;
  return true;
}
}  // namespace

bool Win32Processes::StartProgram(const char* program, Handle* process) {
  STARTUPINFOA startup;
  memset(&startup, 0, sizeof startup);
  startup.cb = sizeof startup;
  // Without STARTF_USESHOWWINDOW in dwFlags Windows does not read this; it is set all the same.
  startup.wShowWindow = SW_SHOWDEFAULT;
  HANDLE started = NULL;
  if (!Start(program, startup, &started, &last_error_)) return false;
  *process = started;
  return true;
}

// The driver-file copy unpacks a package out of sight, as WinExec with SW_HIDE would, but keeps
// the process handle so that it can wait for the unpacking to finish.
bool Win32Processes::StartHiddenProgram(const char* program, Handle* process) {
  STARTUPINFOA startup;
  memset(&startup, 0, sizeof startup);
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  HANDLE started = NULL;
  if (!Start(program, startup, &started, &last_error_)) return false;
  *process = started;
  return true;
}

ProcessRunner::WaitResult Win32Processes::WaitForProgram(Handle process, unsigned milliseconds) {
  switch (WaitForSingleObject(static_cast<HANDLE>(process), milliseconds)) {
    case WAIT_OBJECT_0:
      return kWaitEnded;
    case WAIT_TIMEOUT:
      return kWaitTimedOut;
    default:
      return kWaitFailed;
  }
}

void Win32Processes::CloseProgram(Handle process) {
  if (process) CloseHandle(static_cast<HANDLE>(process));
}
