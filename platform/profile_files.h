#ifndef PLATFORM_PROFILE_FILES_H
#define PLATFORM_PROFILE_FILES_H

#include "platform/text.h"

// Private-profile (INI) files, with the lookup rules of GetPrivateProfileStringA and friends:
// section and key names match without regard to case, the first match wins, blanks around names
// and values are dropped, and anything missing yields the default.
class ProfileFiles {
 public:
  virtual ~ProfileFiles() {}
  // GetPrivateProfileStringA into a buffer of buffer_size characters; a null default reads as
  // the empty text.
  virtual Text GetString(const char* file, const char* section, const char* key,
                         const char* default_value, int buffer_size) = 0;
  // GetPrivateProfileIntA.
  virtual unsigned GetInt(const char* file, const char* section, const char* key,
                          int default_value) = 0;
  // WritePrivateProfileStringA with a key and a value (never a deletion).
  virtual bool WriteString(const char* file, const char* section, const char* key,
                           const char* value) = 0;
};

#endif
