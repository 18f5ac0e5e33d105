#include "platform/memory/profile_text.h"

#include <string>
#include <string_view>
#include <vector>

namespace profile_text {
namespace {

using Bytes = std::string_view;

// GetPrivateProfileIntA reads the value through a buffer of this many characters, so digits
// past the 29th never count.
const int kIntBufferSize = 30;

Bytes View(const Text& text) { return Bytes(text.c_str(), text.size()); }
Text ToText(Bytes bytes) { return Text(bytes.data(), bytes.size()); }

// The blanks Windows trims in profile files: those of C isspace, plus ^Z, the end-of-file mark
// DOS-era tools left in files.
bool IsBlank(char c) { return (c >= 0x09 && c <= 0x0d) || c == 0x1a || c == ' '; }

Bytes TrimLeft(Bytes s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  return s;
}

Bytes Trim(Bytes s) {
  s = TrimLeft(s);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// Windows keeps names and values as C strings, so a NUL byte ends them.
Bytes UpToNul(Bytes s) { return s.substr(0, s.find('\0')); }

// Code page 949: a byte from 0x81 to 0xFE starts a two-byte character, whose second byte may
// be an ASCII letter. Such a pair is one character: never folded, never cut in half.
bool IsLeadByte(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  return u >= 0x81 && u <= 0xfe;
}

size_t CharLength(Bytes s, size_t i) { return IsLeadByte(s[i]) && i + 1 < s.size() ? 2 : 1; }

// The bytes of the first n characters of s.
Bytes FirstChars(Bytes s, size_t n) {
  size_t i = 0;
  for (; i < s.size() && n > 0; --n) i += CharLength(s, i);
  return s.substr(0, i);
}

size_t CountChars(Bytes s) {
  size_t count = 0;
  for (size_t i = 0; i < s.size(); i += CharLength(s, i)) ++count;
  return count;
}

// The longest run of whole characters from the start of s within max_bytes bytes.
Bytes FitBytes(Bytes s, size_t max_bytes) {
  size_t i = 0;
  while (i < s.size() && i + CharLength(s, i) <= max_bytes) i += CharLength(s, i);
  return s.substr(0, i);
}

Bytes DropLastChar(Bytes s) {
  size_t count = CountChars(s);
  return count == 0 ? s : FirstChars(s, count - 1);
}

char FoldAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Names match with ASCII letters folded only. Wine leaves the fullwidth, Greek and Cyrillic
// letters of code page 949 distinct too (Windows may fold those; the program's names are
// ASCII).
bool SameName(Bytes a, Bytes b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); i += CharLength(a, i)) {
    if (CharLength(a, i) == 2) {
      if (a.substr(i, 2) != b.substr(i, 2)) return false;
    } else if (FoldAscii(a[i]) != FoldAscii(b[i])) {
      return false;
    }
  }
  return true;
}

// One line of the file, with where it lies so that a write can replace it byte for byte.
struct Line {
  enum Kind { kBlank, kSection, kEntry };
  size_t begin;        // its first byte
  size_t content_end;  // where its line break starts
  size_t end;          // the first byte of the next line
  Kind kind;
  Bytes name;          // of the section or key, as Windows compares it
  bool has_value;      // an entry with '='
  Bytes value;
};

// A UTF-8 mark at the start is no part of the first line. (Windows then reads the file as
// UTF-8; the program's files are ASCII or code page 949 and carry none.)
size_t BodyStart(Bytes file) { return file.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0; }

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

size_t LineBreakLength(Bytes file, size_t i) {
  if (i >= file.size()) return 0;
  return file.substr(i, 2) == "\r\n" ? 2 : 1;
}

// A section header runs from '[' to the last ']' of the line and ignores the rest; a '[' line
// without ']' is an ordinary entry. Entries split at the first '='.
Line ParseLine(Bytes file, size_t begin, size_t content_end, size_t end) {
  Line line = {begin, content_end, end, Line::kBlank, Bytes(), false, Bytes()};
  Bytes content = Trim(file.substr(begin, content_end - begin));
  if (content.empty()) return line;
  size_t close = content.rfind(']');
  if (content.front() == '[' && close != Bytes::npos) {
    line.kind = Line::kSection;
    line.name = UpToNul(Trim(content.substr(1, close - 1)));
    return line;
  }
  line.kind = Line::kEntry;
  size_t equals = content.find('=');
  if (equals == Bytes::npos) {
    line.name = UpToNul(content);
    return line;
  }
  line.name = UpToNul(Trim(content.substr(0, equals)));
  line.has_value = true;
  line.value = UpToNul(TrimLeft(content.substr(equals + 1)));
  return line;
}

// Lines end at CR LF, CR or LF. Windows takes any run of them as one break; the empty lines
// this makes in between are blank and change nothing.
std::vector<Line> ParseFile(Bytes file) {
  std::vector<Line> lines;
  size_t begin = BodyStart(file);
  while (begin < file.size()) {
    size_t content_end = begin;
    while (content_end < file.size() && !IsLineBreak(file[content_end])) ++content_end;
    size_t end = content_end + LineBreakLength(file, content_end);
    lines.push_back(ParseLine(file, begin, content_end, end));
    begin = end;
  }
  return lines;
}

// Lines [first, end) of one section; first is its header when it has one.
struct Section {
  size_t first;
  size_t end;
  bool has_header;
};

// The one section Windows searches for a name: the first of that name. The lines before the
// first header form the section with the empty name, which therefore always exists.
bool FindSection(const std::vector<Line>& lines, Bytes name, Section* found) {
  size_t first = 0;
  bool has_header = false;
  for (size_t i = 0; i <= lines.size(); ++i) {
    if (i < lines.size() && lines[i].kind != Line::kSection) continue;
    Bytes current = has_header ? lines[first].name : Bytes();
    if (SameName(current, name)) {
      *found = Section{first, i, has_header};
      return true;
    }
    first = i;
    has_header = true;
  }
  return false;
}

// The first line of the key in the section, with '=' or without; null when there is none.
const Line* FindKey(const std::vector<Line>& lines, const Section& section, Bytes key) {
  for (size_t i = section.first; i < section.end; ++i) {
    if (lines[i].kind == Line::kEntry && SameName(lines[i].name, key)) return &lines[i];
  }
  return nullptr;
}

const Line* FindEntry(const std::vector<Line>& lines, const char* section, const char* key) {
  Section found;
  if (!FindSection(lines, Trim(section), &found)) return nullptr;
  return FindKey(lines, found, Trim(key));
}

// Windows drops trailing spaces (spaces only) from the default, but never its first character.
Bytes TrimDefault(const char* default_value) {
  Bytes s = default_value ? default_value : "";
  while (s.size() > 1 && s.back() == ' ') s.remove_suffix(1);
  return s;
}

// How Windows copies a value, or the default, into a buffer of size characters. A value
// wholly inside matching double or single quotes loses them. The closing quote goes as the
// last character copied, and only when the whole rest of the value fits in size characters:
// so a quoted value of exactly size - 1 characters also loses its last character (seen in
// Wine), and a longer one keeps its opening quote dropped and is cut like any other. The
// result holds at most size - 1 bytes, cut before a two-byte character that would not fit.
Text CopyOut(Bytes value, int size) {
  if (size <= 0) return Text();
  size_t room = static_cast<size_t>(size) - 1;
  bool quoted = value.size() >= 2 && (value[0] == '"' || value[0] == '\'') &&
                value.back() == value[0];
  Bytes rest = quoted ? value.substr(1) : value;
  Bytes copy = FirstChars(rest, room);
  if (quoted && static_cast<size_t>(size) >= CountChars(rest)) copy = DropLastChar(copy);
  return ToText(FitBytes(copy, room));
}

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return -1;
}

