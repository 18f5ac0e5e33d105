// Make diskette: every check and message, the space test and the format offer, the lists the
// shell gets, FileName and the ActiveProfile afterwards, and a program started from the result.
#include <gtest/gtest.h>

#include "platform/message_box.h"
#include "platform/shell.h"
#include "tests/unit/distribution_fixture.h"

namespace {

class MakeDiskette : public DistributionFixture {
 protected:
  // Starts the dialog, picks a generation (list index) and runs the command.
  MemoryView& Make(int generation) {
    if (!dialog) Start();
    Choose(1016, generation);
    Click(*dialog, 1018);
    return view();
  }
  Text FileName() {
    return profiles.GetString("C:\\SETUP\\SETUP.INI", "OSforInstallDiskette", "FileName",
                              "(none)", 4096);
  }
};

TEST_F(MakeDiskette, WritesTheProgramConfigurationAndPackageToTheDiskette) {
  MemoryView& v = Make(9);  // "영문 Windows 95/98/ME"
  ASSERT_EQ(1u, shell.copies.size());
  std::string from("Install.exe\0Setup.INI\0Win95.drv\0", 32);
  EXPECT_EQ(1024u, shell.copies[0].from.size());
  EXPECT_EQ(from + std::string(1024 - from.size(), '\0'), shell.copies[0].from);
  EXPECT_EQ(std::string("A:\\") + std::string(1021, '\0'), shell.copies[0].to);
  EXPECT_TRUE(disk.Exists("A:\\Install.exe"));
  EXPECT_EQ(Text(std::string(1000, 'P').c_str()), disk.Contents("A:\\Win95.drv"));
  EXPECT_EQ(Text("Win95.drv"), FileName());
  // The diskette's configuration carries FileName: it was written before the copy.
  EXPECT_NE(nullptr, strstr(disk.Contents("A:\\Setup.INI").c_str(), "FileName=Win95.drv"));
  EXPECT_EQ(Text("C:\\SETUP\\MakeDisk.INI"), app.profile().path());
  ASSERT_EQ(1u, v.messages().size());
  EXPECT_EQ(Text("Sucessfully making diskette completed"), v.messages()[0].text);
  EXPECT_EQ(MessageBoxKind::kFramework, v.messages()[0].kind);
  EXPECT_EQ(unsigned(kMbOk | kMbIconExclamation), v.messages()[0].type);
  EXPECT_TRUE(shell.formats.empty());
}

TEST_F(MakeDiskette, ChecksStopWithTheirMessageInBothLanguages) {
  const struct {
    const char* name;
    int generation;
    uint16_t language;
    const char* text;
  } cases[] = {
      {"prompt", 0, 0x0409, "Didn't select OS.\n\nPlease select OS."},
      {"separator", 1, 0x0412, "설치할 OS를 선택하지 않았습니다.\n\nOS를 선택해 주십시오."},
      {"empty entry", 6, 0x0409, "Didn't select OS.\n\nPlease select OS."},
      {"no floppy", 9, 0x0409, "There is no floppy disk drive (A: or B:).\n\nCan't make an install diskette."},
      {"no MakeDisk.INI", 9, 0x0412, "There is not 'MakeDisk.INI' file"},
      {"no diskette", 9, 0x0409, "Not a diskette in Drive.\n\nPlease insert a diskette."},
      {"no diskette", 9, 0x0412, "드라이브에 디스켓이 없습니다.\n\n디스켓을 넣어주십시오."},
      {"no package", 10, 0x0409, "There is not install file."},  // Win7Ve has no package in MakeDisk
  };
  for (const auto& c : cases) {
    std::string name = c.name;
    system.language = c.language;
    disk.SetDriveType('A', name == "no floppy" ? kDriveFixed : kDriveRemovable);
    if (name == "no diskette") disk.FailNext(MemoryDisk::kFreeSpace, 21);
    disk.SetCurrentDirectory(name == "no MakeDisk.INI" ? "C:\\ELSEWHERE" : "C:\\SETUP");
    if (name == "no package") disk.AddFile("C:\\SETUP\\SETUP.INI", "[Win7Ve]\r\nDepCount=0\r\n");
    dialog.reset();
    MemoryView& v = Make(c.generation);
    ASSERT_EQ(1u, v.messages().size()) << c.name;
    EXPECT_EQ(Text(c.text), v.messages()[0].text) << c.name;
    EXPECT_EQ(MessageBoxKind::kFramework, v.messages()[0].kind);
    EXPECT_TRUE(shell.copies.empty()) << c.name;
    EXPECT_EQ(Text("(none)"), FileName()) << c.name;  // nothing written
  }
}

TEST_F(MakeDiskette, SpaceBoundaryAsksOnlyWhenOneByteShort) {
  const uint64_t needed = 1000 + 300000;
  const struct {
    uint64_t free_bytes;
    bool asked;
  } cases[] = {{needed, false}, {needed - 1, true}, {needed + 1, false}, {0, true}};
  for (const auto& c : cases) {
    disk.SetFreeSpace('A', c.free_bytes);
    shell.copies.clear();
    dialog.reset();
    Start();
    view().AnswerNext(kIdNo);
    MemoryView& v = Make(9);
    ASSERT_EQ(1u, v.messages().size());
    EXPECT_EQ(c.asked, v.messages()[0].type == unsigned(kMbYesNo | kMbIconExclamation))
        << c.free_bytes;
    EXPECT_EQ(c.asked ? 0u : 1u, shell.copies.size()) << c.free_bytes;
  }
}

TEST_F(MakeDiskette, AnsweringNoEndsSilentlyWithoutWriting) {
  disk.SetFreeSpace('A', 10);
  Start();
  view().AnswerNext(kIdNo);
  MemoryView& v = Make(9);
  ASSERT_EQ(1u, v.messages().size());
  EXPECT_EQ(Text("Not a sufficient space in a diskette.\n\nDo you want to format a diskette?"),
            v.messages()[0].text);
  EXPECT_TRUE(shell.formats.empty());
  EXPECT_TRUE(shell.copies.empty());
  EXPECT_EQ(Text("(none)"), FileName());
}

TEST_F(MakeDiskette, FormatResultDecidesBetweenCopyingAndStartingOver) {
  // 0xFFFF: the diskette is formatted and the copy follows at once, without measuring again.
  disk.SetFreeSpace('A', 10);
  shell.format_results = {kFormatIdDefault};
  MemoryView& v = Make(9);
  ASSERT_EQ(1u, shell.formats.size());
  EXPECT_EQ(0u, shell.formats[0].drive);
  EXPECT_EQ(unsigned(kFormatOptionFull), shell.formats[0].options);
  EXPECT_EQ(1u, shell.copies.size());
  EXPECT_EQ(2u, v.messages().size());  // the question, then success

  // Any other result runs the command again: a still full diskette asks again.
  dialog.reset();
  shell.formats.clear();
  shell.copies.clear();
  shell.format_results = {0xFFFFFFFD, 0xFFFFFFFE};
  Start();
  view().AnswerNext(kIdYes);
  view().AnswerNext(kIdYes);
  view().AnswerNext(kIdNo);
  Make(9);
  EXPECT_EQ(2u, shell.formats.size());
  EXPECT_EQ(3u, view().messages().size());
  EXPECT_TRUE(shell.copies.empty());

  // A format that frees the diskette: the second run passes the space test and copies.
  dialog.reset();
  shell.formats.clear();
  shell.format_results = {0};
  shell.format_frees_space = true;
  Make(9);
  EXPECT_EQ(1u, shell.formats.size());
  EXPECT_EQ(1u, shell.copies.size());
}

TEST_F(MakeDiskette, OnlyDriveBGivesTheBRootAndFormatsDriveOne) {
  disk.SetDriveType('A', kDriveNoRootDir);
  disk.SetDriveType('B', kDriveRemovable);
  disk.SetFreeSpace('B', 10);
  shell.format_results = {kFormatIdDefault};
  MemoryView& v = Start();
  EXPECT_EQ(Text("  Drive B:"), v.ListEntry(1017, 0));
  Make(9);
  ASSERT_EQ(1u, shell.formats.size());
  EXPECT_EQ(1u, shell.formats[0].drive);
  ASSERT_EQ(1u, shell.copies.size());
  EXPECT_EQ("B:\\", shell.copies[0].target);
}

TEST_F(MakeDiskette, FailedCopyKeepsFileNameAndSetupIni) {
  shell.copy_result = 117;
  MemoryView& v = Make(9);
  EXPECT_EQ(Text("Copying files Error"), v.messages().at(0).text);
  EXPECT_EQ(Text("Win95.drv"), FileName());
  EXPECT_EQ(Text("C:\\SETUP\\SETUP.INI"), app.profile().path());
}

TEST_F(MakeDiskette, AfterADisketteTheDistributionsMakeDiskIniIsRead) {
  Make(7);  // "영문 Windows 2000/XP/2003": InstallFile Win2K.drv from SETUP.INI
  EXPECT_EQ(Text("Win2K.drv"), FileName());
  shell.copies.clear();
  view().ClearMessages();
  Make(7);  // now from MakeDisk.INI: Other.drv
  EXPECT_EQ(Text("Other.drv"), FileName());
  ASSERT_EQ(1u, shell.copies.size());
  EXPECT_EQ("Other.drv", shell.copies[0].sources[2]);
  // Install reads MakeDisk.INI too, which names no package for the running system.
  view().ClearMessages();
  Click(*dialog, 1);
  EXPECT_EQ(Text("Driver dosen't match your OS version."), view().messages().at(0).text);
  // Back points the configuration at SETUP.INI again.
  Click(*dialog, 1023);
  EXPECT_EQ(Text("C:\\SETUP\\SETUP.INI"), app.profile().path());
}

TEST_F(MakeDiskette, PackageNameTooLongForTheListIsRefusedBeforeWriting) {
  std::string name(1010, 'N');
  disk.AddFile(("C:\\SETUP\\" + name).c_str(), "MZ");
  disk.AddFile("C:\\SETUP\\SETUP.INI", ("[Win95e]\r\nInstallFile=" + name + "\r\n").c_str());
  MemoryView& v = Make(9);
  ASSERT_EQ(1u, v.messages().size());
  EXPECT_EQ(Text("The names of the files to copy are too long.\n\nPlease check the file names "
                 "in the configuration."),
            v.messages()[0].text);
  EXPECT_TRUE(shell.copies.empty());
  EXPECT_EQ(Text("(none)"), FileName());
}

TEST_F(MakeDiskette, ProgramStartedFromTheDisketteRunsFromIt) {
  Make(7);
  ASSERT_TRUE(disk.Exists("A:\\Win2K.drv"));
  system.module_path = "A:\\Install.exe";
  disk.SetCurrentDirectory("A:\\");
  dialog.reset();
  MemoryView& v = Start();
  EXPECT_EQ(1, dialog->diskette_origin());
  ASSERT_EQ(1, v.ListCount(1026));
  EXPECT_EQ(Text("영문 Windows 2000/XP/2003"), v.ListEntry(1026, 0));
  EXPECT_EQ(Text("Win2Ke"), dialog->copy_os_section());
  // And installs from the one package the diskette carries.
  system.SetVersion(2, 5, 1, "");
  dialog.reset();
  Start();
  Click(*dialog, 1);
  EXPECT_EQ(std::vector<Text>{"C:\\TEMP\\Win2K.exe"}, processes.programs);
  EXPECT_TRUE(dialog->ended());
}

}  // namespace
