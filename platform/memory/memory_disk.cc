#include "platform/memory/memory_disk.h"

#include "platform/memory/memory_system.h"

#include <ctype.h>
#include <string.h>

namespace {
const unsigned kErrorFileNotFound = 2;
const unsigned kErrorPathNotFound = 3;

int DriveIndex(const char* root) {
  if (!root || !isalpha(static_cast<unsigned char>(root[0])) || root[1] != ':') return -1;
  return toupper(static_cast<unsigned char>(root[0])) - 'A';
}
}  // namespace

MemoryDisk::MemoryDisk() : current_directory_("C:\\SETUP"), last_error_(0) {
  for (int i = 0; i < 26; ++i) {
    drive_types_[i] = kDriveNoRootDir;
    has_free_space_[i] = false;
    free_space_[i] = 0;
  }
  SetDriveType('C', kDriveFixed);
  SetFreeSpace('C', 1ull << 32);
  for (int i = 0; i < kOperationCount; ++i) {
    fail_error_[i] = 0;
    counts_[i] = 0;
  }
}

Text MemoryDisk::FullPath(const char* path) const {
  Text p(path);
  if (p.size() >= 2 && p[1] == ':') return p;
  if (p.StartsWith("\\\\")) return p;
  if (p.StartsWith("\\")) return current_directory_.Left(2) + p;
  Text base = current_directory_;
  if (!base.empty() && base[base.size() - 1] != '\\') base += "\\";
  return base + p;
}

std::string MemoryDisk::Key(const Text& full_path) {
  std::string key(full_path.c_str(), full_path.size());
  for (char& c : key) {
    c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    if (c == '/') c = '\\';
  }
  return key;
}

bool MemoryDisk::Failing(Operation operation) {
  ++counts_[operation];
  if (fail_error_[operation] == 0) return false;
  last_error_ = fail_error_[operation];
  fail_error_[operation] = 0;
  return true;
}

void MemoryDisk::FailNext(Operation operation, unsigned error_number) {
  fail_error_[operation] = error_number;
}

void MemoryDisk::AddFile(const char* path, const Text& bytes) {
  Text full = FullPath(path);
  files_[Key(full)] = File{full, bytes};
}

void MemoryDisk::AddDirectory(const char* path) { directories_[Key(FullPath(path))] = true; }

bool MemoryDisk::DirectoryExists(const Text& full_path) const {
  std::string key = Key(full_path);
  while (!key.empty() && key.back() == '\\') key.pop_back();
  if (key.size() == 2 && key[1] == ':') return true;
  if (directories_.count(key)) return true;
  std::string prefix = key + "\\";
  auto it = files_.lower_bound(prefix);
  return it != files_.end() && it->first.compare(0, prefix.size(), prefix) == 0;
}

bool MemoryDisk::Exists(const char* path) { return files_.count(Key(FullPath(path))) != 0; }

Text MemoryDisk::Contents(const char* path) {
  auto it = files_.find(Key(FullPath(path)));
  return it == files_.end() ? Text() : it->second.bytes;
}

void MemoryDisk::Remove(const char* path) { files_.erase(Key(FullPath(path))); }

void MemoryDisk::SetDriveType(char letter, unsigned type) {
  drive_types_[toupper(static_cast<unsigned char>(letter)) - 'A'] = type;
}

void MemoryDisk::SetFreeSpace(char letter, uint64_t bytes) {
  int i = toupper(static_cast<unsigned char>(letter)) - 'A';
  has_free_space_[i] = true;
  free_space_[i] = bytes;
}

std::vector<Text> MemoryDisk::Files() const {
  std::vector<Text> names;
  for (const auto& entry : files_) names.push_back(entry.second.path);
  return names;
}

bool MemoryDisk::CanOpenForReading(const char* path) {
  if (Failing(kOpen)) return false;
  if (Exists(path)) return true;
  last_error_ = kErrorFileNotFound;
  return false;
}

int64_t MemoryDisk::FileLength(const char* path) {
  if (Failing(kOpen)) return -1;
  auto it = files_.find(Key(FullPath(path)));
  if (it == files_.end()) {
    last_error_ = kErrorFileNotFound;
    return -1;
  }
  return static_cast<int64_t>(it->second.bytes.size());
}

unsigned MemoryDisk::DriveType(const char* root) {
  int i = DriveIndex(root);
  return i < 0 ? kDriveNoRootDir : drive_types_[i];
}

bool MemoryDisk::CopyFile(const char* from, const char* to) {
  if (Failing(kCopy)) return false;
  auto it = files_.find(Key(FullPath(from)));
  if (it == files_.end()) {
    last_error_ = kErrorFileNotFound;
    return false;
  }
  Text target = FullPath(to);
  size_t slash = 0;
  for (size_t i = 0; i < target.size(); ++i) {
    if (IsLeadByteIn(code_page, static_cast<unsigned char>(target[i]))) {
      ++i;
    } else if (target[i] == '\\') {
      slash = i;
    }
  }
  if (!DirectoryExists(target.Left(slash))) {
    last_error_ = kErrorPathNotFound;
    return false;
  }
  AddFile(to, it->second.bytes);
  return true;
}

bool MemoryDisk::DeleteFile(const char* path) {
  if (Failing(kDelete)) return false;
  if (files_.erase(Key(FullPath(path))) == 0) {
    last_error_ = kErrorFileNotFound;
    return false;
  }
  return true;
}

bool MemoryDisk::FreeSpace(const char* root, uint64_t* free_bytes) {
  if (Failing(kFreeSpace)) return false;
  int i = DriveIndex(root);
  if (i < 0 || !has_free_space_[i]) {
    last_error_ = kErrorPathNotFound;
    return false;
  }
  *free_bytes = free_space_[i];
  return true;
}

bool MemoryDisk::Read(const char* path, Text* bytes) {
  if (Failing(kRead)) return false;
  auto it = files_.find(Key(FullPath(path)));
  if (it == files_.end()) return false;
  *bytes = it->second.bytes;
  return true;
}

bool MemoryDisk::Replace(const char* path, const Text& bytes) {
  if (Failing(kReplace)) return false;
  AddFile(path, bytes);
  return true;
}
