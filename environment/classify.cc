#include "environment/classify.h"

namespace {
const uint32_t kPlatformWindows = 1;  // VER_PLATFORM_WIN32_WINDOWS: 95, 98, ME
const uint32_t kPlatformNT = 2;       // VER_PLATFORM_WIN32_NT

// 98 and 98 Second Edition share version 4.10; Second Edition says " A " in its service-pack text.
int ClassifyWindows9x(uint32_t minor, const char* csd_version) {
  switch (minor) {
    case 0:
      return kOsWin95;
    case 10: {
      bool second_edition = csd_version && csd_version[0] != 0 && csd_version[1] == 'A';
      return second_edition ? kOsWin98SE : kOsWin98;
    }
    case 90:
      return kOsWinME;
    default:
      return kOsOutsideTable;
  }
}

int ClassifyNT(uint32_t major, uint32_t minor) {
  if (major == 3) return kOsNT3;
  if (major == 4) return kOsNT4;
  if (major == 5) {
    if (minor == 0) return kOs2000;
    if (minor == 1) return kOsXP;
    if (minor == 2) return kOs2003;
  }
  if (major == 6) {
    if (minor == 0) return kOsVista;
    if (minor == 1) return kOs7;
  }
  return kOsOutsideTable;
}

struct Description {
  int code;
  OsDescription description;
};

const Description kDescriptions[] = {
    {kOsWin95, {"Windows 95", kFamily9x}},      {kOsWin98, {"Windows 98", kFamily9x}},
    {kOsWin98SE, {"Windows 98SE", kFamily9x}},  {kOsWinME, {"Windows ME", kFamily9x}},
    {kOsNT4, {"Windows NT 4.0", kFamilyNT4}},   {kOs2000, {"Windows 2000", kFamily2000}},
    {kOsXP, {"Windows XP", kFamily2000}},       {kOs2003, {"Windows 2003", kFamily2000}},
    {kOsVista, {"Windows VISTA", kFamilyVista}}, {kOs7, {"Windows 7", kFamilyVista}},
};

struct SectionRow {
  int family;
  int architecture;  // -1: any
  const char* korean;
  const char* other;
  int driver_version;
};

const SectionRow kSections[] = {
    {kFamily9x, -1, "Win95h", "Win95e", 0},
    {kFamilyNT4, -1, "WinNTh", "WinNTe", 2},
    {kFamily2000, -1, "Win2Kh", "Win2Ke", 3},
    {kFamilyVista, kArchitectureX86, "Win7Vh", "Win7Ve", 3},
    {kFamilyVista, kArchitectureX64, "Win7Vh_x64", "Win7Ve_x64", 3},
    {kFamilyVista, -1, "", "", 3},
};
}  // namespace

int ClassifyOsVersion(uint32_t platform_id, uint32_t major, uint32_t minor,
                      const char* csd_version) {
  if (platform_id == kPlatformWindows) return ClassifyWindows9x(minor, csd_version);
  if (platform_id == kPlatformNT) return ClassifyNT(major, minor);
  return kOsOtherPlatform;
}

OsDescription DescribeOsVersion(int os_version_code) {
  for (const Description& d : kDescriptions) {
    if (d.code == os_version_code) return d.description;
  }
  return OsDescription{"Not supported OS version", kFamilyNone};
}

int ClassifyUiLanguage(uint16_t language_id) {
  const uint16_t kPrimaryLanguageMask = 0x3FF;
  return (language_id & kPrimaryLanguageMask) == kUiKorean ? kUiKorean : kUiEnglish;
}

bool IsSupportedArchitecture(int architecture) {
  return architecture == kArchitectureX86 || architecture == kArchitectureX64;
}

InstallSection SelectInstallSection(int ui_language, int os_family, int architecture) {
  for (const SectionRow& row : kSections) {
    if (row.family != os_family) continue;
    if (row.architecture != -1 && row.architecture != architecture) continue;
    return InstallSection{ui_language == kUiKorean ? row.korean : row.other, row.driver_version};
  }
  return InstallSection{"", -1};
}

const char* SpoolerEnvironmentFor(int os_family, int architecture) {
  if (os_family == kFamily9x) return "Windows 4.0";
  if (architecture == kArchitectureX86) return "Windows NT x86";
  if (architecture == kArchitectureX64) return "Windows x64";
  return "";
}

bool IsRefusedOsVersion(int os_version_code) {
  return os_version_code == kOsOtherPlatform || os_version_code == kOsNT3;
}
