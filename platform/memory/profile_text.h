#ifndef PLATFORM_MEMORY_PROFILE_TEXT_H
#define PLATFORM_MEMORY_PROFILE_TEXT_H

#include "platform/text.h"

// The bytes of one profile (INI) file, read and edited the way GetPrivateProfileStringA,
// GetPrivateProfileIntA and WritePrivateProfileStringA treat them on Korean Windows (code page
// 949). Pure functions over the file's bytes, so that any storage can sit underneath; a file
// that does not exist is the empty text.
//
// Reading, as Windows does it:
//  - lines end at CR, LF or CR LF; blanks (tab, LF, VT, FF, CR, space and ^Z) around a line,
//    a section name, a key and a value do not count;
//  - "[name]" opens a section (the name ends at the last ']', anything after it is ignored);
//    lines before the first section belong to the section with the empty name;
//  - "key=value" splits at the first '='; a line without '=' is a key without a value, which
//    reads as missing but still hides later lines with the same key;
//  - names match without regard to ASCII letter case; only the first section of a name is
//    searched, and within it only the first line of a key counts;
//  - a ';' line is an ordinary line: ";x=1" is the key ";x";
//  - a NUL byte ends the name or value it is in.
namespace profile_text {

// What GetPrivateProfileStringA(section, key, default_value, buffer, buffer_size) leaves in
// buffer. A null default reads as the empty text.
Text GetString(const Text& file, const char* section, const char* key, const char* default_value,
               int buffer_size);

// What GetPrivateProfileIntA(section, key, default_value) returns.
unsigned GetInt(const Text& file, const char* section, const char* key, int default_value);

// The bytes WritePrivateProfileStringA(section, key, value) leaves behind: only the key's line
// changes (or one line is added, or a new section at the end); every other byte stays. Sets
// *changed to false when the key already holds the value, in which case Windows does not
// touch the file at all.
Text WithString(const Text& file, const char* section, const char* key, const char* value,
                bool* changed);

}  // namespace profile_text

#endif
