#include "environment/section_tables.h"

const GenerationEntry kGenerationList[kGenerationListSize] = {
    {nullptr, nullptr},
    {"===========================", nullptr},
    {"한글 Windows 2000/XP/2003", "Win2Kh"},
    {"한글 Windows NT 4.0", "WinNTh"},
    {"한글 Windows 95/98/ME", "Win95h"},
    {"한글 Windows VISTA/7", "Win7Vh"},
    {"", nullptr},
    {"영문 Windows 2000/XP/2003", "Win2Ke"},
    {"영문 Windows NT 4.0", "WinNTe"},
    {"영문 Windows 95/98/ME", "Win95e"},
    {"영문 Windows VISTA/7", "Win7Ve"},
};

const char* SectionForListIndex(int index) {
  if (index < 0 || index >= kGenerationListSize) return nullptr;
  return kGenerationList[index].section;
}

bool IsUnselectedListIndex(int index) { return index == 0 || index == 1 || index == 6; }

const DisketteFileName kDisketteFileNames[kDisketteFileNameCount] = {
    {"Hwin2K.drv", "한글 Windows 2000/XP/2003", "Win2Kh"},
    {"NT40H.drv", "한글 Windows NT 4.0", "WinNTh"},
    {"Hwin95.drv", "한글 Windows 95/98/ME", "Win95h"},
    {"Hwin7V.drv", "한글 Windows VISTA/7", "Win7Vh"},
    {"Win2K.drv", "영문 Windows 2000/XP/2003", "Win2Ke"},
    {"NT40E.drv", "영문 Windows NT 4.0", "WinNTe"},
    {"Win95.drv", "영문 Windows 95/98/ME", "Win95e"},
    {"Win7V.drv", "영문 Windows VISTA/7", "Win7Ve"},
};

const DisketteFileName* FindDisketteFileName(const Text& file_name) {
  for (const DisketteFileName& row : kDisketteFileNames) {
    if (file_name == row.file_name) return &row;
  }
  return nullptr;
}
