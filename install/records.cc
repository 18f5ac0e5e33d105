#include "install/records.h"

#include <string.h>

namespace {
void Put16(uint8_t* record, int offset, uint16_t value) {
  record[offset] = static_cast<uint8_t>(value);
  record[offset + 1] = static_cast<uint8_t>(value >> 8);
}

void Put32(uint8_t* record, int offset, uint32_t value) {
  Put16(record, offset, static_cast<uint16_t>(value));
  Put16(record, offset + 2, static_cast<uint16_t>(value >> 16));
}

// Copies a UTF-16 string with its NUL into a field of `characters` characters.
void PutWide(uint8_t* record, int offset, int characters, const uint16_t* text) {
  for (int i = 0; i < characters - 1 && text[i] != 0; ++i) Put16(record, offset + 2 * i, text[i]);
}

// PORT_DATA_1 layout.
enum {
  kPortName = 0,            // 64 characters
  kVersion = 128,
  kProtocol = 132,
  kSize = 136,
  kReserved = 140,
  kHostAddress = 144,       // 49 characters
  kSnmpCommunity = 242,     // 33 characters
  kDoubleSpool = 308,
  kQueue = 312,             // 33 characters, empty
  kIpAddress = 378,         // 16 characters, empty
  kPortNumber = 952,
  kSnmpEnabled = 956,
  kSnmpDevIndex = 960,
};
const uint32_t kProtocolRawTcp = 1;
const uint32_t kRawPrintingPort = 9100;

// DEVMODEA layout up to dmReserved2.
enum {
  kDeviceName = 0,  // 32 bytes
  kSpecVersion = 32,
  kDriverVersion = 34,
  kDmSize = 36,
  kDriverExtra = 38,
  kFields = 40,
  kOrientation = 44,
  kPaperSize = 46,
  kPaperLength = 48,
  kPaperWidth = 50,
  kScale = 52,
  kCopies = 54,
  kDefaultSource = 56,
  kPrintQuality = 58,
  kColor = 60,
  kDuplex = 62,
  kYResolution = 64,
  kTTOption = 66,
  kCollate = 68,
  kFormName = 70,  // 32 bytes, empty
  kLogPixels = 102,
  kBitsPerPel = 104,
};
const int kDeviceNameField = 32;
}  // namespace

void BuildPortData1(const uint16_t* port_name, const uint16_t* host_address,
                    const uint16_t* snmp_community, uint8_t record[kPortData1Size]) {
  memset(record, 0, kPortData1Size);
  PutWide(record, kPortName, 64, port_name);
  Put32(record, kVersion, 1);
  Put32(record, kProtocol, kProtocolRawTcp);
  Put32(record, kSize, kPortData1Size);
  Put32(record, kReserved, 0);
  PutWide(record, kHostAddress, 49, host_address);
  PutWide(record, kSnmpCommunity, 33, snmp_community);
  Put32(record, kDoubleSpool, 0);
  Put32(record, kPortNumber, kRawPrintingPort);
  Put32(record, kSnmpEnabled, 0);
  Put32(record, kSnmpDevIndex, 1);
}

// dmFields stays 0 although the values are filled in: the printer takes them as its defaults
// without the fields being flagged, and dmSpecVersion 0 marks the record as the short form.
void BuildDevMode(const Text& device_name, uint8_t record[kDevModeSize]) {
  memset(record, 0, kDevModeSize);
  size_t name_bytes = device_name.size() < kDeviceNameField - 1 ? device_name.size()
                                                                 : kDeviceNameField - 1;
  memcpy(record + kDeviceName, device_name.c_str(), name_bytes);
  Put16(record, kSpecVersion, 0);
  Put16(record, kDriverVersion, 0);
  Put16(record, kDmSize, kDevModeSize);
  Put16(record, kDriverExtra, 0);
  Put32(record, kFields, 0);
  Put16(record, kOrientation, 1);                            // DMORIENT_PORTRAIT
  Put16(record, kPaperSize, 9);                              // DMPAPER_A4
  Put16(record, kScale, 100);
  Put16(record, kCopies, 1);
  Put16(record, kPrintQuality, static_cast<uint16_t>(-4));  // DMRES_HIGH
  Put16(record, kColor, 1);                                  // DMCOLOR_MONOCHROME
  Put16(record, kYResolution, 600);
  Put16(record, kTTOption, 2);                               // DMTT_DOWNLOAD
  Put16(record, kLogPixels, 600);
  Put32(record, kBitsPerPel, 1);
}
