// The setup dialog's own commands: routing, Enter handling, Advanced, Open printer folder, the
// exits, Back, the separator guard, painting and caption colours; and the control table itself.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "dialog/control_ids.h"
#include "dialog/control_table.h"
#include "dialog/views.h"
#include "platform/message_box.h"
#include "platform/processes.h"
#include "tests/unit/setup_fixture.h"

namespace {

using DialogCommands = SetupFixture;

TEST_F(DialogCommands, EnterRunsTheFocusedControlsOwnCommandExactlyOnce) {
  const char* kAdvanced = "This function is not supported by this version.";
  const char* kCopy = "Didn't select OS.\n\nPlease select OS.";  // Copy's first check
  const char* kInstall = "Driver dosen't match your OS version.";  // no package here
  const struct {
    int control;
    std::vector<int> commands;  // that reached the routing table
    const char* message;        // the one message shown, or none
    size_t started;
    bool ended;
  } cases[] = {
      {kButtonAdvanced, {}, kAdvanced, 0, false},
      {kButtonOpenFolder, {}, nullptr, 1, false},
      {kButtonExit, {kButtonExit}, nullptr, 0, true},  // close request, then command 2
      {kEditTargetFolder, {}, kCopy, 0, false},         // Copy, never Install
      {kCheckDefaultPrinter, {kButtonInstall}, kInstall, 0, false},
      {kCheckOpenFolder, {kButtonInstall}, kInstall, 0, false},
      {kCheckTcpIpPort, {kButtonInstall}, kInstall, 0, false},
      {kAddress, {kButtonInstall}, kInstall, 0, false},
      {kButtonInstall, {kButtonInstall}, kInstall, 0, false},
      {kButtonBack, {kButtonBack}, nullptr, 0, false},  // a push button sends its own command
  };
  for (const auto& c : cases) {
    processes.started.clear();
    MemoryView& v = Start();
    PressKey(*dialog, c.control, kVkReturn);
    EXPECT_EQ(c.commands, dialog->commands) << c.control;
    ASSERT_EQ(c.message ? 1u : 0u, v.messages().size()) << c.control;
    if (c.message) EXPECT_EQ(Text(c.message), v.messages()[0].text) << c.control;
    EXPECT_EQ(c.started, processes.started.size()) << c.control;
    EXPECT_EQ(c.ended, dialog->ended()) << c.control;
  }
}

TEST_F(DialogCommands, EscapeAndCloseBoxEndTheDialogWithCancel) {
  Start();
  PressKey(*dialog, kCheckDefaultPrinter, kVkEscape);
  EXPECT_TRUE(dialog->ended());
  EXPECT_EQ(kIdCancel, dialog->result());

  MemoryView& v = Start();
  v.RequestClose();  // the close box and Alt+F4 arrive as WM_CLOSE
  EXPECT_FALSE(dialog->ended());  // queued, not immediate
  Pump(*dialog);
  EXPECT_TRUE(dialog->ended());
  EXPECT_EQ(kIdCancel, dialog->result());
}

TEST_F(DialogCommands, ExitButtonsEndTheDialog) {
  for (int button : {kButtonExit, kButtonPanelExit}) {
    Start();
    Click(*dialog, button);
    EXPECT_TRUE(dialog->ended()) << button;
    EXPECT_EQ(kIdCancel, dialog->result()) << button;
  }
}

TEST_F(DialogCommands, AdvancedAnswersNotSupported) {
  const struct {
    uint16_t language;
    const char* setup_ini;
    const char* text;
    const char* caption;
    bool caption_given;
  } cases[] = {
      {0x0409, "[MODEL]\r\nEnglishModelName=Demo\r\nModelName=데모\r\n",
       "This function is not supported by this version.", "Install", false},
      {0x0412, "[MODEL]\r\nEnglishModelName=Demo\r\nModelName=데모\r\n",
       "현재 버전에서는 이 기능을 지원하지 않습니다.", "데모", true},
      {0x0412, "", "현재 버전에서는 이 기능을 지원하지 않습니다.", "", true},
  };
  for (const auto& c : cases) {
    system.language = c.language;
    disk.AddFile("C:\\SETUP\\SETUP.INI", c.setup_ini);
    MemoryView& v = Start();
    Click(*dialog, kButtonAdvanced);
    ASSERT_EQ(1u, v.messages().size());
    EXPECT_EQ(MessageBoxKind::kDialog, v.messages()[0].kind);
    EXPECT_EQ(Text(c.text), v.messages()[0].text);
    EXPECT_EQ(Text(c.caption), v.messages()[0].caption);
    EXPECT_EQ(c.caption_given, v.messages()[0].caption_given);
    EXPECT_EQ(unsigned(kMbOk), v.messages()[0].type);
    // Nothing else changes: the panel stays hidden.
    for (int i = 0; i < kDistributionPanelControlCount; ++i) {
      EXPECT_FALSE(v.IsShown(kDistributionPanelControls[i]));
    }
  }
}

TEST_F(DialogCommands, OpenPrinterFolderStartsControlPrintersWithoutWaiting) {
  Start();
  processes.start_result = 2;  // a failed start shows nothing
  Click(*dialog, kButtonOpenFolder);
  ASSERT_EQ(1u, processes.started.size());
  EXPECT_EQ(Text("control.exe printers"), processes.started[0].command_line);
  EXPECT_EQ(kShowShow, processes.started[0].show);
  EXPECT_TRUE(view().messages().empty());
  EXPECT_FALSE(dialog->ended());
}

TEST_F(DialogCommands, BackShowsTheMainViewAndRereadsTheCaption) {
  MemoryView& v = Start();
  v.Show(kGroupDiskette, true);  // as if the panel were showing
  v.Show(kButtonBack, true);
  v.Show(kGroupInstall, false);
  v.Enable(kButtonInstall, false);
  v.SetCheck(kCheckTcpIpPort, 1);
  v.SetText(kAddress, "10.0.0.5");
  app.profile().SetActiveProfile("C:\\SETUP\\MakeDisk.INI");
  disk.AddFile("C:\\SETUP\\SETUP.INI", "[MODEL]\r\nEnglishModelName=Renamed\r\n");

  Click(*dialog, kButtonBack);
  for (int i = 0; i < kDistributionPanelControlCount; ++i) {
    EXPECT_FALSE(v.IsShown(kDistributionPanelControls[i])) << kDistributionPanelControls[i];
  }
  for (int i = 0; i < kMainViewControlCount; ++i) {
    EXPECT_TRUE(v.IsShown(kMainViewControls[i])) << kMainViewControls[i];
  }
  EXPECT_FALSE(v.IsShown(kProgressBar));
  EXPECT_TRUE(v.IsEnabled(kButtonInstall));
  EXPECT_EQ(Text("C:\\SETUP\\SETUP.INI"), app.profile().path());
  EXPECT_EQ(Text("Renamed   Printer Driver Install"), v.Caption());
  EXPECT_EQ(Text("Demo Printer 100"), v.GetText(kEditModelName, 256));  // keeps its text
  EXPECT_EQ(1, v.GetCheck(kCheckTcpIpPort));
  EXPECT_EQ(Text("10.0.0.5"), v.GetText(kAddress, 30));
}

TEST_F(DialogCommands, SeparatorGuardSendsSeparatorsBackToThePrompt) {
  MemoryView& v = Start();
  for (int list : {kComboDisketteOs, kComboCopyOs}) {
    for (int index = 0; index < 11; ++index) {
      SelectFromList(*dialog, list, index);
      int expected = (index == 1 || index == 6) ? 0 : index;
      EXPECT_EQ(expected, v.ListSelection(list)) << list << " " << index;
    }
  }
}

TEST_F(DialogCommands, MinimisedDialogPaintsTheIconCentred) {
  MemoryView& v = Start();
  EXPECT_FALSE(dialog->OnPaint());
  EXPECT_FALSE(v.painted_icon());
  const struct {
    int w, h, x, y;
  } cases[] = {{100, 80, 34, 24}, {160, 0, 64, -15}, {33, 33, 1, 1}, {32, 32, 0, 0}};
  for (const auto& c : cases) {
    v.SetMinimised(true, c.w, c.h);
    EXPECT_TRUE(dialog->OnPaint());
    EXPECT_EQ(c.x, v.icon_x()) << c.w;
    EXPECT_EQ(c.y, v.icon_y()) << c.h;
  }
}

TEST_F(DialogCommands, OnlyTheThreeGroupBoxesGetTheCaptionColour) {
  Start();
  for (int i = 0; i < kSetupControlCount; ++i) {
    int id = kSetupControls[i].id;
    unsigned long colour = 0;
    bool coloured = dialog->CaptionColour(id, &colour);
    bool expected = id == kGroupInstall || id == kGroupDiskette || id == kGroupCopy;
    EXPECT_EQ(expected, coloured) << id;
    if (coloured) EXPECT_EQ(0x00FD5460ul, colour);
  }
}

TEST(ControlTable, ViewsMatchTheTemplatesStartStates) {
  std::set<int> ids, shown, panel;
  for (int i = 0; i < kSetupControlCount; ++i) {
    const TemplateControl& c = kSetupControls[i];
    EXPECT_TRUE(ids.insert(c.id).second) << "duplicate id " << c.id;
    if (c.start == StartState::kShown) shown.insert(c.id);
    if (c.start == StartState::kPanel) panel.insert(c.id);
  }
  EXPECT_EQ(31, kSetupControlCount);
  EXPECT_EQ(std::set<int>(kMainViewControls, kMainViewControls + kMainViewControlCount), shown);
  EXPECT_EQ(std::set<int>(kDistributionPanelControls,
                          kDistributionPanelControls + kDistributionPanelControlCount),
            panel);
  EXPECT_EQ(15u, shown.size());
  EXPECT_EQ(15u, panel.size());
  EXPECT_EQ(kButtonInstall, kSetupControls[0].id);  // first tab stop: Install
  EXPECT_TRUE(kSetupControls[0].tab_stop);
}

TEST(ApplicationTitle, IsTheProgramFileNameWithoutFolderAndExtension) {
  EXPECT_EQ(Text("INSTALL"), ApplicationTitleOf("C:\\SETUP\\INSTALL.EXE"));
  EXPECT_EQ(Text("Install"), ApplicationTitleOf("A:\\Install.exe"));
  EXPECT_EQ(Text("setup.v2"), ApplicationTitleOf("C:\\dir.x\\setup.v2.exe"));
  EXPECT_EQ(Text("Install"), ApplicationTitleOf("Install"));
}

}  // namespace
