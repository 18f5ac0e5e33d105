#ifndef INSTALL_RECORDS_H
#define INSTALL_RECORDS_H

#include <stdint.h>

#include "platform/text.h"

// Byte-exact records handed to the spooler, little-endian whatever the build machine.

// PORT_DATA_1: the Standard TCP/IP port monitor's "AddPort" request.
enum { kPortData1Size = 964 };
// Strings are UTF-16, NUL-terminated; each is cut to its field if it would not fit.
void BuildPortData1(const uint16_t* port_name, const uint16_t* host_address,
                    const uint16_t* snmp_community, uint8_t record[kPortData1Size]);

// The printer's initial DEVMODEA: the short form that ends after dmReserved2, 148 bytes.
enum { kDevModeSize = 148 };
void BuildDevMode(const Text& device_name, uint8_t record[kDevModeSize]);

#endif
