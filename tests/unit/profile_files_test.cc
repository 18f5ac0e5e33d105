// StoredProfileFiles against what GetPrivateProfileStringA, GetPrivateProfileIntA and
// WritePrivateProfileStringA do (as observed under Wine by tests/wine/compare-profiles.sh).

#include <dirent.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/memory/memory_disk.h"
#include "platform/memory/profile_store.h"

using namespace std::string_literals;

namespace {

const char kIni[] = "C:\\SETUP\\setup.ini";
const int kBuffer = 4096;  // what the program reads with

Text Bytes(const std::string& s) { return Text(s.data(), s.size()); }
std::string Str(const Text& t) { return std::string(t.c_str(), t.size()); }

struct ReadCase {
  const char* what;
  std::string file;
  const char* section;
  const char* key;
  const char* default_value;
  int buffer_size;
  std::string expected;
};

class ProfileReadTest : public ::testing::Test {
 protected:
  void ExpectReads(const std::vector<ReadCase>& cases) {
    for (const ReadCase& c : cases) {
      disk_.AddFile(kIni, Bytes(c.file));
      EXPECT_EQ(Str(files_.GetString(kIni, c.section, c.key, c.default_value, c.buffer_size)),
                c.expected)
          << c.what;
    }
  }
  MemoryDisk disk_;
  StoredProfileFiles files_{disk_};
};

TEST_F(ProfileReadTest, FindsTheFirstMatchingSectionAndKey) {
  const std::string file =
      "top=before any section\r\n"
      "[Main]\r\n"
      "  Path = C:\\Drivers  \r\n"
      "PATH=second\r\n"
      "nokey\r\n"
      "nokey=later\r\n"
      ";note=1\r\n"
      "=empty name\r\n"
      "[ Spaced ]  trailing text\r\n"
      "a=1\r\n"
      "[main]\r\n"
      "hidden=1\r\n"
      "[Open\r\n"
      "[x]y]\r\n"
      "c=3\r\n";
  ExpectReads({
      {"names match without regard to case", file, "MAIN", "path", "D", kBuffer, "C:\\Drivers"},
      {"blanks around query names do not count", file, " \tMain ", " Path ", "D", kBuffer,
       "C:\\Drivers"},
      {"a key is not matched by a prefix", file, "Main", "Pat", "D", kBuffer, "D"},
      {"a line without '=' hides later lines of its key", file, "Main", "nokey", "D", kBuffer, "D"},
      {"a ';' line is an ordinary key", file, "Main", ";note", "D", kBuffer, "1"},
      {"the empty key is a key", file, "Main", "", "D", kBuffer, "empty name"},
      {"lines before any section form the empty-named one", file, "", "top", "D", kBuffer,
       "before any section"},
      {"a blank section name is the empty one", file, "  ", "top", "D", kBuffer,
       "before any section"},
      {"blanks in the header and text after ']' do not count", file, "Spaced", "a", "D", kBuffer,
       "1"},
      {"only the first section of a name is searched", file, "Main", "hidden", "D", kBuffer, "D"},
      {"'[' without ']' opens no section", file, "Open", "c", "D", kBuffer, "D"},
      {"a header ends at its last ']'", file, "x]y", "c", "D", kBuffer, "3"},
      {"missing section", file, "Other", "a", "D", kBuffer, "D"},
  });
}

TEST_F(ProfileReadTest, ReadsValuesAsWindowsTrimsAndUnquotesThem) {
  const std::string file =
      "[S]\r\n"
      "blanks= \t value with  inner blanks \t\x1a\r\n"
      "equals=a=b ; not a comment\r\n"
      "empty=\r\n"
      "blank=   \r\n"
      "double=\"quoted\"\r\n"
      "single=' padded '\r\n"
      "unmatched=\"abc'\r\n"
      "inner=\"a\"b\"\r\n"
      "lone=\"\r\n"
      "pair=\"\"\r\n"
      "middle=a \"b\" c\r\n";
  ExpectReads({
      {"blanks and ^Z around the value", file, "S", "blanks", "D", kBuffer,
       "value with  inner blanks"},
      {"everything after the first '='", file, "S", "equals", "D", kBuffer, "a=b ; not a comment"},
      {"an empty value is not the default", file, "S", "empty", "D", kBuffer, ""},
      {"a blank value is empty", file, "S", "blank", "D", kBuffer, ""},
      {"double quotes around the whole value go", file, "S", "double", "D", kBuffer, "quoted"},
      {"single quotes go, blanks inside stay", file, "S", "single", "D", kBuffer, " padded "},
      {"quotes that differ stay", file, "S", "unmatched", "D", kBuffer, "\"abc'"},
      {"only the outer quotes go", file, "S", "inner", "D", kBuffer, "a\"b"},
      {"a lone quote stays", file, "S", "lone", "D", kBuffer, "\""},
      {"two quotes are the empty text", file, "S", "pair", "D", kBuffer, ""},
      {"quotes inside the value stay", file, "S", "middle", "D", kBuffer, "a \"b\" c"},
  });
}

TEST_F(ProfileReadTest, EndsLinesAtCrLfOrEither) {
  ExpectReads({
      {"CR LF", "[S]\r\nk=v\r\nz=last", "S", "k", "D", kBuffer, "v"},
      {"LF", "[S]\nk=v\nz=last", "S", "z", "D", kBuffer, "last"},
      {"CR alone", "[S]\rk=v\rz=last\r", "S", "z", "D", kBuffer, "last"},
      {"a CR inside a line ends it", "[S]\r\nk=a\rb=c\r\n", "S", "k", "D", kBuffer, "a"},
      {"the rest after that CR is a line", "[S]\r\nk=a\rb=c\r\n", "S", "b", "D", kBuffer, "c"},
      {"blank lines and a UTF-8 mark", "\xEF\xBB\xBF[S]\r\n\r\n\n\rk=v", "S", "k", "D", kBuffer,
       "v"},
  });
}

TEST_F(ProfileReadTest, TakesAnyBytes) {
  const std::string file =
      "[S]\r\n"
      "k\0ignored=v\r\n"
      "nul=a\0b\r\n"
      "raw=\xFF\xFE\x80\x01\r\n"
      "\xB0\xA1=korean name\r\n"
      "\x81\x41=second byte is a letter\r\n"
      "[t\0x]\r\n"
      "q=1\r\n"s;
  ExpectReads({
      {"a NUL ends the key name", file, "S", "k", "D", kBuffer, "v"},
      {"a NUL ends the value", file, "S", "nul", "D", kBuffer, "a"},
      {"a NUL ends the section name", file, "t", "q", "D", kBuffer, "1"},
      {"other bytes come back as they are", file, "S", "raw", "D", kBuffer, "\xFF\xFE\x80\x01"},
      {"code page 949 names", file, "S", "\xB0\xA1", "D", kBuffer, "korean name"},
      {"the second byte of a character is not folded", file, "S", "\x81\x61", "D", kBuffer, "D"},
  });
}

TEST_F(ProfileReadTest, CutsToTheBuffer) {
  const std::string file =
      "[S]\r\n"
      "plain=abcdefgh\r\n"
      "quoted=\"abcdefgh\"\r\n"
      "korean=\xB0\xA1\xB0\xA1\xB0\xA1\r\n";
  ExpectReads({
      {"size - 1 characters", file, "S", "plain", "D", 4, "abc"},
      {"no room at all", file, "S", "plain", "D", 1, ""},
      {"no buffer", file, "S", "plain", "D", 0, ""},
      {"quoted value with room for its closing quote", file, "S", "quoted", "D", 10, "abcdefgh"},
      // Windows drops the closing quote as the last character copied, so with room for the
      // text but not for that quote the text loses its last character.
      {"quoted value filling the buffer exactly", file, "S", "quoted", "D", 9, "abcdefg"},
      {"quoted value longer than the buffer", file, "S", "quoted", "D", 4, "abc"},
      {"a two-byte character is not cut in half", file, "S", "korean", "D", 4, "\xB0\xA1"},
      {"two-byte characters that fit", file, "S", "korean", "D", 5, "\xB0\xA1\xB0\xA1"},
  });
}

TEST_F(ProfileReadTest, ShapesTheDefaultAsWindowsDoes) {
  const std::string file = "[S]\r\nnovalue\r\n";
  ExpectReads({
      {"null default", file, "S", "missing", nullptr, kBuffer, ""},
      {"a key without '=' reads the default", file, "S", "novalue", "D", kBuffer, "D"},
      {"trailing spaces go, leading ones stay", file, "S", "missing", "  both  ", kBuffer,
       "  both"},
      {"a trailing tab stays", file, "S", "missing", "tab\t", kBuffer, "tab\t"},
      {"an all-space default keeps one", file, "S", "missing", "   ", kBuffer, " "},
      {"quotes go as from a value", file, "S", "missing", "\"quoted\" ", kBuffer, "quoted"},
      {"cut to the buffer", file, "S", "missing", "default", 4, "def"},
  });
}

TEST_F(ProfileReadTest, MissingFileReadsDefaults) {
  EXPECT_EQ(files_.GetString("C:\\NONE\\x.ini", "S", "k", "D", kBuffer), "D");
  EXPECT_EQ(files_.GetInt("C:\\NONE\\x.ini", "S", "k", 7), 7u);
}

TEST_F(ProfileReadTest, CopesWithHugeLines) {
  const std::string huge(100 * 1024, 'y');
  disk_.AddFile(kIni, Bytes("[S]\r\nbig=" + huge + "\r\n" + huge + "\x01\xFF\r\nafter=ok\r\n"));
  EXPECT_EQ(Str(files_.GetString(kIni, "S", "big", "D", kBuffer)), huge.substr(0, kBuffer - 1));
  EXPECT_EQ(files_.GetString(kIni, "S", "after", "D", kBuffer), "ok");
}

struct IntCase {
  const char* value;
  unsigned expected;
};

TEST(ProfileIntTest, ReadsNumbersAsWindowsDoes) {
  const IntCase cases[] = {
      {"42", 42},           {"+7", 7},
      {"-3", 0u - 3},       {"12abc", 12},
      {"1 2", 1},           {"012", 12},  // a leading 0 is not octal
      {"0x1A", 26},         {"0X1A", 0},  // only a lowercase prefix picks the base
      {"0o17", 15},         {"0b101", 5},
      {"-0x10", 0u - 16},   {"0x", 0},
      {"0b2", 0},           {"abc", 0},
      {"- 4", 0},           {"+-1", 0},
      {"\"-7\"", 0u - 7},   {"' 12'", 12},  // quotes go first, then blanks
      {"4294967296", 0},    {"99999999999", 1215752191},  // wraps at 32 bits
      {"00000000000000000000000001234", 1234},  // 29 characters
      {"000000000000000000000000000001234", 0},  // the rest past the 29th never counts
      {"", 99},             {"\"\"", 99},  // empty reads the default
  };
  for (const IntCase& c : cases) {
    MemoryDisk disk;
    StoredProfileFiles files(disk);
    disk.AddFile(kIni, Text("[I]\r\nk=") + c.value + "\r\nnovalue\r\n");
    EXPECT_EQ(files.GetInt(kIni, "I", "k", 99), c.expected) << c.value;
  }
}

TEST(ProfileIntTest, MissingKeyReadsTheDefault) {
  MemoryDisk disk;
  StoredProfileFiles files(disk);
  disk.AddFile(kIni, "[I]\r\nnovalue\r\n");
  EXPECT_EQ(files.GetInt(kIni, "I", "missing", -5), 0u - 5);
  EXPECT_EQ(files.GetInt(kIni, "I", "novalue", 6), 6u);
  EXPECT_EQ(files.GetInt(kIni, "Other", "k", 7), 7u);
}

struct WriteCase {
  const char* what;
  std::string before;
  const char* section;
  const char* key;
  const char* value;
  std::string after;
};

TEST(ProfileWriteTest, ChangesOnlyTheKeysLine) {
  const std::string mixed =
      "; setup settings\r\n"
      "\r\n"
      "[Main]   ; main part\n"
      "  Path = old  \n"
      "\n"
      "[Other]\r\n"
      "x=1";
  const WriteCase cases[] = {
      {"replaces the value, keeps every other byte", mixed, "MAIN", "path", "new",
       "; setup settings\r\n\r\n[Main]   ; main part\nPath=new\n\n[Other]\r\nx=1"},
      {"adds a key after the section's last line, before the blank line", mixed, "Main", "Add",
       "1",
       "; setup settings\r\n\r\n[Main]   ; main part\n  Path = old  \nAdd=1\r\n\n[Other]\r\nx=1"},
      {"a last line without a line break gets one", mixed, "Other", "y", "2",
       "; setup settings\r\n\r\n[Main]   ; main part\n  Path = old  \n\n[Other]\r\nx=1\r\ny=2\r\n"},
      {"a new section goes at the end", mixed, "New", "k", "v",
       "; setup settings\r\n\r\n[Main]   ; main part\n  Path = old  \n\n[Other]\r\nx=1\r\n"
       "[New]\r\nk=v\r\n"},
      {"a new file", "", "New", "k", "v", "[New]\r\nk=v\r\n"},
      {"a key without '=' gets the value", "[A]\r\nflag\r\nflag=x\r\n", "A", "flag", "v",
       "[A]\r\nflag=v\r\nflag=x\r\n"},
      {"the first section of the name takes the key", "[A]\r\n[B]\r\n[a]\r\n", "A", "k", "v",
       "[A]\r\nk=v\r\n[B]\r\n[a]\r\n"},
      {"the empty section takes keys at the start", "\r\n[A]\r\n", "", "k", "v",
       "k=v\r\n\r\n[A]\r\n"},
      {"leading blanks of names and value go, trailing ones stay", "[A]\r\n", " \tB ", " k ",
       "\t v ", "[A]\r\n[B ]\r\nk =v \r\n"},
      {"the last line without a break, header only", "[A]", "A", "k", "v", "[A]\r\nk=v\r\n"},
      {"quotes are written as given", "[A]\r\nk=\"v\"\r\n", "A", "k", "v", "[A]\r\nk=v\r\n"},
      {"an empty value", "[A]\r\nk=v\r\n", "A", "k", "", "[A]\r\nk=\r\n"},
  };
  for (const WriteCase& c : cases) {
    MemoryDisk disk;
    StoredProfileFiles files(disk);
    if (!c.before.empty()) disk.AddFile(kIni, Bytes(c.before));
    EXPECT_TRUE(files.WriteString(kIni, c.section, c.key, c.value)) << c.what;
    EXPECT_EQ(Str(disk.Contents(kIni)), c.after) << c.what;
  }
}

TEST(ProfileWriteTest, LeavesTheFileAloneWhenTheKeyHoldsTheValue) {
  MemoryDisk disk;
  StoredProfileFiles files(disk);
  disk.AddFile(kIni, "[A]  \r\n  K =  v  \r\n\r\n");
  EXPECT_TRUE(files.WriteString(kIni, "a", "k", "v"));
  EXPECT_EQ(disk.count(MemoryDisk::kReplace), 0);
}

TEST(ProfileWriteTest, FailsWhenTheFileCannotBeReplaced) {
  MemoryDisk disk;
  StoredProfileFiles files(disk);
  disk.AddFile(kIni, "[A]\r\nk=v\r\n");
  disk.FailNext(MemoryDisk::kReplace, 5);
  EXPECT_FALSE(files.WriteString(kIni, "A", "k", "new"));
  EXPECT_EQ(disk.Contents(kIni), "[A]\r\nk=v\r\n");
}

// Real files in a fresh folder of their own.
class PosixProfileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/profile_files_test.XXXXXX";
    ASSERT_NE(mkdtemp(name), nullptr);
    folder_ = name;
    path_ = folder_ + "/setup.ini";
  }
  void TearDown() override {
    for (const std::string& name : FolderEntries()) unlink((folder_ + "/" + name).c_str());
    rmdir(folder_.c_str());
  }
  std::vector<std::string> FolderEntries() {
    std::vector<std::string> names;
    DIR* dir = opendir(folder_.c_str());
    while (dirent* entry = dir ? readdir(dir) : nullptr) {
      if (entry->d_name[0] != '.') names.push_back(entry->d_name);
    }
    if (dir) closedir(dir);
    return names;
  }
  void Put(const std::string& bytes) {
    ASSERT_TRUE(storage_.Replace(path_.c_str(), Bytes(bytes)));
  }
  std::string Get() {
    Text bytes;
    EXPECT_TRUE(storage_.Read(path_.c_str(), &bytes));
    return Str(bytes);
  }
  std::string folder_;
  std::string path_;
  PosixProfileStorage storage_;
  StoredProfileFiles files_{storage_};
};

