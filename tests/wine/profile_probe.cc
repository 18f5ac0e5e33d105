// profile_probe: answers a list of profile-file queries with the real Windows functions
// (GetPrivateProfileStringA, GetPrivateProfileIntA, WritePrivateProfileStringA), so that
// compare-profiles.sh can hold our Linux reader and writer against Wine line by line.
//
//   profile_probe FILE QUERIES [FILE QUERIES]...
//
// Each pair runs the queries of QUERIES on FILE and prints "== FILE" before the answers; one
// process takes many pairs because starting a 32-bit program under Wine costs a minute here.
// QUERIES holds one query a line, fields separated by tabs:
//   get    SECTION KEY DEFAULT [BUFFER_SIZE]   (buffer size 4096 when left out)
//   int    SECTION KEY DEFAULT
//   write  SECTION KEY VALUE
// Empty lines and lines starting with '#' are skipped. Inside a field \xNN, \t, \r, \n and a
// doubled backslash stand for the byte, and a field that is exactly \N is a null pointer (for
// DEFAULT). Each answer is one line on stdout with every byte outside printable ASCII written
// as \xNN.
//
// The query reading and printing is shared with profile_probe_host, which includes this file
// with PROFILE_PROBE_DRIVER_ONLY defined and supplies its own ProbeTarget; one driver for both
// programs means the two outputs differ only where the profile functions do.

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

