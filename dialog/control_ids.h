#ifndef DIALOG_CONTROL_IDS_H
#define DIALOG_CONTROL_IDS_H

// Resource ids of the setup dialog's controls.
enum SetupControlId {
  kButtonInstall = 1,  // IDOK
  kButtonExit = 2,     // IDCANCEL
  kButtonOpenFolder = 3,
  kButtonAdvanced = 4,
  kEditOsName = 1000,
  kEditModelName = 1001,
  kCheckDefaultPrinter = 1002,
  kCheckOpenFolder = 1003,
  kLabelOs = 1004,
  kLabelModel = 1005,
  kCheckTcpIpPort = 1006,
  kProgressBar = 1007,
  kGroupInstall = 1010,
  kGroupDiskette = 1012,
  kGroupCopy = 1013,
  kLabelDisketteOs = 1014,
  kLabelDrive = 1015,
  kComboDisketteOs = 1016,
  kComboDrive = 1017,
  kButtonMakeDiskette = 1018,
  kLabelTargetFolder = 1019,
  kEditTargetFolder = 1020,
  kButtonBrowse = 1021,
  kButtonCopy = 1022,
  kButtonBack = 1023,
  kButtonPanelExit = 1024,
  kLabelCopyOs = 1025,
  kComboCopyOs = 1026,
  kAddress = 1034,
  kGroupAddress = 1035,
  kNoteAddress = 1036,
};

#endif
