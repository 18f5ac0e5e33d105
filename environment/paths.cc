#include "environment/paths.h"

namespace {
// Scans from the last byte towards the front and stops at the separator or at position 0,
// whichever comes first; the separator at position 0 itself is never looked at.
size_t LastSeparatorAfterFirst(const Text& path, char separator) {
  if (path.empty()) return 0;
  size_t position = path.size() - 1;
  while (position > 0 && path[position] != separator) --position;
  return position;
}
}  // namespace

Text FolderOfPath(const Text& path) { return path.Left(LastSeparatorAfterFirst(path, '\\')); }

Text ReplaceExtension(const Text& path, const char* extension) {
  return path.Left(LastSeparatorAfterFirst(path, '.')) + extension;
}
