#include "install/registration.h"

#include "install/install_messages.h"
#include "install/records.h"
#include "platform/message_box.h"
#include "platform/processes.h"
#include "platform/spooler.h"

namespace {
const uint32_t kPrinterPriority = 1;

bool IsNTFamily(int family) {
  return family == kFamilyNT4 || family == kFamily2000 || family == kFamilyVista;
}

bool RegisterDriver(InstallContext& context, const RegistrationInput& input) {
  DriverInfo3 info;
  info.version = static_cast<uint32_t>(input.driver_version);
  info.name = context.model_name;
  info.environment = input.environment;
  info.driver_path = input.names.driver_file;
  info.data_file = input.names.data_file;
  info.config_file = input.names.config_file;
  info.help_file = input.names.help_file;
  info.dependent_files = input.names.dependent_files;
  info.default_data_type = input.names.data_type;
  Spooler& spooler = *context.platform.spooler;
  if (spooler.AddPrinterDriver(info)) return true;
  Text message = Text::Format(kDriverRefusedFormat, spooler.LastError());
  context.view.FrameworkMessageBox(message.c_str(), kMbOk);
  return false;
}

bool AddPrinter(InstallContext& context, const RegistrationInput& input) {
  uint8_t devmode[kDevModeSize];
  BuildDevMode(context.model_name, devmode);
  PrinterInfo2 info;
  info.printer_name = context.model_name;
  info.port_name = ChoosePort(context, input.port);
  info.driver_name = context.model_name;
  info.devmode = devmode;
  info.print_processor = "WinPrint";
  info.data_type = input.names.data_type;
  info.attributes = input.printer_attributes;
  info.priority = kPrinterPriority;
  info.default_priority = 0;
  Spooler& spooler = *context.platform.spooler;
  if (spooler.AddPrinter(info)) return true;
  Text message = Text::Format(kPrinterRefusedFormat, spooler.LastError());
  context.view.MessageBox(message.c_str(), nullptr, kMbOk);
  context.view.MessageBox(kInstallCanceled.For(context.environment.ui_language), nullptr, kMbOk);
  return false;
}

// Windows 95, 98 and ME take the default printer from the printer's attributes alone.
void SetDefaultPrinter(InstallContext& context) {
  if (!IsNTFamily(context.environment.os_family)) return;
  if (!context.view.GetCheck(kInstallCheckDefault)) return;
  // The third field names LPT1: also for a printer on a TCP/IP port.
  Text entry = context.model_name + "," + context.model_name + ",LPT1:";
  context.platform.spooler->WriteDefaultPrinterEntry(entry.c_str());
  context.platform.spooler->BroadcastIniChange();
}
}  // namespace

Text ChoosePort(InstallContext& context, const PortChoice& port) {
  if (IsBlankAddress(port.address)) return "LPT1:";
  return context.view.GetCheck(kInstallCheckTcpIp) ? port.port_name : Text("LPT1:");
}

void RegisterDriverAndPrinter(InstallContext& context, const RegistrationInput& input) {
  if (!RegisterDriver(context, input) || !AddPrinter(context, input)) {
    context.view.Show(kInstallProgress, false);
    return;
  }
  SetDefaultPrinter(context);
  context.view.Show(kInstallProgress, false);
  context.view.MessageBox(kInstallCompleted.For(context.environment.ui_language),
                          context.model_name.c_str(), kMbOk);
  if (context.view.GetCheck(kInstallCheckOpenFolder)) {
    context.platform.processes->StartCommand("control.exe printers", kShowShow);
  }
  context.view.RequestClose();
}
