#include "platform/memory/profile_store.h"

#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "platform/memory/profile_text.h"

// A file that cannot be read counts as missing: Windows too answers with the defaults then,
// and a write starts a new file.
Text StoredProfileFiles::GetString(const char* file, const char* section, const char* key,
                                   const char* default_value, int buffer_size) {
  Text bytes;
  if (!storage_.Read(file, &bytes)) bytes = Text();
  return profile_text::GetString(bytes, section, key, default_value, buffer_size);
}

unsigned StoredProfileFiles::GetInt(const char* file, const char* section, const char* key,
                                    int default_value) {
  Text bytes;
  if (!storage_.Read(file, &bytes)) bytes = Text();
  return profile_text::GetInt(bytes, section, key, default_value);
}

bool StoredProfileFiles::WriteString(const char* file, const char* section, const char* key,
                                     const char* value) {
  if (!file || !section || !key || !value) return false;
  Text bytes;
  if (!storage_.Read(file, &bytes)) bytes = Text();
  bool changed = false;
  Text updated = profile_text::WithString(bytes, section, key, value, &changed);
  // Windows leaves the file alone when the key already holds the value.
  if (!changed) return true;
  return storage_.Replace(file, updated);
}

namespace {

bool WriteAll(int fd, const Text& bytes) {
  const char* p = bytes.c_str();
  size_t left = bytes.size();
  while (left > 0) {
    ssize_t n = write(fd, p, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    p += n;
    left -= static_cast<size_t>(n);
  }
  return true;
}

// A name beside the target that no other writer picks: the process id and a counter.
std::string TemporaryName(const char* path) {
  static unsigned counter = 0;
  return std::string(path) + "." + std::to_string(getpid()) + "." + std::to_string(++counter) +
         ".tmp";
}

// Opens a fresh temporary file beside path; the mode asked for is that of a new file (0666
// less the umask), as the replaced file would have had if it were new.
int CreateTemporary(const char* path, std::string* name) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    *name = TemporaryName(path);
    int fd = open(name->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// The new bytes reach the disk before the rename, so that after a crash the name holds the
// old file or the whole new one.
bool FillTemporary(int fd, const char* path, const Text& bytes) {
  struct stat old_file;
  if (stat(path, &old_file) == 0 && fchmod(fd, old_file.st_mode & 07777) != 0) return false;
  return WriteAll(fd, bytes) && fsync(fd) == 0;
}

// The rename itself is recorded by the folder; syncing it is best effort, as some file systems
// refuse fsync on a folder.
void SyncFolderOf(const std::string& path) {
  size_t slash = path.rfind('/');
  std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
  int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

bool PosixProfileStorage::Read(const char* path, Text* bytes) {
  int fd = open(path, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  std::string content;
  char chunk[65536];
  bool ok = true;
  for (;;) {
    ssize_t n = read(fd, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ok = false;
    if (n <= 0) break;
    content.append(chunk, static_cast<size_t>(n));
  }
  close(fd);
  if (ok) *bytes = Text(content.data(), content.size());
  return ok;
}

bool PosixProfileStorage::Replace(const char* path, const Text& bytes) {
  std::string temporary;
  int fd = CreateTemporary(path, &temporary);
  if (fd < 0) return false;
  bool written = FillTemporary(fd, path, bytes);
  bool closed = close(fd) == 0;
  if (!written || !closed || rename(temporary.c_str(), path) != 0) {
    unlink(temporary.c_str());
    return false;
  }
  SyncFolderOf(path);
  return true;
}
