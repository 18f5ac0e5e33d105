#ifndef DIALOG_SETUP_DIALOG_H
#define DIALOG_SETUP_DIALOG_H

#include "distribution/distribution_context.h"
#include "environment/detect_environment.h"
#include "platform/dialog_framework.h"
#include "platform/platform.h"
#include "platform/text.h"

class SetupApp;

// The setup dialog: template 102, the program's one window.
class SetupDialog : public FrameworkDialog {
 public:
  explicit SetupDialog(const Platform& platform);
  ~SetupDialog() override;

  bool PreTranslateMessage(const InputMessage& message) override;
  bool OnPaint() override;
  bool CaptionColour(int id, unsigned long* colour) override;

  // What the commands work with.
  SetupApp* application() const { return application_; }
  const Platform& platform() const { return platform_; }
  int diskette_origin() const { return diskette_origin_; }
  const SetupEnvironment& environment() const { return environment_; }
  const Text& program_folder() const { return program_folder_; }
  const Text& model_name() const { return model_name_; }
  const Text& setup_ini_path() const { return setup_ini_path_; }
  const Text& makedisk_ini_path() const { return makedisk_ini_path_; }
  Text& copy_os_section() { return copy_os_section_; }
  Text& target_folder() { return target_folder_; }
  Text& copy_package_file() { return copy_package_file_; }

  // The commands of the routing table.
  void OnOpenPrinterFolder();
  void OnInstall();
  void OnAdvanced();
  void OnBack();
  void OnPanelExit();
  void OnSeparatorGuard(int list_id);
  void OnDisketteListChanged();
  void OnCopyListChanged();
  void OnMakeDiskette();
  void OnBrowse();
  void OnCopy();

 protected:
  void DoDataExchange(DataExchange& exchange) override;
  bool OnInitDialog() override;
  bool OnCommand(int id, int code) override;

 private:
  DistributionContext Distribution();
  void SetEnglishTexts(const struct EnglishControlText* texts, int count);
  void ReadModelNameAndCaption();
  void FillGenerationList(int list_id, const char* prompt);
  void FillDriveList();
  void DecideDisketteOrigin();

  Platform platform_;
  SetupApp* application_;
  int diskette_origin_;
  SetupEnvironment environment_;
  Text program_folder_;
  Text model_name_;
  Text setup_ini_path_;
  Text makedisk_ini_path_;
  Text copy_os_section_;
  Text target_folder_;
  Text copy_package_file_;
};

#endif
