#ifndef ENVIRONMENT_CLASSIFY_H
#define ENVIRONMENT_CLASSIFY_H

#include <stdint.h>

// The four integers the program classifies the running system into, and what the Install command
// derives from them. Pure: plain numbers in, plain values out.

enum OsVersionCode {
  kOsOutsideTable = 0,
  kOsOtherPlatform = 11,
  kOsWin95 = 12,
  kOsWin98 = 13,
  kOsWin98SE = 14,
  kOsWinME = 15,
  kOsNT4 = 21,
  kOsNT3 = 22,
  kOs2000 = 31,
  kOsXP = 32,
  kOs2003 = 33,
  kOsVista = 41,
  kOs7 = 42,
};

enum UiLanguage { kUiKorean = 18, kUiEnglish = 9 };

enum OsFamily {
  kFamilyNone = 0,
  kFamily9x = 150,
  kFamilyNT4 = 151,
  kFamily2000 = 152,
  kFamilyVista = 153,
};

enum { kArchitectureX86 = 0, kArchitectureX64 = 9 };

// What the Install command takes for the running system. An empty section name means none; a
// driver version of -1 means none.
struct InstallSection {
  const char* section;
  int driver_version;
};

struct OsDescription {
  const char* display_name;
  int family;
};

int ClassifyOsVersion(uint32_t platform_id, uint32_t major, uint32_t minor,
                      const char* csd_version);
OsDescription DescribeOsVersion(int os_version_code);
int ClassifyUiLanguage(uint16_t language_id);
bool IsSupportedArchitecture(int architecture);
InstallSection SelectInstallSection(int ui_language, int os_family, int architecture);
const char* SpoolerEnvironmentFor(int os_family, int architecture);

// Versions refused at start-up with a message and a close request.
bool IsRefusedOsVersion(int os_version_code);

#endif
