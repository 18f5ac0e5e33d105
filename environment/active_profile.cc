#include "environment/active_profile.h"

#include "platform/profile_files.h"

namespace {
// Values are read into a buffer of this many characters, so at most 4095 come back.
const int kValueBufferSize = 4096;
}

Text ActiveProfile::ReadProfileString(const char* section, const char* key,
                                      const char* default_value) const {
  return files_.GetString(path_.c_str(), section, key, default_value, kValueBufferSize);
}

unsigned ActiveProfile::ReadProfileInt(const char* section, const char* key,
                                       int default_value) const {
  return files_.GetInt(path_.c_str(), section, key, default_value);
}

void ActiveProfile::WriteProfileEntry(const char* section, const char* key, const char* value) {
  files_.WriteString(path_.c_str(), section, key, value);
}
