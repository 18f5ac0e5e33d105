#ifndef ENVIRONMENT_UI_TEXT_H
#define ENVIRONMENT_UI_TEXT_H

#include "environment/classify.h"

// A text of the interface in both languages: Korean on Korean systems, English on all others.
struct UiText {
  const char* korean;
  const char* english;
  const char* For(int ui_language) const { return ui_language == kUiKorean ? korean : english; }
};

#endif
