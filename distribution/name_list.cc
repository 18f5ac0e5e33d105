#include "distribution/name_list.h"

#include <string.h>

NameList::NameList() : used_(0) { memset(bytes_, 0, sizeof bytes_); }

bool NameList::Add(const char* name, size_t length) {
  // The name, its NUL, and the NUL of the empty name after it.
  if (used_ + length + 2 > kSize) return false;
  memcpy(bytes_ + used_, name, length);
  used_ += length + 1;
  return true;
}
