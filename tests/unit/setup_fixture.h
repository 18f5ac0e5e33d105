#ifndef TESTS_UNIT_SETUP_FIXTURE_H
#define TESTS_UNIT_SETUP_FIXTURE_H

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "dialog/setup_app.h"
#include "dialog/setup_dialog.h"
#include "platform/memory/memory_disk.h"
#include "platform/memory/memory_system.h"
#include "platform/memory/memory_view.h"
#include "platform/memory/profile_store.h"
#include "platform/platform.h"
#include "tests/unit/text_printer.h"

// A setup dialog on the in-memory platform: English Windows 7 on x86, the program in C:\SETUP
// beside SETUP.INI and MakeDisk.INI, started with C:\SETUP as its current directory.
class SetupFixture : public ::testing::Test {
 protected:
  // Records the commands that reach the routing table.
  class RecordingDialog : public SetupDialog {
   public:
    using SetupDialog::SetupDialog;
    std::vector<int> commands;

   protected:
    bool OnCommand(int id, int code) override {
      if (code == kBnClicked) commands.push_back(id);
      return SetupDialog::OnCommand(id, code);
    }
  };

  SetupFixture() : profiles(disk), platform{&system, &disk, &processes, &profiles}, app(platform) {
    app.SetTitle("Install");
    disk.SetCurrentDirectory("C:\\SETUP");
    disk.AddFile("C:\\SETUP\\Install.exe", "MZ");
    disk.AddFile("C:\\SETUP\\MakeDisk.INI", "[Win95e]\r\nInstallFile=Win95.drv\r\n");
    disk.AddFile("C:\\SETUP\\SETUP.INI",
                 "[MODEL]\r\nModelName=데모 프린터 100\r\nEnglishModelName=Demo Printer 100\r\n");
  }

  void UseKorean() { system.language = 0x0412; }

  // Creates the dialog and runs its initialisation and whatever it queued.
  MemoryView& Start() {
    dialog.reset(new RecordingDialog(platform));
    dialog->DoModal();
    return MemoryViewOf(*dialog);
  }

  MemoryView& view() { return MemoryViewOf(*dialog); }

  MemorySystem system;
  MemoryDisk disk;
  MemoryProcesses processes;
  StoredProfileFiles profiles;
  Platform platform;
  SetupApp app;
  std::unique_ptr<RecordingDialog> dialog;
};

#endif
