#ifndef TESTS_UNIT_INSTALL_FIXTURE_H
#define TESTS_UNIT_INSTALL_FIXTURE_H

#include <string>

#include "platform/memory/memory_spooler.h"
#include "tests/unit/setup_fixture.h"

// The setup dialog with a driver package for every generation in C:\SETUP. A started package
// unpacks its files into C:\TEMP\KVERNsetup, as the real packages do.
class InstallFixture : public SetupFixture {
 protected:
  static std::string Section(const std::string& name, const std::string& package) {
    return "[" + name + "]\r\nCopyInstallFile=" + package + "\r\nDepCount=2\r\n" +
           "DepFile1=\\DEMODRV.DLL\r\nDepFile2=\\sub\\DEMO.PPD\r\nDrvFile=DEMODRV.DLL\r\n" +
           "DatFile=DEMO.PPD\r\nCfgFile=DEMOUI.DLL\r\nHlpFile=DEMO.HLP\r\n" +
           "DepFile=DEMO.PPD+DEMOUI.DLL\r\n";
  }

  InstallFixture() {
    platform.spooler = &spooler;
    disk.AddDirectory("C:\\TEMP");
    disk.AddDirectory(spooler.driver_directory.c_str());
    std::string ini = "[MODEL]\r\nModelName=데모 100\r\nEnglishModelName=Demo 100\r\n";
    const char* sections[][2] = {
        {"Win95h", "Hwin95.drv"}, {"WinNTh", "NT40H.drv"},   {"Win2Kh", "Hwin2K.drv"},
        {"Win7Vh", "Hwin7V.drv"}, {"Win7Vh_x64", "H64.drv"}, {"Win95e", "Win95.drv"},
        {"WinNTe", "NT40E.drv"},  {"Win2Ke", "Win2K.drv"},   {"Win7Ve", "Win7V.drv"},
        {"Win7Ve_x64", "E64.drv"},
    };
    for (auto& s : sections) {
      ini += Section(s[0], s[1]);
      disk.AddFile((std::string("C:\\SETUP\\") + s[1]).c_str(), "MZ package");
    }
    disk.AddFile("C:\\SETUP\\SETUP.INI", ini.c_str());
    processes.program_exists = [this](const char* program) { return disk.Exists(program); };
    processes.package = [this](const char*) {
      disk.AddFile("C:\\TEMP\\KVERNsetup\\DEMODRV.DLL", "driver");
      disk.AddFile("C:\\TEMP\\KVERNsetup\\sub\\DEMO.PPD", "data");
    };
  }

  // Starts the dialog and presses Install.
  MemoryView& Install() {
    if (!dialog) Start();
    Click(*dialog, 1);
    return view();
  }

  const ShownMessage& Message(size_t i) { return view().messages().at(i); }

  MemorySpooler spooler;
};

#endif
