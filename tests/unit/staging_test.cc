// The package's files on their way into the driver directory, the driver's file names, and the
// old data file.
#include <gtest/gtest.h>

#include "install/staging.h"
#include "tests/unit/install_fixture.h"

namespace {

using Staging = InstallFixture;

// Replaces the Windows 7 English section with the given keys.
void SetSection(MemoryDisk& disk, const std::string& keys, const char* package = "Win7V.drv") {
  disk.AddFile("C:\\SETUP\\SETUP.INI",
               ("[MODEL]\r\nEnglishModelName=Demo 100\r\n[Win7Ve]\r\nCopyInstallFile=" +
                std::string(package) + "\r\n" + keys).c_str());
}

TEST_F(Staging, DependentFilesAdvanceTheProgressBarWithoutReaching100) {
  const struct {
    const char* keys;
    std::vector<int> positions;
    std::vector<std::string> copied;  // file names that reached the driver directory
  } cases[] = {
      {"DepCount=4\r\nDepFile1=\\A\r\nDepFile2=\\B\r\nDepFile3=\\C\r\nDepFile4=\\D\r\n",
       {0, 25, 50, 75}, {"A", "B", "C", "D"}},
      {"DepCount=0\r\n", {}, {}},
      {"", {}, {}},
      // More numbers than keys: the missing ones are empty and still advance the bar.
      {"DepCount=3\r\nDepFile1=\\A\r\n", {0, 33, 66}, {"A"}},
      // Without a leading backslash the name is glued to the folder name.
      {"DepCount=1\r\nDepFile1=A\r\n", {0}, {}},
      // Subfolders of the package land directly in the driver directory.
      {"DepCount=1\r\nDepFile1=\\x\\y\\C\r\n", {0}, {"C"}},
  };
  for (const auto& c : cases) {
    SetSection(disk, std::string(c.keys) + "DrvFile=A\r\n");
    for (const char* name : {"A", "B", "C", "D"}) {
      disk.AddFile((std::string("C:\\TEMP\\KVERNsetup\\") + name).c_str(), name);
      disk.Remove((spooler.driver_directory + "\\" + name).c_str());
    }
    disk.AddFile("C:\\TEMP\\KVERNsetup\\x\\y\\C", "C");
    dialog.reset();
    MemoryView& v = Install();
    EXPECT_EQ(c.positions, v.Find(1007)->progress_history) << c.keys;
    for (const std::string& name : c.copied) {
      EXPECT_TRUE(disk.Exists((spooler.driver_directory + "\\" + name).c_str())) << c.keys << name;
    }
    EXPECT_EQ(c.copied.size() == 0, !disk.Exists((spooler.driver_directory + "\\A").c_str()) &&
                                        !disk.Exists((spooler.driver_directory + "\\C").c_str()))
        << c.keys;
    EXPECT_TRUE(dialog->ended()) << c.keys;  // staging never stops the command
  }
}

TEST_F(Staging, AFileGluedToTheFolderNameIsLookedForBesideIt) {
  SetSection(disk, "DepCount=1\r\nDepFile1=A.DLL\r\n");
  disk.AddFile("C:\\TEMP\\KVERNsetupA.DLL", "beside");
  Install();
  EXPECT_EQ(Text("beside"),
            disk.Contents((spooler.driver_directory + "\\KVERNsetupA.DLL").c_str()));
}

TEST_F(Staging, LastBackslashSkipsSecondBytesOfDoubleByteCharacters) {
  const struct {
    unsigned code_page;
    Text path;
    int position;
  } cases[] = {
      // In code page 932, 0x83 0x5C is one character whose second byte is a backslash.
      {932, Text("C:\\TEMP\\\x83\x5C.DLL"), 7},
      {1252, Text("C:\\TEMP\\\x83\x5C.DLL"), 9},
      {949, Text("C:\\TEMP\\\xB0\xA1\\\xB3\xAA.DLL"), 10},
      {949, Text("\x81\x5C"), -1},
      {949, Text("NOSLASH"), -1},
      {949, Text("\xB0"), -1},  // a lead byte at the very end stands alone
  };
  for (const auto& c : cases) {
    system.code_page = c.code_page;
    EXPECT_EQ(c.position, LastBackslash(system, c.path)) << c.code_page << " " << c.path.c_str();
  }
}

TEST_F(Staging, DoubleByteFileNameKeepsItsWholeName) {
  system.code_page = 932;
  disk.code_page = 932;
  SetSection(disk, "DepCount=1\r\nDepFile1=\\\x83\x5C.DLL\r\n");
  disk.AddFile("C:\\TEMP\\KVERNsetup\\\x83\x5C.DLL", "sjis");
  Install();
  EXPECT_EQ(Text("sjis"), disk.Contents((spooler.driver_directory + "\\\x83\x5C.DLL").c_str()));
}

TEST_F(Staging, DependentFileListEndsAtTheFirstEmptyName) {
  const struct {
    const char* value;
    std::vector<std::string> names;
  } cases[] = {
      {"A.DLL+B.DLL", {"A.DLL", "B.DLL"}},
      {"A.DLL++B.DLL", {"A.DLL"}},
      {"A.DLL+", {"A.DLL"}},
      {"", {}},
      {"ONE", {"ONE"}},
      {"+A", {}},
  };
  for (const auto& c : cases) {
    SetSection(disk, std::string("DepFile=") + c.value + "\r\n");
    spooler.drivers.clear();
    dialog.reset();
    Install();
    ASSERT_EQ(1u, spooler.drivers.size());
    EXPECT_EQ(c.names, spooler.drivers[0].dependent_files) << c.value;
    // One NUL per "+", one after the last name, and the record's own end.
    Text list = DependentFileList(c.value);
    EXPECT_EQ(strlen(c.value) + 1, list.size()) << c.value;
    EXPECT_EQ('\0', list[list.size() - 1]);
  }
}

TEST_F(Staging, MissingKeysGiveEmptyNamesAndRaw) {
  SetSection(disk, "DatType=\r\n");
  Install();
  ASSERT_EQ(1u, spooler.drivers.size());
  EXPECT_EQ("", spooler.drivers[0].driver_path);
  EXPECT_EQ("", spooler.drivers[0].default_data_type);  // present but empty stays empty

  SetSection(disk, "");
  spooler.drivers.clear();
  spooler.printers.clear();
  dialog.reset();
  Install();
  ASSERT_EQ(1u, spooler.drivers.size());
  EXPECT_EQ("RAW", spooler.drivers[0].default_data_type);
  EXPECT_EQ("RAW", spooler.printers["Demo 100"].data_type);
  EXPECT_EQ("", spooler.drivers[0].config_file);
}

TEST_F(Staging, OldDataFileIsRemovedFromTheVersionSubfolder) {
  const struct {
    uint32_t platform, major, minor;
    const char* removed;  // null: nothing removed
  } cases[] = {
      {1, 4, 10, nullptr},
      {2, 4, 0, "\\2\\DEMO.PPD"},
      {2, 5, 1, "\\3\\DEMO.PPD"},
      {2, 6, 1, "\\3\\DEMO.PPD"},
  };
  for (const auto& c : cases) {
    system.SetVersion(c.platform, c.major, c.minor, "");
    for (const char* sub : {"\\2\\DEMO.PPD", "\\3\\DEMO.PPD"}) {
      disk.AddFile((spooler.driver_directory + sub).c_str(), "old");
    }
    dialog.reset();
    Install();
    for (const char* sub : {"\\2\\DEMO.PPD", "\\3\\DEMO.PPD"}) {
      bool removed = c.removed && std::string(c.removed) == sub;
      EXPECT_EQ(!removed, disk.Exists((spooler.driver_directory + sub).c_str())) << sub;
    }
  }
}

TEST_F(Staging, PackageNamesAreUsedAsWritten) {
  const struct {
    const char* package;
    const char* copy;
    bool started;
  } cases[] = {
      {"PACKAGE", "C:\\TEMP\\.exe", true},
      {"sub\\Win7V.drv", "C:\\TEMP\\sub\\Win7V.exe", false},  // no such folder in the temp folder
      {"A.B.DRV", "C:\\TEMP\\A.B.exe", true},
  };
  for (const auto& c : cases) {
    disk.AddFile((std::string("C:\\SETUP\\") + c.package).c_str(), "MZ");
    SetSection(disk, "", c.package);
    processes.programs.clear();
    spooler.printers.clear();
    dialog.reset();
    MemoryView& v = Install();
    ASSERT_EQ(1u, processes.programs.size());
    EXPECT_EQ(Text(c.copy), processes.programs[0]);
    EXPECT_EQ(c.started, dialog->ended()) << c.package;
    if (!c.started) EXPECT_EQ(Text("CreateProcess() failed: 2"), v.messages().at(0).text);
  }
}

TEST_F(Staging, LongModelNameAndLongAddress) {
  const char forty[] = "Model name of exactly forty bytes ......";
  ASSERT_EQ(40u, strlen(forty));
  disk.AddFile("C:\\SETUP\\SETUP.INI",
               (std::string("[MODEL]\r\nEnglishModelName=") + forty +
                "\r\n[Win7Ve]\r\nCopyInstallFile=Win7V.drv\r\n").c_str());
  Start();
  view().SetText(1034, "123.123.123.123.123.123.123.123");  // longer than the 29 read
  view().SetCheck(1006, 1);
  Install();
  ASSERT_EQ(1u, spooler.printers.count(forty));
  EXPECT_EQ(forty, spooler.drivers.at(0).name);
  EXPECT_EQ(0, memcmp(spooler.printers[forty].devmode.data(), forty, 31));
  EXPECT_EQ(0, spooler.printers[forty].devmode[31]);
  EXPECT_EQ("IP_123.123.123.123.123.123.123.1", spooler.printers[forty].port);
  EXPECT_EQ(32u, spooler.printers[forty].port.size());
}

TEST_F(Staging, SectionWithoutAnyKeyStopsAtThePackageTest) {
  disk.AddFile("C:\\SETUP\\SETUP.INI", "[MODEL]\r\nEnglishModelName=Demo 100\r\n[Win7Ve]\r\n");
  MemoryView& v = Install();
  ASSERT_EQ(1u, v.messages().size());
  EXPECT_EQ(Text("Driver dosen't match your OS version."), v.messages()[0].text);
  EXPECT_TRUE(processes.programs.empty());
}

}  // namespace
