#include "dialog/setup_dialog.h"

#include "dialog/control_ids.h"
#include "dialog/control_table.h"
#include "dialog/dialog_texts.h"
#include "dialog/setup_app.h"
#include "dialog/views.h"
#include "environment/paths.h"
#include "environment/section_tables.h"
#include "distribution/diskette_maker.h"
#include "distribution/driver_copy.h"
#include "install/install_command.h"
#include "platform/disk.h"
#include "platform/message_box.h"
#include "platform/processes.h"
#include "platform/system_info.h"

namespace {
// GetModuleFileNameA's buffer, in characters.
const int kModulePathBuffer = 250;
// Caption colour of the three coloured group boxes (COLORREF: red 96, green 84, blue 253).
const unsigned long kGroupCaptionColour = 0x00FD5460;

const UiText kNotSupportedFunction = {"현재 버전에서는 이 기능을 지원하지 않습니다.",
                                      "This function is not supported by this version."};

// The control members in declaration order, each bound to the control of its id.
const int kBoundControls[] = {
    kCheckTcpIpPort,  kNoteAddress,      kGroupAddress,     kAddress,         kComboCopyOs,
    kLabelCopyOs,     kLabelDisketteOs,  kLabelDrive,       kEditTargetFolder, kComboDisketteOs,
    kComboDrive,      kGroupInstall,     kGroupDiskette,    kGroupCopy,       kLabelTargetFolder,
    kEditModelName,   kProgressBar,      kCheckDefaultPrinter, kCheckOpenFolder, kLabelModel,
    kLabelOs,         kEditOsName,       kButtonInstall,    kButtonExit,      kButtonOpenFolder,
    kButtonAdvanced,  kButtonBrowse,     kButtonPanelExit,  kButtonMakeDiskette, kButtonCopy,
    kButtonBack,
};

struct Route {
  int id;
  int code;
  void (SetupDialog::*handler)();
};
}  // namespace

SetupDialog::SetupDialog(const Platform& platform)
    : FrameworkDialog(kSetupDialogTemplate),
      platform_(platform),
      application_(nullptr),
      diskette_origin_(0) {}

SetupDialog::~SetupDialog() {}

void SetupDialog::DoDataExchange(DataExchange& exchange) {
  for (int id : kBoundControls) exchange.Control(id);
}

bool SetupDialog::OnInitDialog() {
  FrameworkDialog::OnInitDialog();
  View().SetProgramIcons();

  // An unsupported processor ends the process here, before any text, path or configuration work.
  if (!DetectEnvironment(*platform_.system, *platform_.processes, View(), &environment_)) {
    return true;
  }

  program_folder_ = FolderOfPath(platform_.system->ModulePath(kModulePathBuffer));
  application_ = static_cast<SetupApp*>(FrameworkApp::Current());
  if (environment_.ui_language == kUiEnglish) {
    SetEnglishTexts(kEnglishMainViewTexts, kEnglishMainViewTextCount);
  }
  setup_ini_path_ = program_folder_ + "\\SETUP.INI";
  makedisk_ini_path_ = program_folder_ + "\\MakeDisk.INI";
  application_->profile().SetActiveProfile(setup_ini_path_.c_str());
  ReadModelNameAndCaption();
  View().SetText(kEditModelName, model_name_.c_str());

  View().SetCheck(kCheckDefaultPrinter, 1);
  View().SetCheck(kCheckOpenFolder, 1);
  View().SetCheck(kCheckTcpIpPort, 0);

  if (environment_.ui_language == kUiEnglish) {
    SetEnglishTexts(kEnglishPanelTexts, kEnglishPanelTextCount);
  }
  FillGenerationList(kComboDisketteOs, kDiskettePrompt);
  FillGenerationList(kComboCopyOs, kCopyPrompt);
  FillDriveList();
  DecideDisketteOrigin();
  return true;
}

void SetupDialog::SetEnglishTexts(const EnglishControlText* texts, int count) {
  for (int i = 0; i < count; ++i) View().SetText(texts[i].id, texts[i].text);
}

void SetupDialog::ReadModelNameAndCaption() {
  const char* key = environment_.ui_language == kUiEnglish ? "EnglishModelName" : "ModelName";
  model_name_ = application_->profile().ReadProfileString("MODEL", key, nullptr);
  View().SetCaption((model_name_ + kCaptionSuffix.For(environment_.ui_language)).c_str());
}

void SetupDialog::FillGenerationList(int list_id, const char* prompt) {
  View().ResetList(list_id);
  View().AddListEntry(list_id, prompt);
  for (int i = 1; i < kGenerationListSize; ++i) View().AddListEntry(list_id, kGenerationList[i].text);
  View().SelectListEntry(list_id, 0);
}

void SetupDialog::FillDriveList() {
  View().ResetList(kComboDrive);
  if (platform_.disk->DriveType("a:\\") == kDriveRemovable) View().AddListEntry(kComboDrive, kDriveAEntry);
  if (platform_.disk->DriveType("b:\\") == kDriveRemovable) View().AddListEntry(kComboDrive, kDriveBEntry);
  View().SelectListEntry(kComboDrive, 0);
}

