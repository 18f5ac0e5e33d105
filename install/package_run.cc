#include "install/package_run.h"

#include "install/install_messages.h"
#include "platform/disk.h"
#include "platform/message_box.h"
#include "platform/processes.h"
#include "platform/system_info.h"

namespace {
const int kPathBuffer = 250;
const unsigned kPollMilliseconds = 100;
}  // namespace

Text TemporaryFolder(const InstallContext& context) {
  return context.platform.system->TempPath(kPathBuffer);
}

bool RunPackage(InstallContext& context, const Text& package_file, const Text& package_copy_name) {
  ProcessRunner& processes = *context.platform.processes;
  Text package_copy = TemporaryFolder(context) + package_copy_name;
  // Not examined: a failed copy shows up as a failed start, or runs the copy an earlier run left.
  context.platform.disk->CopyFile(package_file.c_str(), package_copy.c_str());

  ProcessRunner::Handle process = nullptr;
  if (!processes.StartProgram(package_copy.c_str(), &process)) {
    Text message = Text(kCreateProcessFailed) + Text::Format("%u", processes.LastError());
    context.view.MessageBox(message.c_str(), nullptr, kMbOk);
    return false;
  }
  // The dialog neither repaints nor reacts while the package runs: only the package's own
  // windows take input, so the user cannot start a second command meanwhile.
  ProcessRunner::WaitResult result;
  do {
    result = processes.WaitForProgram(process, kPollMilliseconds);
  } while (result == ProcessRunner::kWaitTimedOut);
  processes.CloseProgram(process);
  if (result == ProcessRunner::kWaitFailed) {
    context.view.MessageBox(kWaitFailed, nullptr, kMbOk);
    return false;
  }
  return true;
}
