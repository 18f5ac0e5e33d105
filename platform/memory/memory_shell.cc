#include "platform/memory/memory_shell.h"

#include <string.h>

namespace {
std::vector<std::string> Names(const char* list, size_t size) {
  std::vector<std::string> names;
  size_t i = 0;
  while (i < size && list[i] != 0) {
    size_t n = strnlen(list + i, size - i);
    names.push_back(std::string(list + i, n));
    i += n + 1;
  }
  return names;
}
}  // namespace

bool MemoryShell::BrowseForFolder(const char* title, Text* path) {
  browse_titles.push_back(Text(title));
  if (browse_cancels) return false;
  *path = browse_result;
  return true;
}

int MemoryShell::CopyFiles(const char* from_list, size_t from_size, const char* to_list,
                           size_t to_size) {
  Copy copy;
  copy.from.assign(from_list, from_size);
  copy.to.assign(to_list, to_size);
  copy.sources = Names(from_list, from_size);
  std::vector<std::string> targets = Names(to_list, to_size);
  copy.target = targets.empty() ? "" : targets[0];
  copies.push_back(copy);
  if (copy_result >= 0) return copy_result;

  std::string folder = copy.target;
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  int result = 0;
  for (const std::string& source : copy.sources) {
    size_t slash = source.find_last_of('\\');
    std::string name = slash == std::string::npos ? source : source.substr(slash + 1);
    // The shell reports a source it cannot read, and goes on with the others.
    if (!disk_.CopyFile(source.c_str(), (folder + name).c_str())) result = 0x402;
  }
  return result;
}

unsigned MemoryShell::FormatDrive(unsigned drive, unsigned options) {
  formats.push_back(Format{drive, options});
  if (format_frees_space) disk_.SetFreeSpace(static_cast<char>('A' + drive), space_after_format);
  if (format_results.empty()) return kFormatIdDefault;
  unsigned result = format_results.front();
  format_results.erase(format_results.begin());
  return result;
}