namespace probe {

// The three profile functions under test, as the driver calls them.
class ProbeTarget {
 public:
  virtual ~ProbeTarget() {}
  // The profile file the following calls work on.
  virtual void UseFile(const char* path) = 0;
  // Fills value with what the reader returned (every byte of it) and returns its return value.
  virtual int GetString(const char* section, const char* key, const char* default_value,
                        int buffer_size, std::string* value) = 0;
  virtual unsigned GetInt(const char* section, const char* key, int default_value) = 0;
  virtual bool WriteString(const char* section, const char* key, const char* value) = 0;
};

struct Field {
  bool is_null;
  std::string bytes;
};

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Undoes the escapes of the query file; an unknown escape stays as written.
Field Unescape(const std::string& raw) {
  Field field = {raw == "\\N", std::string()};
  if (field.is_null) return field;
  for (size_t i = 0; i < raw.size(); ++i) {
    char c = raw[i];
    if (c != '\\' || i + 1 >= raw.size()) {
      field.bytes += c;
      continue;
    }
    char e = raw[i + 1];
    if (e == 'x' && i + 3 < raw.size() && HexDigit(raw[i + 2]) >= 0 && HexDigit(raw[i + 3]) >= 0) {
      field.bytes += static_cast<char>(HexDigit(raw[i + 2]) * 16 + HexDigit(raw[i + 3]));
      i += 3;
    } else if (e == 't' || e == 'r' || e == 'n' || e == '\\') {
      field.bytes += e == 't' ? '\t' : e == 'r' ? '\r' : e == 'n' ? '\n' : '\\';
      i += 1;
    } else {
      field.bytes += c;
    }
  }
  return field;
}

std::string Escape(const std::string& bytes) {
  std::string out;
  for (unsigned char c : bytes) {
    if (c == '\\') {
      out += "\\\\";
    } else if (c >= 0x20 && c < 0x7f) {
      out += static_cast<char>(c);
    } else {
      char hex[5];
      snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    }
  }
  return out;
}

std::string Show(const Field& field) {
  return field.is_null ? "(null)" : "\"" + Escape(field.bytes) + "\"";
}

const char* Pointer(const Field& field) { return field.is_null ? nullptr : field.bytes.c_str(); }

std::vector<Field> SplitFields(const std::string& line) {
  std::vector<Field> fields;
  size_t start = 0;
  for (;;) {
    size_t tab = line.find('\t', start);
    fields.push_back(Unescape(line.substr(start, tab == std::string::npos ? tab : tab - start)));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

// Runs one query line and prints its answer; false when the line is not a query.
bool RunQuery(const std::string& line, ProbeTarget& target) {
  std::vector<Field> f = SplitFields(line);
  const std::string& command = f[0].bytes;
  if (command == "get" && (f.size() == 4 || f.size() == 5)) {
    int size = f.size() == 5 ? atoi(f[4].bytes.c_str()) : 4096;
    std::string value;
    int ret = target.GetString(Pointer(f[1]), Pointer(f[2]), Pointer(f[3]), size, &value);
    printf("get %s %s %s %d -> %d \"%s\"\n", Show(f[1]).c_str(), Show(f[2]).c_str(),
           Show(f[3]).c_str(), size, ret, Escape(value).c_str());
    return true;
  }
  if (command == "int" && f.size() == 4) {
    int default_value = atoi(f[3].bytes.c_str());
    unsigned ret = target.GetInt(Pointer(f[1]), Pointer(f[2]), default_value);
    printf("int %s %s %d -> %u\n", Show(f[1]).c_str(), Show(f[2]).c_str(), default_value, ret);
    return true;
  }
  if (command == "write" && f.size() == 4) {
    bool ok = target.WriteString(Pointer(f[1]), Pointer(f[2]), Pointer(f[3]));
    printf("write %s %s %s -> %s\n", Show(f[1]).c_str(), Show(f[2]).c_str(), Show(f[3]).c_str(),
           ok ? "ok" : "failed");
    return true;
  }
  return false;
}

bool ReadWholeFile(const char* path, std::string* bytes) {
  FILE* file = fopen(path, "rb");
  if (!file) return false;
  char chunk[4096];
  size_t n;
  while ((n = fread(chunk, 1, sizeof chunk, file)) > 0) bytes->append(chunk, n);
  fclose(file);
  return true;
}

// Runs every query of one queries file; false when a line was not a query.
bool RunQueries(const std::string& queries, ProbeTarget& target) {
  bool all_queries = true;
  size_t start = 0;
  while (start < queries.size()) {
    size_t end = queries.find('\n', start);
    if (end == std::string::npos) end = queries.size();
    std::string line = queries.substr(start, end - start);
    if (!line.empty() && line[line.size() - 1] == '\r') line.erase(line.size() - 1);
    start = end + 1;
    if (line.empty() || line[0] == '#') continue;
    if (!RunQuery(line, target)) {
      fprintf(stderr, "bad query: %s\n", Escape(line).c_str());
      all_queries = false;
    }
  }
  return all_queries;
}

int Run(int argc, char** argv, ProbeTarget& target) {
  if (argc < 3 || argc % 2 != 1) {
    fprintf(stderr, "usage: %s FILE QUERIES [FILE QUERIES]...\n", argv[0]);
    return 2;
  }
  int status = 0;
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string queries;
    if (!ReadWholeFile(argv[i + 1], &queries)) {
      fprintf(stderr, "cannot read %s\n", argv[i + 1]);
      return 2;
    }
    printf("== %s\n", argv[i]);
    target.UseFile(argv[i]);
    if (!RunQueries(queries, target)) status = 2;
  }
  fflush(stdout);
  return status;
}

}  // namespace probe

#ifndef PROFILE_PROBE_DRIVER_ONLY
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace {

// The Windows functions themselves, on the file given by its full path: a bare file name would
// send them to the Windows folder.
class WindowsProfiles : public probe::ProbeTarget {
 public:
  void UseFile(const char* file) override {
    char full[MAX_PATH];
    DWORD n = GetFullPathNameA(file, MAX_PATH, full, nullptr);
    path_ = (n > 0 && n < MAX_PATH) ? full : file;
  }
  int GetString(const char* section, const char* key, const char* default_value, int buffer_size,
                std::string* value) override {
    // A marker byte in the buffer shows anything the function returns without writing it.
    std::vector<char> buffer(buffer_size > 0 ? buffer_size : 1, '\x01');
    DWORD ret = GetPrivateProfileStringA(section, key, default_value, buffer.data(),
                                         static_cast<DWORD>(buffer_size), path_.c_str());
    value->assign(buffer.data(), ret < buffer.size() ? ret : buffer.size());
    return static_cast<int>(ret);
  }
  unsigned GetInt(const char* section, const char* key, int default_value) override {
    return GetPrivateProfileIntA(section, key, default_value, path_.c_str());
  }
  bool WriteString(const char* section, const char* key, const char* value) override {
    return WritePrivateProfileStringA(section, key, value, path_.c_str()) != FALSE;
  }

 private:
  std::string path_;
};

}  // namespace

int main(int argc, char** argv) {
  // Answers end in LF alone, as on Linux, so that the two outputs compare byte for byte.
  _setmode(_fileno(stdout), _O_BINARY);
  WindowsProfiles profiles;
  return probe::Run(argc, argv, profiles);
}
#endif
