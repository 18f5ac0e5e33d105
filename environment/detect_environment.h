#ifndef ENVIRONMENT_DETECT_ENVIRONMENT_H
#define ENVIRONMENT_DETECT_ENVIRONMENT_H

#include "environment/classify.h"

class DialogView;
class ProcessRunner;
class SystemInfo;

// The running system as the setup dialog holds it, set once at start-up.
struct SetupEnvironment {
  int os_version_code = 0;
  int ui_language = kUiEnglish;
  int os_family = kFamilyNone;
  int architecture = kArchitectureX86;
};

// Classifies the running system into *environment and shows its display name in edit 1000.
// A refused Windows version gets its message and a close request, and detection goes on; an
// unsupported processor gets its message and ends the process with status 0, and this returns
// false (the in-memory process runner returns from the exit, so callers must stop).
bool DetectEnvironment(SystemInfo& system, ProcessRunner& processes, DialogView& view,
                       SetupEnvironment* environment);

#endif
