#ifndef TESTS_UNIT_TEXT_PRINTER_H
#define TESTS_UNIT_TEXT_PRINTER_H

#include <ostream>

#include "platform/text.h"

// Lets GoogleTest show a Text in failure messages (bytes as they are).
inline void PrintTo(const Text& text, std::ostream* out) {
  *out << '"' << std::string(text.c_str(), text.size()) << '"';
}

#endif
