#ifndef PLATFORM_PROCESSES_H
#define PLATFORM_PROCESSES_H

#include "platform/text.h"

// Show states the program passes (ShowWindow values).
enum { kShowHide = 0, kShowNormal = 1, kShowShow = 5, kShowDefault = 10 };

// Starting other programs and ending this one.
class ProcessRunner {
 public:
  virtual ~ProcessRunner() {}
  // WinExec: starts a command line without waiting; returns what WinExec returns (> 31 is success).
  virtual unsigned StartCommand(const char* command_line, int show) = 0;
  // Ends the process through the runtime's normal exit. The in-memory substitute records the
  // exit and returns, so callers return right after calling it.
  virtual void ExitProcess(int status) = 0;
};

#endif
