#ifndef INSTALL_INSTALL_MESSAGES_H
#define INSTALL_INSTALL_MESSAGES_H

#include "environment/ui_text.h"

// The Install command's messages. Texts with one language are shown in both.
extern const char kPackageMissing[];          // framework box
extern const UiText kReplacePrinter;           // question, caption the model name
extern const UiText kInstallCanceled;          // after No, and after a refused printer
extern const char kCannotDeleteFormat[];      // %u: system error number
extern const UiText kBlankAddressQuestion;     // question, caption the model name
extern const char kCreateProcessFailed[];     // followed by the system error number
extern const char kWaitFailed[];
extern const char kDriverRefusedFormat[];     // framework box; %u: system error number
extern const char kPrinterRefusedFormat[];    // %u: system error number
extern const UiText kInstallCompleted;         // caption the model name

#endif
