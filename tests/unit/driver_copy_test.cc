// Browse and Copy: the target folder, the checks and messages, the package run, the file list
// handed to the shell, the diskette checks, and what running from a diskette changes.
#include <gtest/gtest.h>

#include "distribution/driver_copy.h"
#include "platform/message_box.h"
#include "platform/shell.h"
#include "tests/unit/distribution_fixture.h"

namespace {

class DriverCopy : public DistributionFixture {
 protected:
  MemoryView& Copy(int generation, const char* target) {
    if (!dialog) Start();
    Choose(1026, generation);
    view().SetText(1020, target);
    Click(*dialog, 1022);
    return view();
  }
};

TEST_F(DriverCopy, UnpacksTheGenerationsPackageAndCopiesItsFiles) {
  MemoryView& v = Copy(7, "c:\\drivers");  // "영문 Windows 2000/XP/2003"
  EXPECT_EQ(std::vector<Text>{"C:\\TEMP\\Win2K.exe"}, processes.programs);
  EXPECT_EQ(1, processes.hidden_starts);
  EXPECT_EQ(1, processes.closed);
  ASSERT_EQ(1u, shell.copies.size());
  const char names[] = "C:\\TEMP\\KVERNsetup\\DEMO.PPD\0C:\\TEMP\\KVERNsetup\\README.TXT";
  std::string from(names, sizeof names);  // with the last name's NUL
  EXPECT_EQ(from + std::string(1024 - from.size(), '\0'), shell.copies[0].from);
  EXPECT_EQ("C:\\DRIVERS", shell.copies[0].target);  // upper-cased
  EXPECT_EQ(Text(std::string(500, 'd').c_str()), disk.Contents("C:\\DRIVERS\\DEMO.PPD"));
  EXPECT_EQ(Text("c:\\drivers"), v.GetText(1020, 256));  // the edit keeps its text
  EXPECT_EQ(Text("C:\\DRIVERS"), dialog->target_folder());
  EXPECT_EQ(Text("Win2Ke"), dialog->copy_os_section());
  EXPECT_EQ(Text("Win2K.drv"), dialog->copy_package_file());
  EXPECT_EQ(Text("C:\\SETUP\\SETUP.INI"), app.profile().path());
  ASSERT_EQ(1u, v.messages().size());
  EXPECT_EQ(Text("Sucessfully copying driver files completed"), v.messages()[0].text);
  EXPECT_TRUE(disk.count(MemoryDisk::kFreeSpace) == 0);  // no space test off the diskette drives
}

TEST_F(DriverCopy, WaitsForThePackageBeforeMeasuring) {
  processes.waits = {ProcessRunner::kWaitTimedOut, ProcessRunner::kWaitTimedOut};
  disk.SetFreeSpace('A', 300000 + 700);  // exactly the unpacked files' size plus the reserve
  disk.AddDirectory("A:\\OUT");
  MemoryView& v = Copy(7, "A:\\OUT");
  EXPECT_EQ(3, processes.wait_calls);
  ASSERT_EQ(1u, v.messages().size());  // measured 700 bytes: no format question
  EXPECT_EQ(Text("Sucessfully copying driver files completed"), v.messages()[0].text);
}

TEST_F(DriverCopy, ChecksStopWithTheirMessageInBothLanguages) {
  const struct {
    const char* name;
    int generation;
    const char* target;
    uint16_t language;
    const char* text;
  } cases[] = {
      {"same diskette", 7, "a:\\out", 0x0409,
       "There is a Driver Install program in current diskette drive.\n\nCan't copy driver files "
       "to current diskette drive."},
      {"same diskette", 7, "A:\\", 0x0412,
       "현재 플로피 디스켓에 드라이버 설치 프로그램이 있으므로\n\n드라이버 파일을 플로피 디스켓에 "
       "복사할 수 없습니다."},
      {"prompt", 0, "C:\\OUT", 0x0409, "Didn't select OS.\n\nPlease select OS."},
      {"separator", 6, "C:\\OUT", 0x0412, "사용할 OS를 선택하지 않았습니다.\n\nOS를 선택해 주십시오."},
      {"no Setup.INI", 7, "C:\\OUT", 0x0409, "There is not 'Setup.INI' file"},
      {"empty target", 7, "", 0x0409, "Please enter the folder that driver files will be copied to."},
      {"no diskette", 7, "B:\\OUT", 0x0409, "Not a diskette in Drive.\n\nPlease insert a diskette."},
      {"copy fails", 7, "C:\\DRIVERS", 0x0412, "Copying files is canceled"},
  };
  for (const auto& c : cases) {
    std::string name = c.name;
    system.language = c.language;
    system.module_path = name == "same diskette" ? "A:\\Install.exe" : "C:\\SETUP\\Install.exe";
    disk.SetCurrentDirectory(name == "no Setup.INI" ? "C:\\ELSEWHERE" : "C:\\SETUP");
    shell.copy_result = name == "copy fails" ? 7 : -1;
    shell.copies.clear();
    dialog.reset();
    MemoryView& v = Copy(c.generation, c.target);
    ASSERT_EQ(1u, v.messages().size()) << c.name;
    EXPECT_EQ(Text(c.text), v.messages()[0].text) << c.name;
    EXPECT_EQ(MessageBoxKind::kFramework, v.messages()[0].kind);
    EXPECT_EQ(name == "copy fails" ? 1u : 0u, shell.copies.size()) << c.name;
  }
}

TEST_F(DriverCopy, DisketteTargetFromAnotherDriveGetsTheSpaceTest) {
  const uint64_t needed = 700 + 300000;
  const struct {
    const char* target;
    uint64_t free_bytes;
    bool asked;
    unsigned drive;
  } cases[] = {
      {"A:\\OUT", needed, false, 0},
      {"A:\\OUT", needed - 1, true, 0},
      {"b:\\", 10, true, 1},
      {"D:\\OUT", 0, false, 0},  // no space test for other drives
  };
  for (const auto& c : cases) {
    disk.SetDriveType('B', kDriveRemovable);
    disk.SetFreeSpace(c.target[0] == 'b' ? 'B' : c.target[0], c.free_bytes);
    disk.AddDirectory(c.target);
    shell.formats.clear();
    shell.format_results = {kFormatIdDefault};
    dialog.reset();
    Start();
    view().AnswerNext(kIdYes);
    MemoryView& v = Copy(7, c.target);
    bool asked = v.messages().size() == 2;
    EXPECT_EQ(c.asked, asked) << c.target;
    if (asked) {
      EXPECT_EQ(unsigned(kMbYesNo | kMbIconExclamation), v.messages()[0].type);
      ASSERT_EQ(1u, shell.formats.size());
      EXPECT_EQ(c.drive, shell.formats[0].drive);  // from the target, whatever list 1017 shows
      EXPECT_EQ(unsigned(kFormatOptionNone), shell.formats[0].options);
    }
  }
}

TEST_F(DriverCopy, FormatOtherThanDefaultRunsCopyAgain) {
  disk.SetFreeSpace('A', 10);
  disk.AddDirectory("A:\\OUT");
  shell.format_results = {1};
  Start();
  view().AnswerNext(kIdYes);
  view().AnswerNext(kIdNo);
  Copy(7, "A:\\OUT");
  EXPECT_EQ(1u, shell.formats.size());
  EXPECT_EQ(2u, view().messages().size());  // asked twice, the second answer No ends it
  EXPECT_TRUE(shell.copies.empty());
  EXPECT_EQ(2u, processes.programs.size());  // the whole command ran again
}

TEST_F(DriverCopy, FileCountIsASigned8BitNumber) {
  const struct {
    const char* count;  // null: no FileCount key
    int names;          // -1: refused as too long for the list
  } cases[] = {{"0", 0}, {nullptr, 0}, {"3", 3}, {"128", 0}, {"200", 0},
               {"256", 0}, {"257", 1}, {"127", -1}};
  for (const auto& c : cases) {
    std::string ini = "[Win2Ke]\r\nCopyInstallFile=Win2K.drv\r\n";
    if (c.count) ini += std::string("FileCount=") + c.count + "\r\n";
    for (int n = 1; n <= 3; ++n) ini += "CopyFile" + std::to_string(n) + "=\\F" + std::to_string(n) + "\r\n";
    disk.AddFile("C:\\SETUP\\SETUP.INI", ini.c_str());
    shell.copies.clear();
    dialog.reset();
    MemoryView& v = Copy(7, "C:\\DRIVERS");
    if (c.names < 0) {
      EXPECT_TRUE(shell.copies.empty());
      EXPECT_EQ(Text("The names of the files to copy are too long.\n\nPlease check the file "
                     "names in the configuration."),
                v.messages().at(0).text);
      continue;
    }
    ASSERT_EQ(1u, shell.copies.size()) << (c.count ? c.count : "missing");
    EXPECT_EQ(size_t(c.names), shell.copies[0].sources.size()) << (c.count ? c.count : "missing");
  }
}

TEST_F(DriverCopy, MissingListedFileCountsZeroAndTheShellReportsIt) {
  disk.AddFile("C:\\SETUP\\SETUP.INI",
               "[Win2Ke]\r\nCopyInstallFile=Win2K.drv\r\nFileCount=2\r\nCopyFile1=\\DEMO.PPD\r\n"
               "CopyFile2=\\MISSING.DLL\r\n");
  disk.SetFreeSpace('A', 300000 + 500);  // only DEMO.PPD's 500 bytes count
  disk.AddDirectory("A:\\OUT");
  MemoryView& v = Copy(7, "A:\\OUT");
  ASSERT_EQ(1u, v.messages().size());
  EXPECT_EQ(Text("Copying files is canceled"), v.messages()[0].text);
  EXPECT_TRUE(disk.Exists("A:\\OUT\\DEMO.PPD"));
}

TEST_F(DriverCopy, FromADisketteTheStartUpChoiceAndPackageAreUsed) {
  disk.SetCurrentDirectory("C:\\DISK");  // no MakeDisk.INI here
  disk.AddFile("C:\\DISK\\Setup.INI", "x");
  disk.AddFile("C:\\DISK\\Win95.drv", "MZ");
  disk.AddFile("C:\\SETUP\\SETUP.INI",
               "[OSforInstallDiskette]\r\nFileName=Win95.drv\r\n[Win95e]\r\nFileCount=1\r\n"
               "CopyFile1=\\DEMO.PPD\r\nCopyInstallFile=Ignored.drv\r\n");
  MemoryView& v = Start();
  ASSERT_EQ(1, v.ListCount(1026));
  app.profile().SetActiveProfile("C:\\SETUP\\MakeDisk.INI");  // left where it is in this mode
  view().SetText(1020, "C:\\DRIVERS");
  Click(*dialog, 1022);
  EXPECT_EQ(std::vector<Text>{"C:\\TEMP\\Win95.exe"}, processes.programs);
  EXPECT_EQ(Text("C:\\SETUP\\MakeDisk.INI"), app.profile().path());
  EXPECT_EQ(Text("Win95e"), dialog->copy_os_section());

  // A FileName no row knows: the full list; the prompt is not refused and leaves no section.
  disk.AddFile("C:\\SETUP\\SETUP.INI", "[OSforInstallDiskette]\r\nFileName=Odd.drv\r\n");
  dialog.reset();
  shell.copies.clear();
  Start();
  ASSERT_EQ(11, view().ListCount(1026));
  view().SetText(1020, "C:\\DRIVERS");
  Click(*dialog, 1022);
  EXPECT_EQ(Text(""), dialog->copy_os_section());
  ASSERT_EQ(1u, shell.copies.size());
  EXPECT_TRUE(shell.copies[0].sources.empty());
}

TEST_F(DriverCopy, BrowseFillsTheTargetOrLeavesItAlone) {
  MemoryView& v = Start();
  v.SetText(1020, "before");
  shell.browse_cancels = true;
  Click(*dialog, 1021);
  EXPECT_EQ(Text("before"), v.GetText(1020, 256));
  EXPECT_EQ(Text("Select a target folder that driver files will be copied"), shell.browse_titles.at(0));
  shell.browse_cancels = false;
  shell.browse_result = "D:\\Out Folder";
  Click(*dialog, 1021);
  EXPECT_EQ(Text("D:\\Out Folder"), v.GetText(1020, 256));
  EXPECT_EQ(Text("D:\\Out Folder"), dialog->target_folder());

  UseKorean();
  dialog.reset();
  Start();
  Click(*dialog, 1021);
  EXPECT_EQ(Text("드라이버 파일을 복사할 폴더를 선택하세요."), shell.browse_titles.back());
}

TEST_F(DriverCopy, EnterInTheFolderEditCopies) {
  Start();
  Choose(1026, 7);
  view().SetText(1020, "C:\\DRIVERS");
  PressKey(*dialog, 1020, kVkReturn);
  EXPECT_EQ(1u, shell.copies.size());
  EXPECT_TRUE(processes.started.empty());
  EXPECT_FALSE(dialog->ended());  // not Install
}

TEST(UpperCaseAnsi, LettersOnlyAndDoubleByteCharactersWhole) {
  MemorySystem system;
  system.code_page = 932;
  EXPECT_EQ(Text("C:\\DRIVERS\\X1"), UpperCaseAnsi(system, "c:\\drivers\\x1"));
  // 0x83 0x61 is one character; its second byte is not the letter a.
  EXPECT_EQ(Text("\x83\x61" "A"), UpperCaseAnsi(system, "\x83\x61" "a"));
  system.code_page = 1252;
  EXPECT_EQ(Text("\x83" "AA"), UpperCaseAnsi(system, "\x83\x61" "a"));
}

}  // namespace
