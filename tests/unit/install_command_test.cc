// The Install command from the button to the added printer, on the in-memory platform: every
// question, message and stop, and what each leaves behind.
#include <gtest/gtest.h>

#include "install/records.h"
#include "platform/message_box.h"
#include "platform/processes.h"
#include "tests/unit/install_fixture.h"

namespace {

using InstallCommand = InstallFixture;

TEST_F(InstallCommand, EnglishWindows7InstallsDriverAndPrinterOnLpt1) {
  MemoryView& v = Install();
  EXPECT_EQ(std::vector<Text>{"C:\\TEMP\\Win7V.exe"}, processes.programs);
  EXPECT_TRUE(disk.Exists("C:\\TEMP\\Win7V.exe"));
  EXPECT_EQ(100u, processes.last_wait_ms);
  EXPECT_EQ(1, processes.closed);
  EXPECT_EQ(Text("driver"), disk.Contents((spooler.driver_directory + "\\DEMODRV.DLL").c_str()));
  EXPECT_EQ(Text("data"), disk.Contents((spooler.driver_directory + "\\DEMO.PPD").c_str()));

  ASSERT_EQ(1u, spooler.drivers.size());
  const MemorySpooler::Driver& d = spooler.drivers[0];
  EXPECT_EQ(3u, d.version);
  EXPECT_EQ("Demo 100", d.name);
  EXPECT_EQ("Windows NT x86", d.environment);
  EXPECT_EQ("DEMODRV.DLL", d.driver_path);
  EXPECT_EQ("DEMO.PPD", d.data_file);
  EXPECT_EQ("DEMOUI.DLL", d.config_file);
  EXPECT_EQ("DEMO.HLP", d.help_file);
  EXPECT_EQ((std::vector<std::string>{"DEMO.PPD", "DEMOUI.DLL"}), d.dependent_files);
  EXPECT_EQ("RAW", d.default_data_type);

  ASSERT_EQ(1u, spooler.printers.count("Demo 100"));
  const MemorySpooler::Printer& p = spooler.printers["Demo 100"];
  EXPECT_EQ("LPT1:", p.port);
  EXPECT_EQ("Demo 100", p.driver);
  EXPECT_EQ("WinPrint", p.print_processor);
  EXPECT_EQ("RAW", p.data_type);
  EXPECT_EQ(4u, p.attributes);
  EXPECT_EQ(1u, p.priority);
  EXPECT_EQ(0u, p.default_priority);
  uint8_t devmode[kDevModeSize];
  BuildDevMode("Demo 100", devmode);
  EXPECT_EQ(std::vector<uint8_t>(devmode, devmode + kDevModeSize), p.devmode);

  EXPECT_EQ("Demo 100,Demo 100,LPT1:", spooler.device_entry);
  EXPECT_EQ(1, spooler.broadcasts);
  EXPECT_TRUE(spooler.ports.empty());
  EXPECT_EQ(0, spooler.open_handles);

  ASSERT_EQ(1u, v.messages().size());
  EXPECT_EQ(Text("Sucessfully install completed"), Message(0).text);
  EXPECT_EQ(Text("Demo 100"), Message(0).caption);
  EXPECT_EQ(unsigned(kMbOk), Message(0).type);
  EXPECT_FALSE(v.IsShown(1007));
  EXPECT_EQ((std::vector<int>{0, 50}), v.Find(1007)->progress_history);
  ASSERT_EQ(1u, processes.started.size());
  EXPECT_EQ(Text("control.exe printers"), processes.started[0].command_line);
  EXPECT_EQ(kShowShow, processes.started[0].show);
  EXPECT_TRUE(dialog->ended());
}

TEST_F(InstallCommand, SectionEnvironmentAndVersionFollowTheRunningSystem) {
  const struct {
    uint32_t platform, major, minor;
    uint16_t language, architecture;
    const char* package_copy;
    const char* environment;
    uint32_t version;
    bool default_entry;
  } cases[] = {
      {1, 4, 10, 0x0409, 0, "C:\\TEMP\\Win95.exe", "Windows 4.0", 0, false},
      {1, 4, 90, 0x0412, 9, "C:\\TEMP\\Hwin95.exe", "Windows 4.0", 0, false},
      {2, 4, 0, 0x0412, 0, "C:\\TEMP\\NT40H.exe", "Windows NT x86", 2, true},
      {2, 5, 1, 0x0412, 0, "C:\\TEMP\\Hwin2K.exe", "Windows NT x86", 3, true},
      {2, 5, 2, 0x0409, 9, "C:\\TEMP\\Win2K.exe", "Windows x64", 3, true},
      {2, 6, 0, 0x0412, 0, "C:\\TEMP\\Hwin7V.exe", "Windows NT x86", 3, true},
      {2, 6, 1, 0x0409, 9, "C:\\TEMP\\E64.exe", "Windows x64", 3, true},
      {2, 6, 1, 0x0412, 9, "C:\\TEMP\\H64.exe", "Windows x64", 3, true},
  };
  for (const auto& c : cases) {
    system.SetVersion(c.platform, c.major, c.minor, "");
    system.language = c.language;
    system.architecture = c.architecture;
    processes.programs.clear();
    spooler.drivers.clear();
    spooler.device_entry.clear();
    dialog.reset();
    Install();
    ASSERT_EQ(1u, processes.programs.size()) << c.package_copy;
    EXPECT_EQ(Text(c.package_copy), processes.programs[0]);
    ASSERT_EQ(1u, spooler.drivers.size()) << c.package_copy;
    EXPECT_EQ(c.environment, spooler.drivers[0].environment) << c.package_copy;
    EXPECT_EQ(c.version, spooler.drivers[0].version) << c.package_copy;
    EXPECT_EQ(c.default_entry, !spooler.device_entry.empty()) << c.package_copy;
    EXPECT_EQ(4u, spooler.printers.begin()->second.attributes);
    EXPECT_TRUE(dialog->ended());
  }
}

TEST_F(InstallCommand, NoPackageForTheSystemStopsAtOnce) {
  const struct {
    uint32_t platform, major, minor;
    uint16_t architecture;
    bool remove_package;
  } cases[] = {
      {2, 6, 2, 0, false},  // a version outside the table has no section
      {2, 6, 1, 0, true},   // the section's package is missing
  };
  for (const auto& c : cases) {
    system.SetVersion(c.platform, c.major, c.minor, "");
    system.architecture = c.architecture;
    if (c.remove_package) disk.Remove("C:\\SETUP\\Win7V.drv");
    dialog.reset();
    MemoryView& v = Install();
    ASSERT_EQ(1u, v.messages().size());
    EXPECT_EQ(MessageBoxKind::kFramework, Message(0).kind);
    EXPECT_EQ(Text("Driver dosen't match your OS version."), Message(0).text);
    EXPECT_EQ(Text("Install"), Message(0).caption);
    EXPECT_EQ(unsigned(kMbOk | kMbIconExclamation), Message(0).type);
    EXPECT_TRUE(spooler.calls.empty());
    EXPECT_TRUE(processes.programs.empty());
    EXPECT_FALSE(dialog->ended());
  }
}

TEST_F(InstallCommand, ExistingPrinterIsReplacedOnlyWhenTheUserAgrees) {
  const struct {
    uint16_t language;
    int answer;
    unsigned delete_error;
    std::vector<const char*> texts;
    std::vector<const char*> captions;
    bool installed;
  } cases[] = {
      {0x0409, kIdYes, 0,
       {"Already, same driver is installed.\nReplace old driver with new driver?",
        "Sucessfully install completed"},
       {"Demo 100", "Demo 100"}, true},
      {0x0409, kIdNo, 0,
       {"Already, same driver is installed.\nReplace old driver with new driver?",
        "Driver install is canceled."},
       {"Demo 100", "Install"}, false},
      {0x0412, kIdNo, 0,
       {"같은 이름의 드라이버가 이미 설치되어 있습니다..\n기존 드라이버를 삭제하시겠습니까?",
        "드라이버 설치가 취소되었습니다."},
       {"데모 100", "데모 100"}, false},
      {0x0409, kIdCancel, 0,  // anything but Yes counts as No
       {"Already, same driver is installed.\nReplace old driver with new driver?",
        "Driver install is canceled."},
       {"Demo 100", "Install"}, false},
      {0x0409, kIdYes, 5,
       {"Already, same driver is installed.\nReplace old driver with new driver?",
        "Can't delete driver (Error No. 5)"},
       {"Demo 100", "Install"}, false},
  };
  for (const auto& c : cases) {
    system.language = c.language;
    const char* model = c.language == 0x0412 ? "데모 100" : "Demo 100";
    spooler.printers.clear();
    spooler.printers[model] = MemorySpooler::Printer{model, "LPT2:", "old", "RAW", "WinPrint", 0, 1, 0, {}};
    spooler.drivers.clear();
    processes.programs.clear();
    if (c.delete_error) spooler.FailNext(MemorySpooler::kDelete, c.delete_error);
    dialog.reset();
    Start();
    view().AnswerNext(c.answer);
    MemoryView& v = Install();
    ASSERT_EQ(c.texts.size(), v.messages().size()) << c.answer;
    for (size_t i = 0; i < c.texts.size(); ++i) {
      EXPECT_EQ(Text(c.texts[i]), Message(i).text);
      EXPECT_EQ(Text(c.captions[i]), Message(i).caption);
    }
    EXPECT_EQ(unsigned(kMbYesNo | kMbIconQuestion), Message(0).type);
    EXPECT_EQ(unsigned(kMbOk), Message(1).type);
    EXPECT_EQ(0, spooler.open_handles);
    EXPECT_EQ(c.installed, dialog->ended());
    if (c.installed) {
      EXPECT_EQ("LPT1:", spooler.printers[model].port);
    } else {
      EXPECT_TRUE(spooler.drivers.empty());
      EXPECT_EQ(1u, spooler.printers.count(model));  // the old printer remains
      EXPECT_TRUE(processes.programs.empty());
    }
  }
}

TEST_F(InstallCommand, SecondRunAfterAFailedOneDoesNotAskAgain) {
  spooler.printers["Demo 100"] = MemorySpooler::Printer{"Demo 100", "LPT1:", "old", "RAW", "WinPrint", 0, 1, 0, {}};
  spooler.FailNext(MemorySpooler::kAddPrinter, 87);
  MemoryView& v = Install();
  EXPECT_EQ(0u, spooler.printers.count("Demo 100"));  // deleted in the first run
  EXPECT_FALSE(dialog->ended());
  v.ClearMessages();
  Click(*dialog, 1);
  ASSERT_EQ(1u, v.messages().size());
  EXPECT_EQ(Text("Sucessfully install completed"), Message(0).text);
}

TEST_F(InstallCommand, AddressAndTcpIpBoxChooseThePort) {
  const struct {
    const char* address;
    int tcpip;
    int answer;  // to the blank-address question, when asked
    bool asked;
    const char* port;  // null: no printer added
    bool requested;
  } cases[] = {
      {"10.0.0.5", 1, 0, false, "IP_10.0.0.5", true},
      {"10.0.0.5", 0, 0, false, "LPT1:", false},
      {"", 1, kIdYes, true, "LPT1:", false},
      {"0.1.2.3", 1, kIdYes, true, "LPT1:", false},
      {"", 1, kIdNo, true, nullptr, false},
      {"", 0, 0, false, "LPT1:", false},
      {"192.168.100.200", 1, 0, false, "IP_192.168.100.200", true},
  };
  for (const auto& c : cases) {
    spooler.printers.clear();
    spooler.ports.clear();
    spooler.xcv_calls.clear();
    processes.programs.clear();
    dialog.reset();
    MemoryView& v = Start();
    v.SetText(1034, c.address);
    v.SetCheck(1006, c.tcpip);
    if (c.answer) v.AnswerNext(c.answer);
    Install();
    bool asked = !v.messages().empty() && v.messages()[0].type == unsigned(kMbYesNo | kMbIconQuestion);
    EXPECT_EQ(c.asked, asked) << c.address;
    if (asked) {
      EXPECT_EQ(Text("Although TCP/IP port is checked, you don't write down IP Address\n\nSo LTP "
                     "port is set up automatically. Do you want to continue?"),
                Message(0).text);
      EXPECT_EQ(Text("Demo 100"), Message(0).caption);
    }
    if (c.port) {
      ASSERT_EQ(1u, spooler.printers.count("Demo 100")) << c.address;
      EXPECT_EQ(c.port, spooler.printers["Demo 100"].port) << c.address;
    } else {
      EXPECT_TRUE(spooler.printers.empty());
      EXPECT_TRUE(processes.programs.empty());  // stopped before the package ran
      EXPECT_EQ(Text("Driver install is canceled."), Message(1).text);
      EXPECT_EQ(Text("Install"), Message(1).caption);
    }
    EXPECT_EQ(c.requested ? 1u : 0u, spooler.xcv_calls.size()) << c.address;
    if (c.requested) {
      EXPECT_EQ("AddPort", spooler.xcv_calls[0].command);
      EXPECT_EQ(964u, spooler.xcv_calls[0].input.size());
      EXPECT_EQ(964u, spooler.xcv_calls[0].output_size);
      std::u16string port, host, community = u"public";
      for (const char* p = c.port; *p; ++p) port += char16_t(*p);
      for (const char* p = c.address; *p; ++p) host += char16_t(*p);
      uint8_t expected[kPortData1Size];
      BuildPortData1(reinterpret_cast<const uint16_t*>(port.c_str()),
                     reinterpret_cast<const uint16_t*>(host.c_str()),
                     reinterpret_cast<const uint16_t*>(community.c_str()), expected);
      EXPECT_EQ(std::vector<uint8_t>(expected, expected + kPortData1Size), spooler.xcv_calls[0].input);
      EXPECT_EQ(c.port, spooler.ports[0]);
    }
  }
}

TEST_F(InstallCommand, WithoutTheTcpIpMonitorThePrinterStillNamesThePort) {
  spooler.has_tcpip_monitor = false;
  Start();
  view().SetText(1034, "10.0.0.5");
  view().SetCheck(1006, 1);
  MemoryView& v = Install();
  EXPECT_TRUE(spooler.xcv_calls.empty());
  EXPECT_EQ("IP_10.0.0.5", spooler.printers["Demo 100"].port);
  ASSERT_EQ(1u, v.messages().size());  // nothing reported about the port
  EXPECT_TRUE(dialog->ended());
}

TEST_F(InstallCommand, PackageStartAndWaitFailuresStopWithTheirMessages) {
  const struct {
    unsigned start_error;
    bool remove_package_copy_source;
    bool wait_fails;
    const char* text;
  } cases[] = {
      {193, false, false, "CreateProcess() failed: 193"},
      {0, true, false, "CreateProcess() failed: 2"},
      {0, false, true, "WaitForSingleObject() failed"},
  };
  for (const auto& c : cases) {
    processes.start_error = c.start_error;
    processes.waits.clear();
    if (c.wait_fails) {
      processes.waits = {ProcessRunner::kWaitTimedOut, ProcessRunner::kWaitTimedOut,
                         ProcessRunner::kWaitFailed};
    }
    // The copy fails and no earlier copy is there: the start itself fails.
    if (c.remove_package_copy_source) {
      disk.FailNext(MemoryDisk::kCopy, 5);
      disk.Remove("C:\\TEMP\\Win7V.exe");
    }
    dialog.reset();
    MemoryView& v = Install();
    ASSERT_EQ(1u, v.messages().size()) << c.text;
    EXPECT_EQ(Text(c.text), Message(0).text);
    EXPECT_EQ(Text("Install"), Message(0).caption);
    EXPECT_EQ(MessageBoxKind::kDialog, Message(0).kind);
    EXPECT_EQ(unsigned(kMbOk), Message(0).type);
    EXPECT_TRUE(spooler.drivers.empty());
    EXPECT_FALSE(v.IsShown(1007));
    EXPECT_FALSE(dialog->ended());
  }
  EXPECT_EQ(3, processes.wait_calls);
}

TEST_F(InstallCommand, RefusedDriverOrPrinterIsReportedAndLeavesTheDialogOpen) {
  const struct {
    MemorySpooler::Operation operation;
    uint16_t language;
    std::vector<const char*> texts;
    MessageBoxKind kind;
    size_t drivers;
  } cases[] = {
      {MemorySpooler::kAddDriver, 0x0409, {"Install Printer Driver error...\n\nError Code (1797)"},
       MessageBoxKind::kFramework, 0},
      {MemorySpooler::kAddPrinter, 0x0409, {"Error Code (87)", "Driver install is canceled."},
       MessageBoxKind::kDialog, 1},
      {MemorySpooler::kAddPrinter, 0x0412, {"Error Code (87)", "드라이버 설치가 취소되었습니다."},
       MessageBoxKind::kDialog, 1},
  };
  for (const auto& c : cases) {
    system.language = c.language;
    spooler.drivers.clear();
    spooler.FailNext(c.operation, c.operation == MemorySpooler::kAddDriver ? 1797 : 87);
    dialog.reset();
    MemoryView& v = Install();
    ASSERT_EQ(c.texts.size(), v.messages().size());
    for (size_t i = 0; i < c.texts.size(); ++i) {
      EXPECT_EQ(Text(c.texts[i]), Message(i).text);
      EXPECT_EQ(Text("Install"), Message(i).caption);  // the title in both languages
      EXPECT_EQ(c.kind, Message(i).kind);
    }
    EXPECT_EQ(c.drivers, spooler.drivers.size());
    EXPECT_TRUE(spooler.printers.empty());
    EXPECT_TRUE(spooler.device_entry.empty());
    EXPECT_FALSE(v.IsShown(1007));
    EXPECT_FALSE(dialog->ended());
    EXPECT_TRUE(processes.started.empty());
  }
}

TEST_F(InstallCommand, DefaultPrinterAndFolderChoices) {
  const struct {
    uint32_t platform, major, minor;
    int default_box, folder_box;
    uint32_t attributes;
    bool entry;
    size_t started;
  } cases[] = {
      {2, 6, 1, 1, 1, 4, true, 1},  {2, 6, 1, 0, 1, 0, false, 1}, {2, 5, 1, 1, 0, 4, true, 0},
      {1, 4, 10, 1, 1, 4, false, 1}, {1, 4, 10, 0, 0, 0, false, 0},
  };
  for (const auto& c : cases) {
    system.SetVersion(c.platform, c.major, c.minor, "");
    spooler.printers.clear();
    spooler.device_entry.clear();
    spooler.broadcasts = 0;
    processes.started.clear();
    dialog.reset();
    MemoryView& v = Start();
    v.SetCheck(1002, c.default_box);
    v.SetCheck(1003, c.folder_box);
    Install();
    EXPECT_EQ(c.attributes, spooler.printers["Demo 100"].attributes);
    EXPECT_EQ(c.entry, !spooler.device_entry.empty());
    EXPECT_EQ(c.entry ? 1 : 0, spooler.broadcasts);
    EXPECT_EQ(c.started, processes.started.size());
    EXPECT_TRUE(dialog->ended());  // closes with or without the folder
  }
}

TEST_F(InstallCommand, DefaultEntryNamesLpt1EvenOnATcpIpPort) {
  system.SetVersion(2, 5, 1, "");
  Start();
  view().SetText(1034, "10.1.1.1");
  view().SetCheck(1006, 1);
  Install();
  EXPECT_EQ("IP_10.1.1.1", spooler.printers["Demo 100"].port);
  EXPECT_EQ("Demo 100,Demo 100,LPT1:", spooler.device_entry);
}

}  // namespace
