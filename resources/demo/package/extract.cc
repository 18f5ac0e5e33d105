// The demo distribution's driver package: a self-extracting program that the setup program copies
// to the temporary folder as an .exe and runs. It writes the files it carries (RCDATA resources
// named by file name) into %TEMP%\KVERNsetup\, overwriting what is there, and ends.
//
// Exit code: 0 when every file was written; 1 when there is no usable temporary folder; 2 when
// the KVERNsetup folder cannot be made; 3 when a file could not be written (that file is removed
// rather than left half written); 4 when the program carries no files at all.
//
// It has no C runtime (its own entry point, linked with -nostdlib) and imports only kernel32
// functions that Windows 95 already has, so the same program runs on every system the setup
// program supports. It shows no window.

#include <windows.h>

namespace {

const char kFolderName[] = "KVERNsetup";

struct Extraction {
  char path[MAX_PATH];    // the target folder, ending with a backslash
  int folder_length;      // characters of `path` that belong to the folder
  int written;
  bool failed;
};

int copy_text(char* to, int capacity, const char* from) {
  int n = 0;
  while (from[n] != '\0') {
    if (n + 1 >= capacity) return -1;
    to[n] = from[n];
    ++n;
  }
  to[n] = '\0';
  return n;
}

bool write_file(const char* path, const void* bytes, DWORD size) {
  // A read-only file left by an earlier run would refuse to be replaced.
  SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
  HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD done = 0;
  bool ok = WriteFile(file, bytes, size, &done, nullptr) && done == size;
  ok = CloseHandle(file) && ok;
  if (!ok) DeleteFileA(path);
  return ok;
}

BOOL CALLBACK extract_one(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR context) {
  Extraction& x = *reinterpret_cast<Extraction*>(context);
  if (IS_INTRESOURCE(name)) return TRUE;  // only resources named by a file name are files
  char* file_name = x.path + x.folder_length;
  if (copy_text(file_name, MAX_PATH - x.folder_length, name) < 0) {
    x.failed = true;
    return TRUE;
  }
  HRSRC found = FindResourceA(module, name, type);
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (bytes && write_file(x.path, bytes, SizeofResource(module, found)))
    ++x.written;
  else
    x.failed = true;
  return TRUE;  // go on with the other files: the setup program reports what is missing
}

UINT extract() {
  Extraction x;
  x.written = 0;
  x.failed = false;
  DWORD temp = GetTempPathA(MAX_PATH, x.path);
  if (temp == 0 || temp >= MAX_PATH) return 1;
  int length = static_cast<int>(temp);
  if (x.path[length - 1] != '\\') {
    if (length + 1 >= MAX_PATH) return 1;
    x.path[length++] = '\\';
    x.path[length] = '\0';
  }
  int added = copy_text(x.path + length, MAX_PATH - length, kFolderName);
  // Room is kept for the backslash and for an 8.3 file name behind it.
  if (added < 0 || length + added + 14 >= MAX_PATH) return 1;
  length += added;
  if (!CreateDirectoryA(x.path, nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) return 2;
  x.path[length++] = '\\';
  x.path[length] = '\0';
  x.folder_length = length;

  EnumResourceNamesA(GetModuleHandleA(nullptr), RT_RCDATA, extract_one,
                     reinterpret_cast<LONG_PTR>(&x));
  if (x.failed) return 3;
  if (x.written == 0) return 4;
  return 0;
}

}  // namespace

// The entry point the linker is told about; with no C runtime there is no WinMain.
extern "C" void WINAPI PackageStart() { ExitProcess(extract()); }
