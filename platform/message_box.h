#ifndef PLATFORM_MESSAGE_BOX_H
#define PLATFORM_MESSAGE_BOX_H

// Message-box styles and results, with the values Windows gives them.
enum {
  kMbOk = 0x0,
  kMbOkCancel = 0x1,
  kMbYesNoCancel = 0x3,
  kMbYesNo = 0x4,
  kMbIconQuestion = 0x20,
  kMbIconExclamation = 0x30,
  kMbTypeMask = 0xF,
  kMbIconMask = 0xF0,
};

enum { kIdOk = 1, kIdCancel = 2, kIdYes = 6, kIdNo = 7 };

// The two kinds of message box the program shows.
enum class MessageBoxKind {
  kDialog,     // MessageBoxA owned by the dialog: the caption given, the application title if none
  kFramework,  // the application-level box: the application title, exclamation icon added
};

#endif
