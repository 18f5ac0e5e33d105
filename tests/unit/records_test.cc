// The records the spooler reads, checked byte by byte at their offsets.
#include "install/records.h"

#include <gtest/gtest.h>

#include <string.h>

namespace {

uint32_t Get32(const uint8_t* r, int offset) {
  return r[offset] | (r[offset + 1] << 8) | (r[offset + 2] << 16) | (uint32_t(r[offset + 3]) << 24);
}
uint16_t Get16(const uint8_t* r, int offset) { return uint16_t(r[offset] | (r[offset + 1] << 8)); }

std::u16string Wide(const char* ascii) {
  std::u16string w;
  for (; *ascii; ++ascii) w += char16_t(*ascii);
  return w;
}

// The UTF-16 string at offset, read up to its NUL.
std::string WideAt(const uint8_t* r, int offset) {
  std::string s;
  for (int i = offset; Get16(r, i) != 0; i += 2) s += char(Get16(r, i));
  return s;
}

TEST(PortData1, FieldsAtTheirOffsetsAndZeroElsewhere) {
  std::u16string port = Wide("IP_10.0.0.5"), host = Wide("10.0.0.5"), community = Wide("public");
  uint8_t r[kPortData1Size];
  memset(r, 0xAA, sizeof r);
  BuildPortData1(reinterpret_cast<const uint16_t*>(port.c_str()),
                 reinterpret_cast<const uint16_t*>(host.c_str()),
                 reinterpret_cast<const uint16_t*>(community.c_str()), r);
  EXPECT_EQ(964, kPortData1Size);
  EXPECT_EQ("IP_10.0.0.5", WideAt(r, 0));
  EXPECT_EQ(1u, Get32(r, 128));    // dwVersion
  EXPECT_EQ(1u, Get32(r, 132));    // dwProtocol: raw TCP
  EXPECT_EQ(964u, Get32(r, 136));  // cbSize
  EXPECT_EQ(0u, Get32(r, 140));    // dwReserved
  EXPECT_EQ("10.0.0.5", WideAt(r, 144));
  EXPECT_EQ("public", WideAt(r, 242));
  EXPECT_EQ(0u, Get32(r, 308));    // dwDoubleSpool
  EXPECT_EQ(9100u, Get32(r, 952));
  EXPECT_EQ(0u, Get32(r, 956));    // SNMP off
  EXPECT_EQ(1u, Get32(r, 960));    // SNMP device index

  // Every byte not named above is zero: the terminating NULs, the queue, the IP address field,
  // the reserved bytes and the alignment.
  bool named[kPortData1Size] = {};
  auto mark = [&](int offset, int bytes) { for (int i = 0; i < bytes; ++i) named[offset + i] = true; };
  mark(0, 2 * 11); mark(128, 4); mark(132, 4); mark(136, 4); mark(144, 2 * 8); mark(242, 2 * 6);
  mark(952, 4); mark(960, 4);
  for (int i = 0; i < kPortData1Size; ++i) {
    if (!named[i] && r[i] != 0) ADD_FAILURE() << "byte " << i << " is " << int(r[i]);
  }
}

TEST(PortData1, LongStringsAreCutToTheirFieldsWithTheirNul) {
  std::u16string long_name(100, u'x'), host(60, u'9');
  std::u16string community = Wide("public");
  uint8_t r[kPortData1Size];
  BuildPortData1(reinterpret_cast<const uint16_t*>(long_name.c_str()),
                 reinterpret_cast<const uint16_t*>(host.c_str()),
                 reinterpret_cast<const uint16_t*>(community.c_str()), r);
  EXPECT_EQ(63u, WideAt(r, 0).size());
  EXPECT_EQ(1u, Get32(r, 128));  // the next field is intact
  EXPECT_EQ(48u, WideAt(r, 144).size());
  EXPECT_EQ("public", WideAt(r, 242));
}

TEST(DevMode, FixedSettingsAtTheirOffsets) {
  uint8_t r[kDevModeSize];
  memset(r, 0xAA, sizeof r);
  BuildDevMode("Demo 100", r);
  EXPECT_EQ(148, kDevModeSize);
  EXPECT_STREQ("Demo 100", reinterpret_cast<const char*>(r));
  for (int i = 8; i < 32; ++i) EXPECT_EQ(0, r[i]) << i;
  const struct {
    int offset, width;
    int64_t value;
    const char* field;
  } fields[] = {
      {32, 2, 0, "dmSpecVersion"},    {34, 2, 0, "dmDriverVersion"}, {36, 2, 148, "dmSize"},
      {38, 2, 0, "dmDriverExtra"},    {40, 4, 0, "dmFields"},        {44, 2, 1, "dmOrientation"},
      {46, 2, 9, "dmPaperSize"},      {48, 2, 0, "dmPaperLength"},   {50, 2, 0, "dmPaperWidth"},
      {52, 2, 100, "dmScale"},        {54, 2, 1, "dmCopies"},        {56, 2, 0, "dmDefaultSource"},
      {58, 2, 0xFFFC, "dmPrintQuality"}, {60, 2, 1, "dmColor"},      {62, 2, 0, "dmDuplex"},
      {64, 2, 600, "dmYResolution"},  {66, 2, 2, "dmTTOption"},      {68, 2, 0, "dmCollate"},
      {102, 2, 600, "dmLogPixels"},   {104, 4, 1, "dmBitsPerPel"},   {108, 4, 0, "dmPelsWidth"},
      {112, 4, 0, "dmPelsHeight"},    {116, 4, 0, "dmDisplayFlags"}, {120, 4, 0, "dmDisplayFrequency"},
      {124, 4, 0, "dmICMMethod"},     {128, 4, 0, "dmICMIntent"},    {132, 4, 0, "dmMediaType"},
      {136, 4, 0, "dmDitherType"},    {140, 4, 0, "dmReserved1"},    {144, 4, 0, "dmReserved2"},
  };
  for (const auto& f : fields) {
    int64_t value = f.width == 2 ? Get16(r, f.offset) : Get32(r, f.offset);
    EXPECT_EQ(f.value, value) << f.field;
  }
  for (int i = 70; i < 102; ++i) EXPECT_EQ(0, r[i]) << "dmFormName byte " << i;
}

TEST(DevMode, DeviceNameKeepsAtMost31BytesAndAZero) {
  const char forty[] = "0123456789012345678901234567890123456789";
  uint8_t r[kDevModeSize];
  BuildDevMode(forty, r);
  EXPECT_EQ(0, memcmp(r, forty, 31));
  EXPECT_EQ(0, r[31]);
  EXPECT_EQ(148, Get16(r, 36));  // dmSize right after the name is untouched
  BuildDevMode("", r);
  for (int i = 0; i < 32; ++i) EXPECT_EQ(0, r[i]);
}

}  // namespace
