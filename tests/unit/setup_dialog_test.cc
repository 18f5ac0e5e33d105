// Start-up of the setup dialog: environment, paths, texts in both languages, lists, the
// diskette-origin decision, and the refusals.
#include <gtest/gtest.h>

#include <algorithm>

#include "dialog/control_ids.h"
#include "dialog/control_table.h"
#include "dialog/dialog_texts.h"
#include "dialog/views.h"
#include "platform/message_box.h"
#include "tests/unit/setup_fixture.h"

namespace {

using SetupDialogStart = SetupFixture;

const char* TemplateText(int id) {
  for (int i = 0; i < kSetupControlCount; ++i) {
    if (kSetupControls[i].id == id) return kSetupControls[i].text;
  }
  return nullptr;
}

TEST_F(SetupDialogStart, EnglishSystemGetsEnglishTextsCaptionAndLists) {
  MemoryView& v = Start();
  EXPECT_FALSE(dialog->ended());
  EXPECT_TRUE(v.messages().empty());
  EXPECT_EQ(Text("Demo Printer 100   Printer Driver Install"), v.Caption());
  EXPECT_EQ(Text("Windows 7"), v.GetText(kEditOsName, 256));
  EXPECT_EQ(Text("Demo Printer 100"), v.GetText(kEditModelName, 256));
  for (int i = 0; i < kEnglishMainViewTextCount; ++i) {
    EXPECT_EQ(Text(kEnglishMainViewTexts[i].text), v.GetText(kEnglishMainViewTexts[i].id, 256));
  }
  for (int i = 0; i < kEnglishPanelTextCount; ++i) {
    EXPECT_EQ(Text(kEnglishPanelTexts[i].text), v.GetText(kEnglishPanelTexts[i].id, 256));
  }
  EXPECT_EQ(Text("Printer Driver Install"), v.GetText(kGroupInstall, 256));
  EXPECT_EQ(Text("O    S"), v.GetText(kLabelOs, 256));
  // The address group, its note and the list entries stay Korean.
  EXPECT_EQ(Text("프린터 주소입력"), v.GetText(kGroupAddress, 256));
  EXPECT_EQ(Text(TemplateText(kNoteAddress)), v.GetText(kNoteAddress, 256));
  EXPECT_EQ(Text("한글 Windows 2000/XP/2003"), v.ListEntry(kComboDisketteOs, 2));

  EXPECT_EQ(1, v.GetCheck(kCheckDefaultPrinter));
  EXPECT_EQ(1, v.GetCheck(kCheckOpenFolder));
  EXPECT_EQ(0, v.GetCheck(kCheckTcpIpPort));
  EXPECT_EQ(1, v.icon_sets());
  EXPECT_EQ(Text("C:\\SETUP"), dialog->program_folder());
  EXPECT_EQ(Text("C:\\SETUP\\SETUP.INI"), dialog->setup_ini_path());
  EXPECT_EQ(Text("C:\\SETUP\\MakeDisk.INI"), dialog->makedisk_ini_path());
  EXPECT_EQ(Text("C:\\SETUP\\SETUP.INI"), app.profile().path());
  EXPECT_EQ(0, dialog->diskette_origin());
  EXPECT_EQ(42, dialog->environment().os_version_code);
  EXPECT_EQ(153, dialog->environment().os_family);
}

TEST_F(SetupDialogStart, KoreanSystemKeepsTemplateTexts) {
  UseKorean();
  MemoryView& v = Start();
  EXPECT_EQ(Text("데모 프린터 100   프린터 드라이버 설치"), v.Caption());
  EXPECT_EQ(Text("데모 프린터 100"), v.GetText(kEditModelName, 256));
  for (int i = 0; i < kSetupControlCount; ++i) {
    const TemplateControl& c = kSetupControls[i];
    if (c.id == kEditOsName || c.id == kEditModelName) continue;
    EXPECT_EQ(Text(c.text), v.GetText(c.id, 256)) << c.id;
  }
}

TEST_F(SetupDialogStart, ListsHoldElevenEntriesAndSelectThePrompt) {
  MemoryView& v = Start();
  const struct {
    int id;
    const char* prompt;
  } lists[] = {{kComboDisketteOs, "설치할 OS를 선택하시오"}, {kComboCopyOs, "사용할 OS를 선택하시오"}};
  const char* entries[] = {nullptr, "===========================", "한글 Windows 2000/XP/2003",
                           "한글 Windows NT 4.0", "한글 Windows 95/98/ME", "한글 Windows VISTA/7", "",
                           "영문 Windows 2000/XP/2003", "영문 Windows NT 4.0",
                           "영문 Windows 95/98/ME", "영문 Windows VISTA/7"};
  for (const auto& list : lists) {
    ASSERT_EQ(11, v.ListCount(list.id));
    EXPECT_EQ(0, v.ListSelection(list.id));
    EXPECT_EQ(Text(list.prompt), v.ListEntry(list.id, 0));
    for (int i = 1; i < 11; ++i) EXPECT_EQ(Text(entries[i]), v.ListEntry(list.id, i)) << i;
  }
}

TEST_F(SetupDialogStart, FloppyListNamesRemovableDrivesOnly) {
  const struct {
    unsigned a, b;
    int count;
    const char* first;
  } cases[] = {
      {kDriveRemovable, kDriveRemovable, 2, "  Drive A:"},
      {kDriveNoRootDir, kDriveRemovable, 1, "  Drive B:"},
      {kDriveRemovable, kDriveFixed, 1, "  Drive A:"},
      {kDriveFixed, kDriveNoRootDir, 0, ""},
  };
  for (const auto& c : cases) {
    disk.SetDriveType('A', c.a);
    disk.SetDriveType('B', c.b);
    MemoryView& v = Start();
    EXPECT_EQ(c.count, v.ListCount(kComboDrive));
    EXPECT_EQ(Text(c.first), v.ListEntry(kComboDrive, 0));
    EXPECT_EQ(c.count ? 0 : -1, v.ListSelection(kComboDrive));
  }
}

TEST_F(SetupDialogStart, DisketteOriginFollowsTheCurrentDirectoryAndFileName) {
  const struct {
    bool makedisk_in_current_directory;
    const char* file_name;  // null: no FileName key
    int origin;
    int copy_list_count;
    const char* entry;
    const char* section;
  } cases[] = {
      {true, "Hwin2K.drv", 0, 11, "사용할 OS를 선택하시오", ""},
      {false, "Hwin2K.drv", 1, 1, "한글 Windows 2000/XP/2003", "Win2Kh"},
      {false, "Win95.drv", 1, 1, "영문 Windows 95/98/ME", "Win95e"},
      {false, "Hwin7V.drv", 1, 1, "한글 Windows VISTA/7", "Win7Vh"},
      {false, "hwin2k.drv", 1, 11, "사용할 OS를 선택하시오", ""},
      {false, "Other.drv", 1, 11, "사용할 OS를 선택하시오", ""},
      {false, nullptr, 1, 11, "사용할 OS를 선택하시오", ""},
  };
  for (const auto& c : cases) {
    // The program folder's MakeDisk.INI does not count; only the current directory's does.
    disk.SetCurrentDirectory(c.makedisk_in_current_directory ? "C:\\SETUP" : "C:\\ELSEWHERE");
    Text ini = "[MODEL]\r\nEnglishModelName=M\r\n";
    if (c.file_name) ini += Text("[OSforInstallDiskette]\r\nFileName=") + c.file_name + "\r\n";
    disk.AddFile("C:\\SETUP\\SETUP.INI", ini);
    MemoryView& v = Start();
    EXPECT_EQ(c.origin, dialog->diskette_origin()) << c.file_name;
    EXPECT_EQ(c.copy_list_count, v.ListCount(kComboCopyOs)) << c.file_name;
    EXPECT_EQ(0, v.ListSelection(kComboCopyOs));
    EXPECT_EQ(Text(c.entry), v.ListEntry(kComboCopyOs, 0)) << c.file_name;
    EXPECT_EQ(Text(c.section), dialog->copy_os_section()) << c.file_name;
    EXPECT_EQ(Text(c.origin && c.file_name ? c.file_name : ""), dialog->copy_package_file());
  }
}

TEST_F(SetupDialogStart, ProgramAtTheRootOfADiskette) {
  system.module_path = "A:\\Install.exe";
  disk.SetCurrentDirectory("A:\\");
  disk.AddFile("A:\\Setup.INI",
               "[MODEL]\r\nEnglishModelName=From Diskette\r\n[OSforInstallDiskette]\r\n"
               "FileName=Win2K.drv\r\n");
  MemoryView& v = Start();
  EXPECT_EQ(Text("A:"), dialog->program_folder());
  EXPECT_EQ(Text("A:\\SETUP.INI"), app.profile().path());
  EXPECT_EQ(Text("From Diskette"), v.GetText(kEditModelName, 256));
  EXPECT_EQ(1, dialog->diskette_origin());
  EXPECT_EQ(Text("Win2Ke"), dialog->copy_os_section());
}

TEST_F(SetupDialogStart, RefusedVersionShowsOneMessageAndClosesAfterInitialisation) {
  system.SetVersion(2, 3, 51, "");
  MemoryView& v = Start();
  ASSERT_EQ(1u, v.messages().size());
  EXPECT_EQ(Text("Not supported OS version"), v.messages()[0].text);
  EXPECT_EQ(Text("Install"), v.messages()[0].caption);
  EXPECT_FALSE(v.messages()[0].caption_given);
  EXPECT_EQ(unsigned(kMbOk), v.messages()[0].type);
  // Initialisation ran to its end before the queued close took effect.
  EXPECT_EQ(Text("Demo Printer 100"), v.GetText(kEditModelName, 256));
  EXPECT_EQ(11, v.ListCount(kComboCopyOs));
  EXPECT_TRUE(dialog->ended());
  EXPECT_EQ(kIdCancel, dialog->result());
  EXPECT_EQ(std::vector<int>{kButtonExit}, dialog->commands);
}

TEST_F(SetupDialogStart, OtherPlatformIsRefusedLikeNT3) {
  system.SetVersion(0, 3, 10, "");
  Start();
  EXPECT_TRUE(dialog->ended());
  EXPECT_EQ(Text("Not supported OS version"), view().GetText(kEditOsName, 256));
}

TEST_F(SetupDialogStart, VersionOutsideTheTableIsNotRefused) {
  system.SetVersion(2, 6, 2, "");
  MemoryView& v = Start();
  EXPECT_TRUE(v.messages().empty());
  EXPECT_FALSE(dialog->ended());
  EXPECT_EQ(Text("Not supported OS version"), v.GetText(kEditOsName, 256));
  EXPECT_EQ(0, dialog->environment().os_family);
}

TEST_F(SetupDialogStart, UnsupportedProcessorEndsTheProcessBeforeAnyOtherStep) {
  const struct {
    uint16_t language;
    bool refused_version;
    std::vector<const char*> texts;
  } cases[] = {
      {0x0409, false, {"This platform is not supported. "}},
      {0x0412, false, {"지원하지 않는 플랫폼입니다. "}},
      {0x0409, true, {"Not supported OS version", "This platform is not supported. "}},
  };
  for (uint16_t architecture : {6, 12, 0xFFFF}) {
    for (const auto& c : cases) {
      system.architecture = architecture;
      system.language = c.language;
      if (c.refused_version) system.SetVersion(2, 3, 51, ""); else system.SetVersion(2, 6, 1, "");
      processes.exited = false;
      MemoryView& v = Start();
      ASSERT_EQ(c.texts.size(), v.messages().size());
      for (size_t i = 0; i < c.texts.size(); ++i) {
        EXPECT_EQ(Text(c.texts[i]), v.messages()[i].text);
        EXPECT_EQ(Text("Install"), v.messages()[i].caption);
        EXPECT_EQ(unsigned(kMbOk), v.messages()[i].type);
      }
      EXPECT_TRUE(processes.exited);
      EXPECT_EQ(0, processes.exit_status);
      // Nothing after detection ran: no display name, no model name, the template caption.
      EXPECT_EQ(Text(), v.GetText(kEditOsName, 256));
      EXPECT_EQ(Text(), v.GetText(kEditModelName, 256));
      EXPECT_EQ(Text("Printer Driver Setup"), v.Caption());
      EXPECT_EQ(Text(), app.profile().path());
    }
  }
}

TEST_F(SetupDialogStart, BadConfigurationGivesTheDefaults) {
  Text huge_line(std::string(100 * 1024, 'x').c_str());
  Text long_value(std::string(5000, 'M').c_str());
  const struct {
    const char* name;
    bool present;
    Text contents;
    const char* model;
  } cases[] = {
      {"missing", false, "", ""},
      {"empty", true, "", ""},
      {"garbage", true, Text("\x01\xff\xfe\x00[MO\x00DEL]\n\x7f=\x80", 16), ""},
      {"huge line", true, huge_line + "\r\n[MODEL]\r\nEnglishModelName=After\r\n", "After"},
      {"no key", true, "[MODEL]\r\nModelName=Korean only\r\n", ""},
  };
  for (const auto& c : cases) {
    if (c.present) disk.AddFile("C:\\SETUP\\SETUP.INI", c.contents); else disk.Remove("C:\\SETUP\\SETUP.INI");
    MemoryView& v = Start();
    EXPECT_EQ(Text(c.model), v.GetText(kEditModelName, 256)) << c.name;
    EXPECT_EQ(Text(c.model) + "   Printer Driver Install", v.Caption()) << c.name;
    EXPECT_TRUE(v.messages().empty()) << c.name;
    EXPECT_EQ(1, dialog->diskette_origin() == 0) << c.name;
  }
  disk.AddFile("C:\\SETUP\\SETUP.INI", Text("[MODEL]\r\nEnglishModelName=") + long_value + "\r\n");
  Start();
  EXPECT_EQ(4095u, dialog->model_name().size());
}

TEST_F(SetupDialogStart, BindsEveryControlOnceAndStartsWithTheMainView) {
  Start();
  std::vector<int> bound = BoundControls(*dialog);
  EXPECT_EQ(31u, bound.size());
  for (int i = 0; i < kSetupControlCount; ++i) {
    const TemplateControl& c = kSetupControls[i];
    EXPECT_EQ(1, std::count(bound.begin(), bound.end(), c.id)) << c.id;
    EXPECT_EQ(c.start == StartState::kShown, view().IsShown(c.id)) << c.id;
  }
}

}  // namespace
