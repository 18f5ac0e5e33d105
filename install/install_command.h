#ifndef INSTALL_INSTALL_COMMAND_H
#define INSTALL_INSTALL_COMMAND_H

#include "install/install_context.h"

// The Install command, from the package test to the added printer. Each failure shows its
// message and leaves the dialog open; nothing already done is undone. Success closes the dialog.
void RunInstallCommand(InstallContext& context);

#endif
