#ifndef ENVIRONMENT_SECTION_TABLES_H
#define ENVIRONMENT_SECTION_TABLES_H

#include "platform/text.h"

// The Windows-generation lists of the distribution panel (combos 1016 and 1026): eleven entries
// whose selection index gives the configuration section. Entry 0 is the list's own prompt.
struct GenerationEntry {
  const char* text;     // null for the prompt, which each list words differently
  const char* section;  // null where the entry names no generation
};

enum { kGenerationListSize = 11 };
extern const GenerationEntry kGenerationList[kGenerationListSize];

// The section of a list index, or null (prompt, separators, out of range).
const char* SectionForListIndex(int index);
// True for the prompt and the two separators: indexes that name no generation.
bool IsUnselectedListIndex(int index);

// The package names an install diskette may carry (section OSforInstallDiskette, key FileName),
// in the order they are compared, with the list entry and section each stands for.
struct DisketteFileName {
  const char* file_name;
  const char* entry;
  const char* section;
};

enum { kDisketteFileNameCount = 8 };
extern const DisketteFileName kDisketteFileNames[kDisketteFileNameCount];

// Exact, case-sensitive match of the whole value; null when no row matches.
const DisketteFileName* FindDisketteFileName(const Text& file_name);

#endif
