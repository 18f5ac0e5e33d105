#ifndef PLATFORM_SHELL_H
#define PLATFORM_SHELL_H

#include <stddef.h>

#include "platform/text.h"

// SHFormatDrive's "last format cannot be done again" result and its full-format option.
enum : unsigned { kFormatIdDefault = 0xFFFF, kFormatOptionFull = 1, kFormatOptionNone = 0 };

// The Windows shell's dialogs, owned by the setup dialog.
class Shell {
 public:
  virtual ~Shell() {}
  // SHBrowseForFolderA (whole namespace, file-system folders only, edit box, new dialog style)
  // and SHGetPathFromIDListA; false when the user cancelled.
  virtual bool BrowseForFolder(const char* title, Text* path) = 0;
  // SHFileOperationA FO_COPY with fFlags 0 and the progress title "File Copy". Both lists are
  // runs of NUL-terminated names ended by an empty name, in buffers of the given sizes.
  // Returns what SHFileOperationA returns: 0 when the copy is complete.
  virtual int CopyFiles(const char* from_list, size_t from_size, const char* to_list,
                        size_t to_size) = 0;
  // SHFormatDrive(dialog, drive, SHFMT_ID_DEFAULT, options); drive 0 is A:.
  virtual unsigned FormatDrive(unsigned drive, unsigned options) = 0;
};

#endif
