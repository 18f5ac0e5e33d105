#include "dialog/views.h"

#include "dialog/control_ids.h"

const int kDistributionPanelControls[] = {
    kGroupDiskette,     kLabelDisketteOs, kComboDisketteOs,  kLabelDrive,    kComboDrive,
    kButtonMakeDiskette, kGroupCopy,      kLabelCopyOs,      kComboCopyOs,   kLabelTargetFolder,
    kButtonBrowse,      kEditTargetFolder, kButtonCopy,      kButtonBack,    kButtonPanelExit,
};
const int kDistributionPanelControlCount =
    sizeof kDistributionPanelControls / sizeof kDistributionPanelControls[0];

const int kMainViewControls[] = {
    kCheckDefaultPrinter, kCheckOpenFolder, kCheckTcpIpPort, kEditModelName, kLabelModel,
    kLabelOs,             kEditOsName,      kButtonOpenFolder, kButtonAdvanced, kGroupInstall,
    kButtonInstall,       kButtonExit,      kNoteAddress,    kGroupAddress,  kAddress,
};
const int kMainViewControlCount = sizeof kMainViewControls / sizeof kMainViewControls[0];
