#include "install/install_command.h"

#include "environment/classify.h"
#include "environment/paths.h"
#include "install/install_messages.h"
#include "install/package_run.h"
#include "install/registration.h"
#include "install/staging.h"
#include "install/tcpip_port.h"
#include "platform/disk.h"
#include "platform/message_box.h"
#include "platform/spooler.h"

namespace {
const uint32_t kPrinterAttributeDefault = 4;  // PRINTER_ATTRIBUTE_DEFAULT

bool IsKorean(const InstallContext& context) {
  return context.environment.ui_language == kUiKorean;
}

bool AskYesNo(InstallContext& context, const UiText& question) {
  int answer = context.view.MessageBox(question.For(context.environment.ui_language),
                                       context.model_name.c_str(), kMbYesNo | kMbIconQuestion);
  return answer == kIdYes;
}

// The Korean cancel message carries the model name as caption, the English one the title.
void ShowCanceled(InstallContext& context) {
  context.view.MessageBox(kInstallCanceled.For(context.environment.ui_language),
                          IsKorean(context) ? context.model_name.c_str() : nullptr, kMbOk);
}

// A printer already bearing the model's name is replaced only when the user agrees. A printer
// that cannot be opened with full access counts as absent.
bool ReplaceExistingPrinter(InstallContext& context) {
  Spooler& spooler = *context.platform.spooler;
  Spooler::Handle printer = nullptr;
  if (!spooler.OpenPrinter(context.model_name.c_str(), kPrinterAllAccess, &printer)) return true;
  bool go_on = false;
  if (!AskYesNo(context, kReplacePrinter)) {
    ShowCanceled(context);
  } else if (!spooler.DeletePrinter(printer)) {
    Text message = Text::Format(kCannotDeleteFormat, spooler.LastError());
    context.view.MessageBox(message.c_str(), nullptr, kMbOk);
  } else {
    go_on = true;
  }
  spooler.ClosePrinter(printer);
  return go_on;
}

// With the TCP/IP box checked but no address, the printer goes on LPT1: if the user agrees.
bool ConfirmAddressChoice(InstallContext& context) {
  Text address = context.view.GetText(kInstallAddress, kAddressBuffer);
  if (!IsBlankAddress(address) || !context.view.GetCheck(kInstallCheckTcpIp)) return true;
  if (AskYesNo(context, kBlankAddressQuestion)) return true;
  ShowCanceled(context);
  return false;
}
}  // namespace

void RunInstallCommand(InstallContext& context) {
  const SetupEnvironment& environment = context.environment;
  InstallSection section = SelectInstallSection(environment.ui_language, environment.os_family,
                                                environment.architecture);
  Text package_file = context.profile.ReadProfileString(section.section, "CopyInstallFile", nullptr);
  Text package_copy_name = ReplaceExtension(package_file, ".exe");

  if (!context.platform.disk->CanOpenForReading(package_file.c_str())) {
    context.view.FrameworkMessageBox(kPackageMissing, kMbOk);
    return;
  }
  if (!ReplaceExistingPrinter(context)) return;
  if (!ConfirmAddressChoice(context)) return;
  // Fixed before the package runs; the package's own windows may take the user's attention.
  uint32_t attributes = context.view.GetCheck(kInstallCheckDefault) ? kPrinterAttributeDefault : 0;

  if (!RunPackage(context, package_file, package_copy_name)) return;
  StagingResult staged = StageDriverFiles(context, section.section);
  RegistrationInput input;
  input.driver_version = section.driver_version;
  input.environment = SpoolerEnvironmentFor(environment.os_family, environment.architecture);
  input.names = ReadDriverFileNames(context, section.section);
  RemoveOldDataFile(context, staged.driver_directory, input.names.data_file);
  input.port = CreateTcpIpPort(context);
  input.printer_attributes = attributes;
  RegisterDriverAndPrinter(context, input);
}
