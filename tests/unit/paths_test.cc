#include "environment/paths.h"

#include <gtest/gtest.h>

#include "environment/section_tables.h"
#include "tests/unit/text_printer.h"

namespace {

TEST(FolderOfPath, CutsBeforeTheLastBackslashAfterTheFirstCharacter) {
  const struct {
    const char* path;
    const char* folder;
  } cases[] = {
      {"C:\\SETUP\\INSTALL.EXE", "C:\\SETUP"},
      {"A:\\Install.exe", "A:"},
      {"INSTALL.EXE", ""},
      {"", ""},
      {"\\INSTALL.EXE", ""},
      {"C:\\SETUP\\", "C:\\SETUP"},
      {"\\\\server\\share\\Install.exe", "\\\\server\\share"},
  };
  for (const auto& c : cases) EXPECT_EQ(Text(c.folder), FolderOfPath(c.path)) << c.path;
}

TEST(ReplaceExtension, ReplacesFromTheLastDotAfterTheFirstCharacter) {
  const struct {
    const char* path;
    const char* result;
  } cases[] = {
      {"Hwin2K.drv", "Hwin2K.exe"}, {"A.B.DRV", "A.B.exe"},   {"PACKAGE", ".exe"},
      {".drv", ".exe"},             {"DIR.V1\\PKG", "DIR.exe"}, {"", ".exe"},
      {"sub\\Win95.drv", "sub\\Win95.exe"},
  };
  for (const auto& c : cases) EXPECT_EQ(Text(c.result), ReplaceExtension(c.path, ".exe")) << c.path;
}

TEST(GenerationList, IndexesGiveSections) {
  const char* expected[kGenerationListSize] = {nullptr,  nullptr,  "Win2Kh", "WinNTh",
                                               "Win95h", "Win7Vh", nullptr,  "Win2Ke",
                                               "WinNTe", "Win95e", "Win7Ve"};
  for (int i = 0; i < kGenerationListSize; ++i) {
    const char* section = SectionForListIndex(i);
    if (expected[i]) {
      EXPECT_STREQ(expected[i], section) << i;
    } else {
      EXPECT_EQ(nullptr, section) << i;
    }
    EXPECT_EQ(expected[i] == nullptr, IsUnselectedListIndex(i)) << i;
  }
  EXPECT_EQ(nullptr, SectionForListIndex(-1));
  EXPECT_EQ(nullptr, SectionForListIndex(11));
}

TEST(DisketteFileNames, MatchExactlyAndInOrder) {
  EXPECT_STREQ("Win2Kh", FindDisketteFileName("Hwin2K.drv")->section);
  EXPECT_STREQ("Win7Ve", FindDisketteFileName("Win7V.drv")->section);
  EXPECT_STREQ("WinNTh", FindDisketteFileName("NT40H.drv")->section);
  EXPECT_EQ(nullptr, FindDisketteFileName("hwin2k.drv"));
  EXPECT_EQ(nullptr, FindDisketteFileName("Hwin2K.drv "));
  EXPECT_EQ(nullptr, FindDisketteFileName(""));
  // Each row's list entry is the entry of its section in the generation list.
  for (const DisketteFileName& row : kDisketteFileNames) {
    bool found = false;
    for (int i = 0; i < kGenerationListSize; ++i) {
      if (SectionForListIndex(i) && Text(row.section) == SectionForListIndex(i)) {
        EXPECT_STREQ(kGenerationList[i].text, row.entry);
        found = true;
      }
    }
    EXPECT_TRUE(found) << row.file_name;
  }
}

}  // namespace
