#ifndef INSTALL_REGISTRATION_H
#define INSTALL_REGISTRATION_H

#include "install/install_context.h"
#include "install/staging.h"
#include "install/tcpip_port.h"

struct RegistrationInput {
  int driver_version;
  const char* environment;
  DriverFileNames names;
  PortChoice port;
  uint32_t printer_attributes;
};

// Registers the driver, adds the printer, sets the default printer when asked, reports success,
// opens the printer folder when asked and closes the dialog. A refused driver or printer is
// reported and leaves the dialog open.
void RegisterDriverAndPrinter(InstallContext& context, const RegistrationInput& input);

// The printer's port: the TCP/IP port exactly when the port stage asked for one.
Text ChoosePort(InstallContext& context, const PortChoice& port);

#endif
