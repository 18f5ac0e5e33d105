#ifndef ENVIRONMENT_ACTIVE_PROFILE_H
#define ENVIRONMENT_ACTIVE_PROFILE_H

#include "platform/text.h"

class ProfileFiles;

// The one profile file every configuration read and write goes to.
class ActiveProfile {
 public:
  explicit ActiveProfile(ProfileFiles& files) : files_(files) {}

  void SetActiveProfile(const char* path) { path_ = path; }
  const Text& path() const { return path_; }

  // The key's value (at most 4095 characters), or the default (empty for a null default) when the
  // file, section or key is missing.
  Text ReadProfileString(const char* section, const char* key, const char* default_value) const;
  // The key's value read as GetPrivateProfileIntA does, or the default when the key is missing.
  unsigned ReadProfileInt(const char* section, const char* key, int default_value) const;
  // Writes key=value, creating the file, section or key as needed. No caller looks at the result.
  void WriteProfileEntry(const char* section, const char* key, const char* value);

 private:
  ProfileFiles& files_;
  Text path_;
};

#endif
