#include "environment/classify.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct VersionCase {
  uint32_t platform, major, minor;
  const char* csd;
  int code;
};

TEST(ClassifyOsVersion, FollowsTheVersionTable) {
  const VersionCase cases[] = {
      {1, 4, 0, "", kOsWin95},          {1, 9, 0, "C", kOsWin95},  // the major is not looked at
      {1, 4, 10, " A ", kOsWin98SE},    {1, 4, 10, "AA", kOsWin98SE},
      {1, 4, 10, " B", kOsWin98},       {1, 4, 10, "", kOsWin98},  {1, 4, 10, "A", kOsWin98},
      {1, 4, 90, " ", kOsWinME},        {1, 7, 90, "", kOsWinME},  {1, 4, 3, "", kOsOutsideTable},
      {2, 3, 51, "", kOsNT3},           {2, 4, 0, "", kOsNT4},     {2, 4, 7, "", kOsNT4},
      {2, 5, 0, "", kOs2000},           {2, 5, 1, "", kOsXP},      {2, 5, 2, "", kOs2003},
      {2, 5, 3, "", kOsOutsideTable},   {2, 6, 0, "", kOsVista},   {2, 6, 1, "", kOs7},
      {2, 6, 2, "", kOsOutsideTable},   {2, 10, 0, "", kOsOutsideTable},
      {0, 3, 10, "", kOsOtherPlatform}, {3, 10, 0, "", kOsOtherPlatform},
  };
  for (const VersionCase& c : cases) {
    EXPECT_EQ(c.code, ClassifyOsVersion(c.platform, c.major, c.minor, c.csd))
        << c.platform << " " << c.major << "." << c.minor << " '" << c.csd << "'";
  }
}

TEST(ClassifyOsVersion, RefusesOnlyOtherPlatformsAndNT3) {
  EXPECT_TRUE(IsRefusedOsVersion(kOsOtherPlatform));
  EXPECT_TRUE(IsRefusedOsVersion(kOsNT3));
  for (int code : {0, 12, 13, 14, 15, 21, 31, 32, 33, 41, 42}) EXPECT_FALSE(IsRefusedOsVersion(code));
}

TEST(DescribeOsVersion, GivesDisplayNameAndFamily) {
  const struct {
    int code;
    const char* name;
    int family;
  } cases[] = {
      {12, "Windows 95", 150},     {13, "Windows 98", 150},     {14, "Windows 98SE", 150},
      {15, "Windows ME", 150},     {21, "Windows NT 4.0", 151}, {31, "Windows 2000", 152},
      {32, "Windows XP", 152},     {33, "Windows 2003", 152},   {41, "Windows VISTA", 153},
      {42, "Windows 7", 153},      {0, "Not supported OS version", 0},
      {11, "Not supported OS version", 0}, {22, "Not supported OS version", 0},
  };
  for (const auto& c : cases) {
    OsDescription d = DescribeOsVersion(c.code);
    EXPECT_STREQ(c.name, d.display_name) << c.code;
    EXPECT_EQ(c.family, d.family) << c.code;
  }
}

TEST(ClassifyUiLanguage, KoreanOnlyForPrimaryLanguage18) {
  EXPECT_EQ(kUiKorean, ClassifyUiLanguage(0x0412));
  EXPECT_EQ(kUiKorean, ClassifyUiLanguage(0x0812));  // another sublanguage of Korean
  EXPECT_EQ(kUiEnglish, ClassifyUiLanguage(0x0409));
  EXPECT_EQ(kUiEnglish, ClassifyUiLanguage(0x0411));
  EXPECT_EQ(kUiEnglish, ClassifyUiLanguage(0x0000));
  EXPECT_EQ(kUiEnglish, ClassifyUiLanguage(0x0413));
}

TEST(IsSupportedArchitecture, OnlyX86AndX64) {
  EXPECT_TRUE(IsSupportedArchitecture(0));
  EXPECT_TRUE(IsSupportedArchitecture(9));
  for (int a : {1, 5, 6, 12, 0xFFFF}) EXPECT_FALSE(IsSupportedArchitecture(a)) << a;
}

TEST(SelectInstallSection, ByFamilyLanguageAndArchitecture) {
  const struct {
    int language, family, architecture;
    const char* section;
    int version;
  } cases[] = {
      {18, 150, 0, "Win95h", 0},     {9, 150, 9, "Win95e", 0},     {18, 150, 6, "Win95h", 0},
      {18, 151, 0, "WinNTh", 2},     {9, 151, 0, "WinNTe", 2},
      {18, 152, 0, "Win2Kh", 3},     {9, 152, 9, "Win2Ke", 3},     // the section ignores x64 here
      {18, 153, 0, "Win7Vh", 3},     {9, 153, 0, "Win7Ve", 3},
      {18, 153, 9, "Win7Vh_x64", 3}, {9, 153, 9, "Win7Ve_x64", 3},
      {9, 153, 6, "", 3},            {9, 0, 0, "", -1},            {18, 0, 9, "", -1},
  };
  for (const auto& c : cases) {
    InstallSection s = SelectInstallSection(c.language, c.family, c.architecture);
    EXPECT_STREQ(c.section, s.section) << c.language << "/" << c.family << "/" << c.architecture;
    EXPECT_EQ(c.version, s.driver_version) << c.family;
  }
}

TEST(SpoolerEnvironmentFor, ByFamilyAndArchitecture) {
  const struct {
    int family, architecture;
    const char* environment;
  } cases[] = {
      {150, 0, "Windows 4.0"},    {150, 9, "Windows 4.0"},    {151, 0, "Windows NT x86"},
      {152, 9, "Windows x64"},    {153, 9, "Windows x64"},    {153, 0, "Windows NT x86"},
      {0, 0, "Windows NT x86"},   {0, 9, "Windows x64"},      {152, 6, ""},
  };
  for (const auto& c : cases) {
    EXPECT_STREQ(c.environment, SpoolerEnvironmentFor(c.family, c.architecture))
        << c.family << "/" << c.architecture;
  }
}

}  // namespace