TEST_F(PosixProfileTest, CreatesAMissingFile) {
  EXPECT_TRUE(files_.WriteString(path_.c_str(), "Main", "k", "v"));
  EXPECT_EQ(Get(), "[Main]\r\nk=v\r\n");
  EXPECT_EQ(FolderEntries(), std::vector<std::string>{"setup.ini"});
}

TEST_F(PosixProfileTest, ReplacesTheFileWholeKeepingEveryOtherByte) {
  const std::string before = "\xEF\xBB\xBF; c\n[Main]\r\nk=old\r\n\x01\xFF\0junk\r\n\r\n[B]\r\n"s;
  Put(before);
  chmod(path_.c_str(), 0640);
  int old_file = open(path_.c_str(), O_RDONLY);
  ASSERT_GE(old_file, 0);

  EXPECT_TRUE(files_.WriteString(path_.c_str(), "main", "K", "new"));

  EXPECT_EQ(Get(), "\xEF\xBB\xBF; c\n[Main]\r\nk=new\r\n\x01\xFF\0junk\r\n\r\n[B]\r\n"s);
  // The old file is still whole behind a handle opened before: the new one took its name
  // by rename, it was not written over in place.
  char old_bytes[64];
  ssize_t n = pread(old_file, old_bytes, sizeof old_bytes, 0);
  close(old_file);
  EXPECT_EQ(std::string(old_bytes, n > 0 ? n : 0), before);
  struct stat st;
  ASSERT_EQ(stat(path_.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(FolderEntries(), std::vector<std::string>{"setup.ini"});
}

TEST_F(PosixProfileTest, FailsInAMissingFolder) {
  const std::string missing = folder_ + "/none/setup.ini";
  EXPECT_FALSE(files_.WriteString(missing.c_str(), "Main", "k", "v"));
  EXPECT_EQ(files_.GetString(missing.c_str(), "Main", "k", "D", kBuffer), "D");
  EXPECT_TRUE(FolderEntries().empty());
}

}  // namespace
