// profile_probe_host: the Linux twin of tests/wine/profile_probe.exe. Same command line, same
// answers, but from StoredProfileFiles over real files, so that compare-profiles.sh can diff
// the two outputs and the files they write.
//
// The query driver is the one of the Windows probe, taken in whole: with a single copy, any
// difference between the outputs comes from the profile functions and not from the probes.
#define PROFILE_PROBE_DRIVER_ONLY
#include "tests/wine/profile_probe.cc"

#include "platform/memory/profile_store.h"

namespace {

class HostProfiles : public probe::ProbeTarget {
 public:
  HostProfiles() : files_(storage_) {}
  void UseFile(const char* path) override { path_ = path; }
  int GetString(const char* section, const char* key, const char* default_value, int buffer_size,
                std::string* value) override {
    Text text = files_.GetString(path_.c_str(), section, key, default_value, buffer_size);
    value->assign(text.c_str(), text.size());
    return static_cast<int>(text.size());
  }
  unsigned GetInt(const char* section, const char* key, int default_value) override {
    return files_.GetInt(path_.c_str(), section, key, default_value);
  }
  bool WriteString(const char* section, const char* key, const char* value) override {
    return files_.WriteString(path_.c_str(), section, key, value);
  }

 private:
  PosixProfileStorage storage_;
  StoredProfileFiles files_;
  std::string path_;
};

}  // namespace

int main(int argc, char** argv) {
  HostProfiles profiles;
  return probe::Run(argc, argv, profiles);
}
