// Win32 side of the seam, on the W API: UTF-8 paths become UTF-16 here.
#include <windows.h>

#include <cstdio>

#include "core/codepage.h"
#include "core/platform_seam.h"

namespace zel {
namespace {

std::wstring Wide(const std::string& utf8) {
  std::u16string w = Utf8ToUtf16(utf8);
  return std::wstring(w.begin(), w.end());
}

std::string Narrow(const wchar_t* w) {
  std::u16string s;
  for (; *w; ++w) s.push_back(static_cast<char16_t>(*w));
  return Utf16ToUtf8(s);
}

std::int32_t DosStampOf(const FILETIME& utc) {
  FILETIME local;
  WORD date = 0, time = 0;
  if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToDosDateTime(&local, &date, &time))
    return -1;
  return static_cast<std::int32_t>((static_cast<std::uint32_t>(date) << 16) | time);
}

}  // namespace

LocalTime PlatformSeam::Now() {
  SYSTEMTIME st;
  GetLocalTime(&st);
  return {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond};
}

std::FILE* PlatformSeam::OpenStream(const std::string& path, const char* mode) {
  std::wstring wmode;
  for (const char* m = mode; *m; ++m) wmode.push_back(static_cast<wchar_t>(*m));
  return _wfopen(Wide(path).c_str(), wmode.c_str());
}

int PlatformSeam::CommitFile(const std::string& temp, const std::string& target) {
  const std::wstring wtemp = Wide(temp);
  HANDLE h = CreateFileW(wtemp.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return static_cast<int>(GetLastError());
  BOOL flushed = FlushFileBuffers(h);
  DWORD err = flushed ? 0 : GetLastError();
  CloseHandle(h);
  if (!flushed) return static_cast<int>(err);
  if (!MoveFileExW(wtemp.c_str(), Wide(target).c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return static_cast<int>(GetLastError());
  return 0;
}

int PlatformSeam::RemoveFile(const std::string& path) {
  return DeleteFileW(Wide(path).c_str()) ? 0 : static_cast<int>(GetLastError());
}

int PlatformSeam::SetAttributes(const std::string& path, std::uint32_t attributes) {
  return SetFileAttributesW(Wide(path).c_str(), attributes) ? 0
                                                            : static_cast<int>(GetLastError());
}

std::int32_t PlatformSeam::FileStamp(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(Wide(path).c_str(), GetFileExInfoStandard, &data)) return -1;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return -1;
  return DosStampOf(data.ftLastWriteTime);
}

bool PlatformSeam::MakeFolder(const std::string& path) {
  return CreateDirectoryW(Wide(path).c_str(), nullptr) != 0;
}

std::vector<SearchEntry> PlatformSeam::FindFiles(const std::string& folderAndMask,
                                                 std::uint32_t attributes) {
  std::vector<SearchEntry> found;
  WIN32_FIND_DATAW fd;
  HANDLE h = FindFirstFileW(Wide(folderAndMask).c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return found;
  const DWORD special = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | 0x08 /* volume */ |
                        FILE_ATTRIBUTE_DIRECTORY;
  do {
    if ((fd.dwFileAttributes & special & ~attributes) != 0) continue;
    std::string name = Narrow(fd.cFileName);
    if (name == "." || name == "..") continue;
    found.push_back({name,
                     (static_cast<std::uint64_t>(fd.nFileSizeHigh) << 32) | fd.nFileSizeLow,
                     fd.dwFileAttributes, DosStampOf(fd.ftLastWriteTime)});
  } while (FindNextFileW(h, &fd));
  FindClose(h);
  return found;
}

std::string PlatformSeam::ShortPathName(const std::string& path) {
  const std::wstring w = Wide(path);
  wchar_t buf[MAX_PATH * 2];
  DWORD n = GetShortPathNameW(w.c_str(), buf, MAX_PATH * 2);
  if (n == 0 || n >= MAX_PATH * 2) return path;
  return Narrow(buf);
}

}  // namespace zel
