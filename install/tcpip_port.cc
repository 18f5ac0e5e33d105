#include "install/tcpip_port.h"

#include "install/records.h"
#include "platform/spooler.h"
#include "platform/system_info.h"

namespace {
const char kPortMonitor[] = ",XcvMonitor Standard TCP/IP Port";
const char kSnmpCommunity[] = "public";
// The address has at most 29 characters, so the port name at most 32; these buffers hold both
// with room to spare.
enum { kWideBuffer = 64 };
}  // namespace

PortChoice CreateTcpIpPort(InstallContext& context) {
  PortChoice choice;
  choice.address = context.view.GetText(kInstallAddress, kAddressBuffer);
  bool wanted = !IsBlankAddress(choice.address) && context.view.GetCheck(kInstallCheckTcpIp);
  choice.port_name = "IP_" + choice.address;
  if (!wanted) return choice;

  SystemInfo& system = *context.platform.system;
  uint16_t port_name[kWideBuffer] = {0}, host[kWideBuffer] = {0}, community[kWideBuffer] = {0};
  system.AnsiToUtf16(choice.port_name.c_str(), port_name, kWideBuffer);
  system.AnsiToUtf16(choice.address.c_str(), host, kWideBuffer);
  system.AnsiToUtf16(kSnmpCommunity, community, kWideBuffer);
  uint8_t record[kPortData1Size];
  BuildPortData1(port_name, host, community, record);
  uint8_t output[kPortData1Size] = {0};

  Spooler& spooler = *context.platform.spooler;
  Spooler::Handle monitor = nullptr;
  if (!spooler.OpenPrinter(kPortMonitor, kServerAccessAdminister, &monitor)) return choice;
  uint32_t needed = 0, status = 0;
  spooler.XcvData(monitor, "AddPort", record, kPortData1Size, output, kPortData1Size, &needed,
                  &status);
  spooler.ClosePrinter(monitor);
  return choice;
}
