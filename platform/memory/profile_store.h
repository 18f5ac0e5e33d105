#ifndef PLATFORM_MEMORY_PROFILE_STORE_H
#define PLATFORM_MEMORY_PROFILE_STORE_H

#include "platform/profile_files.h"
#include "platform/text.h"

// Where profile files live when Windows does not keep them: the bytes of a file by path.
class ProfileStorage {
 public:
  virtual ~ProfileStorage() {}
  // The whole file; false when it does not exist or cannot be read.
  virtual bool Read(const char* path, Text* bytes) = 0;
  // Replaces the whole file in one step, so that a crash midway leaves the old file or the new
  // one, never a mixture.
  virtual bool Replace(const char* path, const Text& bytes) = 0;
};

// Profile files read and written as GetPrivateProfileStringA, GetPrivateProfileIntA and
// WritePrivateProfileStringA do on Windows, over any storage.
class StoredProfileFiles : public ProfileFiles {
 public:
  explicit StoredProfileFiles(ProfileStorage& storage) : storage_(storage) {}
  Text GetString(const char* file, const char* section, const char* key,
                 const char* default_value, int buffer_size) override;
  unsigned GetInt(const char* file, const char* section, const char* key,
                  int default_value) override;
  bool WriteString(const char* file, const char* section, const char* key,
                   const char* value) override;

 private:
  ProfileStorage& storage_;
};

// Real files on Linux; Replace writes a temporary file beside the target and renames it over.
class PosixProfileStorage : public ProfileStorage {
 public:
  bool Read(const char* path, Text* bytes) override;
  bool Replace(const char* path, const Text& bytes) override;
};

#endif
