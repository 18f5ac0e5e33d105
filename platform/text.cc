#include "platform/text.h"

#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace {
char kEmpty[1] = {0};

// Out of memory leaves no sensible way on for a setup program; stop rather than write through NULL.
char* Allocate(size_t n) {
  char* p = static_cast<char*>(malloc(n));
  if (!p) abort();
  return p;
}
}  // namespace

Text::Text() : data_(kEmpty), size_(0) {}
Text::Text(const char* s) : data_(kEmpty), size_(0) { if (s) Assign(s, strlen(s)); }
Text::Text(const char* s, size_t n) : data_(kEmpty), size_(0) { Assign(s, n); }
Text::Text(const Text& other) : data_(kEmpty), size_(0) { Assign(other.data_, other.size_); }

Text& Text::operator=(const Text& other) {
  if (this != &other) Assign(other.data_, other.size_);
  return *this;
}

Text& Text::operator=(const char* s) {
  Text copy(s);  // s may point into this text
  Assign(copy.data_, copy.size_);
  return *this;
}

Text::~Text() {
  if (data_ != kEmpty) free(data_);
}

void Text::Assign(const char* s, size_t n) {
  char* fresh = kEmpty;
  if (n > 0) {
    fresh = Allocate(n + 1);
    memcpy(fresh, s, n);
    fresh[n] = 0;
  }
  if (data_ != kEmpty) free(data_);
  data_ = fresh;
  size_ = n;
}

Text& Text::operator+=(const char* s) {
  if (s) Append(s, strlen(s));
  return *this;
}

Text& Text::Append(const char* s, size_t n) {
  if (n == 0) return *this;
  char* fresh = Allocate(size_ + n + 1);
  memcpy(fresh, data_, size_);
  memcpy(fresh + size_, s, n);
  fresh[size_ + n] = 0;
  if (data_ != kEmpty) free(data_);
  data_ = fresh;
  size_ += n;
  return *this;
}

Text Text::Left(size_t n) const { return Text(data_, n < size_ ? n : size_); }

Text Text::Mid(size_t i) const { return i >= size_ ? Text() : Text(data_ + i, size_ - i); }

bool Text::StartsWith(const char* prefix) const {
  size_t n = strlen(prefix);
  return n <= size_ && memcmp(data_, prefix, n) == 0;
}

Text Text::Format(const char* fmt, ...) {
  char small[256];
  va_list args;
  va_start(args, fmt);
  int n = vsnprintf(small, sizeof small, fmt, args);
  va_end(args);
  if (n < 0) return Text();
  if (static_cast<size_t>(n) < sizeof small) return Text(small, n);
  char* big = Allocate(n + 1);
  va_start(args, fmt);
  vsnprintf(big, n + 1, fmt, args);
  va_end(args);
  Text result(big, n);
  free(big);
  return result;
}

Text operator+(const Text& a, const Text& b) { Text r(a); r += b; return r; }
Text operator+(const Text& a, const char* b) { Text r(a); r += b; return r; }
Text operator+(const char* a, const Text& b) { Text r(a); r += b; return r; }
bool operator==(const Text& a, const Text& b) {
  return a.size() == b.size() && memcmp(a.c_str(), b.c_str(), a.size()) == 0;
}
bool operator==(const Text& a, const char* b) { return strcmp(a.c_str(), b ? b : "") == 0; }
