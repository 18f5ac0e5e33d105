#ifndef PLATFORM_TEXT_H
#define PLATFORM_TEXT_H

#include <stddef.h>

// The program's string: an owned, NUL-terminated run of ANSI bytes (code page 949 on Korean
// systems). Deliberately small: no exceptions, no iostreams, nothing of the C++ runtime beyond
// malloc, so that the Windows build stays a few dozen kilobytes.
class Text {
 public:
  Text();
  Text(const char* s);  // NOLINT: implicit on purpose, like the framework's string class
  Text(const char* s, size_t n);
  Text(const Text& other);
  Text& operator=(const Text& other);
  Text& operator=(const char* s);
  ~Text();

  const char* c_str() const { return data_; }
  size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  char operator[](size_t i) const { return data_[i]; }

  Text& operator+=(const Text& s) { return Append(s.data_, s.size_); }
  Text& operator+=(const char* s);
  Text& operator+=(char c) { return Append(&c, 1); }
  Text& Append(const char* s, size_t n);

  // The first n bytes (all when n is larger).
  Text Left(size_t n) const;
  // From byte i to the end (empty when i is past the end).
  Text Mid(size_t i) const;

  bool StartsWith(const char* prefix) const;

  // printf-style formatting; the result may be of any length.
  static Text Format(const char* fmt, ...)
#if defined(__GNUC__)
      __attribute__((format(printf, 1, 2)))
#endif
      ;

 private:
  void Assign(const char* s, size_t n);
  char* data_;
  size_t size_;
};

Text operator+(const Text& a, const Text& b);
Text operator+(const Text& a, const char* b);
Text operator+(const char* a, const Text& b);
bool operator==(const Text& a, const Text& b);
bool operator==(const Text& a, const char* b);
inline bool operator!=(const Text& a, const Text& b) { return !(a == b); }
inline bool operator!=(const Text& a, const char* b) { return !(a == b); }

#endif
