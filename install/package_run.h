#ifndef INSTALL_PACKAGE_RUN_H
#define INSTALL_PACKAGE_RUN_H

#include "install/install_context.h"

// The temporary folder, as GetTempPathA reports it (it ends with a backslash).
Text TemporaryFolder(const InstallContext& context);

// Copies the package into the temporary folder as a program, runs it and waits for it to end,
// polling every 100 ms without dispatching window messages. A failed start or wait shows its
// message and returns false.
bool RunPackage(InstallContext& context, const Text& package_file, const Text& package_copy_name);

#endif
