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

bool Win32Processes::StartProgram(const char* program, Handle* process) {
  SECURITY_ATTRIBUTES security;
  security.nLength = sizeof security;
  security.lpSecurityDescriptor = NULL;
  security.bInheritHandle = TRUE;
  STARTUPINFOA startup;
  memset(&startup, 0, sizeof startup);
  startup.cb = sizeof startup;
  // Without STARTF_USESHOWWINDOW in dwFlags Windows does not read this; it is set all the same.
  startup.wShowWindow = SW_SHOWDEFAULT;
  PROCESS_INFORMATION started;
  memset(&started, 0, sizeof started);
  if (!CreateProcessA(program, NULL, &security, &security, TRUE, 0, NULL, NULL, &startup,
                      &started)) {
    last_error_ = GetLastError();
    return false;
  }
  CloseHandle(started.hThread);
  *process = started.hProcess;
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
