#ifndef PLATFORM_PROCESSES_H
#define PLATFORM_PROCESSES_H

#include "platform/text.h"

// Show states the program passes (ShowWindow values).
enum { kShowHide = 0, kShowNormal = 1, kShowShow = 5, kShowDefault = 10 };

// Starting other programs and ending this one.
class ProcessRunner {
 public:
  typedef void* Handle;
  enum WaitResult { kWaitEnded, kWaitTimedOut, kWaitFailed };

  virtual ~ProcessRunner() {}
  // WinExec: starts a command line without waiting; returns what WinExec returns (> 31 is success).
  virtual unsigned StartCommand(const char* command_line, int show) = 0;
  // Ends the process through the runtime's normal exit. The in-memory substitute records the
  // exit and returns, so callers return right after calling it.
  virtual void ExitProcess(int status) = 0;

  // CreateProcessA of a driver package: no command line, one security record (length 12, no
  // descriptor, inheritable) for process and thread, handles inherited, no creation flags, the
  // installer's environment and current directory, and a STARTUPINFOA that is zero but for its
  // size and wShowWindow SW_SHOWDEFAULT (its flags stay 0). The thread handle is closed at once.
  virtual bool StartProgram(const char* program, Handle* process) = 0;
  // CreateProcessA of a program with a hidden main window (STARTF_USESHOWWINDOW, SW_HIDE) and
  // otherwise default parameters; the thread handle is closed at once.
  virtual bool StartHiddenProgram(const char* program, Handle* process) = 0;
  // WaitForSingleObject on the process with the time-out.
  virtual WaitResult WaitForProgram(Handle process, unsigned milliseconds) = 0;
  virtual void CloseProgram(Handle process) = 0;
  // The system error number of the last failed start.
  virtual unsigned LastError() = 0;
};

#endif
