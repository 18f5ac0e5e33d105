#include "platform/win32/late_bound.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/windows_api.h"

namespace {
// Opens for reading while letting others read and write the file, so that a file another program
// holds open still counts as readable.
HANDLE OpenForReading(const char* path) {
  return CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING,
                     FILE_ATTRIBUTE_NORMAL, NULL);
}
}  // namespace

bool Win32Disk::Failed() {
  last_error_ = GetLastError();
  return false;
}

bool Win32Disk::CanOpenForReading(const char* path) {
  HANDLE file = OpenForReading(path);
  if (file == INVALID_HANDLE_VALUE) return Failed();
  CloseHandle(file);
  return true;
}

// GetFileSize with the high part: GetFileSizeEx is missing from Windows 95 and NT 4.0.
int64_t Win32Disk::FileLength(const char* path) {
  HANDLE file = OpenForReading(path);
  if (file == INVALID_HANDLE_VALUE) {
    Failed();
    return -1;
  }
  DWORD high = 0;
  DWORD low = GetFileSize(file, &high);
  if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) {
    Failed();
    CloseHandle(file);
    return -1;
  }
  CloseHandle(file);
  return static_cast<int64_t>((static_cast<uint64_t>(high) << 32) | low);
}

unsigned Win32Disk::DriveType(const char* root) { return GetDriveTypeA(root); }

bool Win32Disk::CopyFile(const char* from, const char* to) {
  return CopyFileA(from, to, FALSE) ? true : Failed();
}

bool Win32Disk::DeleteFile(const char* path) { return DeleteFileA(path) ? true : Failed(); }

// GetDiskFreeSpaceExA came with Windows 95 OSR2; the first Windows 95 only has the cluster
// counts, which stop at 2 GB but are all there is on that system.
bool Win32Disk::FreeSpace(const char* root, uint64_t* free_bytes) {
  typedef BOOL(WINAPI * FreeSpaceEx)(LPCSTR, ULARGE_INTEGER*, ULARGE_INTEGER*, ULARGE_INTEGER*);
  FreeSpaceEx free_space_ex = LateBound<FreeSpaceEx>("kernel32.dll", "GetDiskFreeSpaceExA");
  if (free_space_ex) {
    ULARGE_INTEGER available, total, free;
    if (!free_space_ex(root, &available, &total, &free)) return Failed();
    *free_bytes = available.QuadPart;
    return true;
  }
  DWORD sectors_per_cluster, bytes_per_sector, free_clusters, total_clusters;
  if (!GetDiskFreeSpaceA(root, &sectors_per_cluster, &bytes_per_sector, &free_clusters,
                         &total_clusters)) {
    return Failed();
  }
  *free_bytes = static_cast<uint64_t>(sectors_per_cluster) * bytes_per_sector * free_clusters;
  return true;
}
