#ifndef TESTS_UNIT_DISTRIBUTION_FIXTURE_H
#define TESTS_UNIT_DISTRIBUTION_FIXTURE_H

#include <string>

#include "platform/memory/memory_shell.h"
#include "tests/unit/install_fixture.h"

// The distribution folder C:\SETUP with its packages, SETUP.INI (InstallFile, FileCount and
// CopyFile keys per generation) and MakeDisk.INI; a removable drive A: holding an empty
// 1.44 MB diskette; the shell in memory.
class DistributionFixture : public InstallFixture {
 protected:
  static const uint64_t kDiskette = 1457664;

  DistributionFixture() : shell(disk) {
    platform.shell = &shell;
    disk.SetDriveType('A', kDriveRemovable);
    disk.SetFreeSpace('A', kDiskette);
    std::string ini = "[MODEL]\r\nModelName=데모 100\r\nEnglishModelName=Demo 100\r\n";
    const char* sections[][2] = {{"Win95e", "Win95.drv"}, {"Win2Ke", "Win2K.drv"},
                                 {"Win2Kh", "Hwin2K.drv"}, {"Win7Ve", "Win7V.drv"}};
    for (auto& s : sections) {
      ini += Section(s[0], s[1]) + "InstallFile=" + s[1] + "\r\nFileCount=2\r\n" +
             "CopyFile1=\\DEMO.PPD\r\nCopyFile2=\\README.TXT\r\n";
    }
    disk.AddFile("C:\\SETUP\\SETUP.INI", ini.c_str());
    disk.AddFile("C:\\SETUP\\MakeDisk.INI",
                 "[Win95e]\r\nInstallFile=Win95.drv\r\n[Win2Ke]\r\nInstallFile=Other.drv\r\n");
    disk.AddFile("C:\\SETUP\\Other.drv", "MZ other");
    disk.AddFile("C:\\SETUP\\Win95.drv", Text(std::string(1000, 'P').c_str()));
    disk.AddDirectory("C:\\DRIVERS");
    // The package unpacks the files a distribution hands out.
    processes.package = [this](const char*) {
      disk.AddFile("C:\\TEMP\\KVERNsetup\\DEMO.PPD", Text(std::string(500, 'd').c_str()));
      disk.AddFile("C:\\TEMP\\KVERNsetup\\README.TXT", Text(std::string(200, 'r').c_str()));
    };
  }

  void Choose(int list, int index) { view().SelectListEntry(list, index); }

  MemoryShell shell;
};

#endif
