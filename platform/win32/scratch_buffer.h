#ifndef PLATFORM_WIN32_SCRATCH_BUFFER_H
#define PLATFORM_WIN32_SCRATCH_BUFFER_H

#include <stdlib.h>

// A character buffer of the size a caller asks Windows to fill, freed on leaving the scope.
// Out of memory leaves no sensible way on for a setup program, as in platform/text.cc.
class ScratchBuffer {
 public:
  explicit ScratchBuffer(int size) : size_(size > 0 ? size : 1) {
    data_ = static_cast<char*>(malloc(size_));
    if (!data_) abort();
    data_[0] = 0;
  }
  ~ScratchBuffer() { free(data_); }
  ScratchBuffer(const ScratchBuffer&) = delete;
  ScratchBuffer& operator=(const ScratchBuffer&) = delete;

  char* data() { return data_; }
  int size() const { return size_; }

 private:
  char* data_;
  int size_;
};

#endif