// A current directory without MakeDisk.INI means the program runs from an install diskette,
// which carries one generation's package, named by FileName.
void SetupDialog::DecideDisketteOrigin() {
  if (platform_.disk->CanOpenForReading("MakeDisk.INI")) {
    diskette_origin_ = 0;
    return;
  }
  copy_package_file_ =
      application_->profile().ReadProfileString("OSforInstallDiskette", "FileName", nullptr);
  if (const DisketteFileName* row = FindDisketteFileName(copy_package_file_)) {
    View().ResetList(kComboCopyOs);
    View().AddListEntry(kComboCopyOs, row->entry);
    View().SelectListEntry(kComboCopyOs, 0);
    copy_os_section_ = row->section;
  }
  diskette_origin_ = 1;
}

bool SetupDialog::OnCommand(int id, int code) {
  static const Route kRoutes[] = {
      {kButtonOpenFolder, kBnClicked, &SetupDialog::OnOpenPrinterFolder},
      {kButtonInstall, kBnClicked, &SetupDialog::OnInstall},
      {kButtonAdvanced, kBnClicked, &SetupDialog::OnAdvanced},
      {kButtonBack, kBnClicked, &SetupDialog::OnBack},
      {kButtonPanelExit, kBnClicked, &SetupDialog::OnPanelExit},
      {kButtonMakeDiskette, kBnClicked, &SetupDialog::OnMakeDiskette},
      {kButtonBrowse, kBnClicked, &SetupDialog::OnBrowse},
      {kButtonCopy, kBnClicked, &SetupDialog::OnCopy},
      {kComboDisketteOs, kCbnSelChange, &SetupDialog::OnDisketteListChanged},
      {kComboCopyOs, kCbnSelChange, &SetupDialog::OnCopyListChanged},
  };
  for (const Route& route : kRoutes) {
    if (route.id == id && route.code == code) {
      (this->*route.handler)();
      return true;
    }
  }
  return false;
}

// Enter is caught here for the controls whose own command it should run, so that the dialog's
// keyboard handling never turns it into the default command (Install). Returning false without
// the base handling delivers the key to the control as an ordinary key press.
bool SetupDialog::PreTranslateMessage(const InputMessage& message) {
  if (message.message == kWmKeyDown && message.key == kVkReturn) {
    switch (message.control_id) {
      case kEditTargetFolder:
        OnCopy();
        return false;
      case kButtonExit:
        View().RequestClose();
        return false;
      case kButtonOpenFolder:
        OnOpenPrinterFolder();
        return false;
      case kButtonAdvanced:
        OnAdvanced();
        return false;
      default:
        break;
    }
  }
  return FrameworkDialog::PreTranslateMessage(message);
}

bool SetupDialog::OnPaint() {
  if (!View().IsMinimised()) return false;
  int client_w, client_h, icon_w, icon_h;
  View().ClientSize(&client_w, &client_h);
  View().IconSize(&icon_w, &icon_h);
  View().PaintIcon((client_w - icon_w + 1) / 2, (client_h - icon_h + 1) / 2);
  return true;
}

bool SetupDialog::CaptionColour(int id, unsigned long* colour) {
  if (id != kGroupInstall && id != kGroupDiskette && id != kGroupCopy) return false;
  *colour = kGroupCaptionColour;
  return true;
}

void SetupDialog::OnOpenPrinterFolder() {
  platform_.processes->StartCommand("control.exe printers", kShowShow);
}

void SetupDialog::OnAdvanced() {
  if (environment_.ui_language == kUiKorean) {
    View().MessageBox(kNotSupportedFunction.korean, model_name_.c_str(), kMbOk);
  } else {
    View().MessageBox(kNotSupportedFunction.english, nullptr, kMbOk);
  }
}

void SetupDialog::OnBack() {
  for (int i = 0; i < kDistributionPanelControlCount; ++i) {
    View().Show(kDistributionPanelControls[i], false);
  }
  for (int i = 0; i < kMainViewControlCount; ++i) View().Show(kMainViewControls[i], true);
  View().Enable(kButtonInstall, true);
  application_->profile().SetActiveProfile(setup_ini_path_.c_str());
  ReadModelNameAndCaption();
}

void SetupDialog::OnPanelExit() { View().RequestClose(); }

// The prompt and the two separators name no generation; choosing a separator goes back to the
// prompt. Selecting from the program raises no further selection change.
void SetupDialog::OnSeparatorGuard(int list_id) {
  int selection = View().ListSelection(list_id);
  if (selection == 1 || selection == 6) View().SelectListEntry(list_id, 0);
}

void SetupDialog::OnDisketteListChanged() { OnSeparatorGuard(kComboDisketteOs); }
void SetupDialog::OnCopyListChanged() { OnSeparatorGuard(kComboCopyOs); }

void SetupDialog::OnInstall() {
  InstallContext context = {View(), platform_, application_->profile(), environment_, model_name_};
  RunInstallCommand(context);
}
DistributionContext SetupDialog::Distribution() {
  return DistributionContext{View(),          platform_,          application_->profile(),
                             environment_,    program_folder_,    setup_ini_path_,
                             makedisk_ini_path_, diskette_origin_, copy_os_section_,
                             target_folder_,  copy_package_file_};
}

void SetupDialog::OnMakeDiskette() {
  DistributionContext context = Distribution();
  RunMakeDiskette(context);
}

void SetupDialog::OnBrowse() {
  DistributionContext context = Distribution();
  RunBrowse(context);
}

void SetupDialog::OnCopy() {
  DistributionContext context = Distribution();
  RunCopy(context);
}