// The number as RtlUnicodeStringToInteger with base 0 reads it, which is what Windows uses:
// control characters and spaces skipped, one sign, then a lowercase "0x", "0o" or "0b" picks
// base 16, 8 or 2 (else decimal: a leading 0 is not octal), digits up to the first that does
// not belong, the total wrapping around at 32 bits and a minus negating it.
unsigned ParseInteger(Bytes s) {
  size_t i = 0;
  while (i < s.size() && static_cast<unsigned char>(s[i]) <= ' ') ++i;
  bool negative = i < s.size() && s[i] == '-';
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
  unsigned base = 10;
  if (i + 1 < s.size() && s[i] == '0') {
    char letter = s[i + 1];
    base = letter == 'x' ? 16 : letter == 'o' ? 8 : letter == 'b' ? 2 : 10;
    if (base != 10) i += 2;
  }
  unsigned total = 0;
  for (; i < s.size(); ++i) {
    int digit = DigitValue(s[i]);
    if (digit < 0 || static_cast<unsigned>(digit) >= base) break;
    total = total * base + static_cast<unsigned>(digit);
  }
  return negative ? 0u - total : total;
}

std::string EntryText(Bytes key, Bytes value) {
  std::string entry(key);
  entry += '=';
  entry += value;
  return entry;
}

