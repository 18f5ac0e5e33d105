#ifndef DIALOG_CONTROL_TABLE_H
#define DIALOG_CONTROL_TABLE_H

#include "platform/dialog_framework.h"

// Dialog template 102: the setup dialog's 31 controls in template order.
extern const TemplateControl kSetupControls[];
extern const int kSetupControlCount;
extern const DialogTemplate kSetupDialogTemplate;

enum { kSetupDialogId = 102, kProgramIconId = 128 };

// The template's caption, replaced during initialisation.
extern const char kSetupTemplateCaption[];

#endif
