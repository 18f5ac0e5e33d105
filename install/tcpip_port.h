#ifndef INSTALL_TCPIP_PORT_H
#define INSTALL_TCPIP_PORT_H

#include "install/install_context.h"

// What the port stage read and formed, for the printer registration.
struct PortChoice {
  Text address;    // the address text as read after the package ran
  Text port_name;  // "IP_" followed by the address, formed whether or not a port is wanted
};

// Asks the Standard TCP/IP port monitor for a raw port on 9100 of the address when an address
// is given and the TCP/IP box is checked. Nothing here is reported: whether the port exists
// afterwards is not examined, and the printer is added on its name all the same.
PortChoice CreateTcpIpPort(InstallContext& context);

#endif