// The file with the text of one line replaced. The line keeps its own line break; a last line
// without one gains CR LF, as every line Windows writes ends with one.
Text ReplaceLine(Bytes file, const Line& line, const std::string& text) {
  std::string result(file.substr(0, line.begin));
  result += text;
  bool has_break = line.end > line.content_end;
  result += has_break ? file.substr(line.content_end, line.end - line.content_end) : "\r\n";
  result += file.substr(line.end);
  return Text(result.data(), result.size());
}

// A new key goes right after the section's last non-blank line (its header when it has no
// keys), so that blank lines before the next section stay between the two. The section
// without a header takes new keys at the very start of the file.
Text InsertEntry(Bytes file, const std::vector<Line>& lines, const Section& section,
                 const std::string& text) {
  size_t at = BodyStart(file);
  bool needs_break = false;
  for (size_t i = section.first; i < section.end; ++i) {
    if (lines[i].kind == Line::kBlank) continue;
    at = lines[i].end;
    needs_break = lines[i].end == lines[i].content_end;
  }
  std::string result(file.substr(0, at));
  if (needs_break) result += "\r\n";
  result += text;
  result += "\r\n";
  result += file.substr(at);
  return Text(result.data(), result.size());
}

// A new section goes at the end of the file, after a line break if the last line has none.
Text AppendSection(Bytes file, Bytes section, const std::string& text) {
  std::string result(file);
  if (file.size() > BodyStart(file) && !IsLineBreak(file.back())) result += "\r\n";
  result += '[';
  result += section;
  result += "]\r\n";
  result += text;
  result += "\r\n";
  return Text(result.data(), result.size());
}

}  // namespace

Text GetString(const Text& file, const char* section, const char* key, const char* default_value,
               int buffer_size) {
  std::vector<Line> lines = ParseFile(View(file));
  const Line* line = section && key ? FindEntry(lines, section, key) : nullptr;
  Bytes value = line && line->has_value ? line->value : TrimDefault(default_value);
  return CopyOut(value, buffer_size);
}

unsigned GetInt(const Text& file, const char* section, const char* key, int default_value) {
  Text text = GetString(file, section, key, "", kIntBufferSize);
  if (text.empty()) return static_cast<unsigned>(default_value);
  return ParseInteger(View(text));
}

// Windows matches the section and key with blanks trimmed from both ends, but writes new
// names and the value with leading blanks dropped only.
Text WithString(const Text& file, const char* section, const char* key, const char* value,
                bool* changed) {
  *changed = false;
  if (!section || !key || !value) return file;
  Bytes bytes = View(file);
  std::vector<Line> lines = ParseFile(bytes);
  Bytes new_value = TrimLeft(value);
  Section found;
  if (!FindSection(lines, Trim(section), &found)) {
    *changed = true;
    return AppendSection(bytes, TrimLeft(section), EntryText(TrimLeft(key), new_value));
  }
  const Line* line = FindKey(lines, found, Trim(key));
  if (line && line->has_value && line->value == new_value) return file;
  *changed = true;
  if (line) return ReplaceLine(bytes, *line, EntryText(line->name, new_value));
  return InsertEntry(bytes, lines, found, EntryText(TrimLeft(key), new_value));
}

}  // namespace profile_text
