#ifndef DIALOG_DIALOG_TEXTS_H
#define DIALOG_DIALOG_TEXTS_H

#include "environment/ui_text.h"

// English texts that replace the template's Korean ones when the interface is English, in the
// order they are set. The main view's come first, at one point of initialisation; the
// distribution panel's later, at another.
struct EnglishControlText {
  int id;
  const char* text;
};

extern const EnglishControlText kEnglishMainViewTexts[];
extern const int kEnglishMainViewTextCount;
extern const EnglishControlText kEnglishPanelTexts[];
extern const int kEnglishPanelTextCount;

// Follows the model name in the dialog caption; begins with three blanks.
extern const UiText kCaptionSuffix;

// Entry 0 of the two generation lists.
extern const char kDiskettePrompt[];
extern const char kCopyPrompt[];

// The floppy list's entries, each with two leading blanks.
extern const char kDriveAEntry[];
extern const char kDriveBEntry[];

#endif
