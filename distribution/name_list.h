#ifndef DISTRIBUTION_NAME_LIST_H
#define DISTRIBUTION_NAME_LIST_H

#include <stddef.h>

// The shell's file lists: NUL-terminated names one after the other, ended by an empty name, in
// a buffer of fixed size that starts out all zero.
class NameList {
 public:
  enum { kSize = 1024 };
  NameList();
  // Appends a name and its NUL; false, leaving the list as it was, when the name and the empty
  // name that ends the list would not fit.
  bool Add(const char* name, size_t length);
  const char* data() const { return bytes_; }
  size_t size() const { return kSize; }

 private:
  char bytes_[kSize];
  size_t used_;
};

#endif
