#ifndef ENVIRONMENT_PATHS_H
#define ENVIRONMENT_PATHS_H

#include "platform/text.h"

// The text before the last backslash of path. A backslash in the first position is never
// found, so "\INSTALL.EXE" and "INSTALL.EXE" both give the empty text.
Text FolderOfPath(const Text& path);

// The text before the last dot of path (found at the second character or later), followed by
// extension. Without such a dot the result is the extension alone.
Text ReplaceExtension(const Text& path, const char* extension);

#endif
