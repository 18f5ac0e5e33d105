#ifndef DISTRIBUTION_DISTRIBUTION_MESSAGES_H
#define DISTRIBUTION_DISTRIBUTION_MESSAGES_H

#include "environment/ui_text.h"

// Messages of the diskette maker and the driver-file copy. Where a message has one text, both
// languages show it.
extern const UiText kDisketteOsNotSelected;
extern const UiText kCopyOsNotSelected;
extern const UiText kNoMakeDiskIni;
extern const UiText kNoSetupIni;
extern const UiText kNoDiskette;
extern const UiText kNoInstallFile;
extern const UiText kFormatQuestion;
extern const UiText kDisketteCopyError;
extern const UiText kDisketteDone;
extern const UiText kSameDiskette;
extern const UiText kCopyCanceled;
extern const UiText kCopyDone;
extern const UiText kBrowseTitle;
// Where the program meets a case no other message covers.
extern const UiText kNoFloppyDrive;
extern const UiText kNamesTooLong;
extern const UiText kNoTargetFolder;

#endif
