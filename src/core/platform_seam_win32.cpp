// Win32 side of the seam, on the W API: UTF-8 paths become UTF-16 here.
#include <windows.h>

#include <cstdio>

#include "core/platform_seam.h"
#include "toolkit/win_text.h"

namespace zel {
namespace {

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
  return _wfopen(WideFromUtf8(path).c_str(), wmode.c_str());
}

int PlatformSeam::CommitFile(const std::string& temp, const std::string& target) {
  const std::wstring wtemp = WideFromUtf8(temp);
  HANDLE h = CreateFileW(wtemp.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return static_cast<int>(GetLastError());
  BOOL flushed = FlushFileBuffers(h);
  DWORD err = flushed ? 0 : GetLastError();
  CloseHandle(h);
  if (!flushed) return static_cast<int>(err);
  if (!MoveFileExW(wtemp.c_str(), WideFromUtf8(target).c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return static_cast<int>(GetLastError());
  return 0;
}

int PlatformSeam::RemoveFile(const std::string& path) {
  return DeleteFileW(WideFromUtf8(path).c_str()) ? 0 : static_cast<int>(GetLastError());
}

int PlatformSeam::SetAttributes(const std::string& path, std::uint32_t attributes) {
  return SetFileAttributesW(WideFromUtf8(path).c_str(), attributes) ? 0
                                                            : static_cast<int>(GetLastError());
}

std::int32_t PlatformSeam::FileStamp(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(WideFromUtf8(path).c_str(), GetFileExInfoStandard, &data)) return -1;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return -1;
  return DosStampOf(data.ftLastWriteTime);
}

bool PlatformSeam::MakeFolder(const std::string& path) {
  return CreateDirectoryW(WideFromUtf8(path).c_str(), nullptr) != 0;
}

std::vector<SearchEntry> PlatformSeam::FindFiles(const std::string& folderAndMask,
                                                 std::uint32_t attributes) {
  std::vector<SearchEntry> found;
  WIN32_FIND_DATAW fd;
  HANDLE h = FindFirstFileW(WideFromUtf8(folderAndMask).c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return found;
  const DWORD special = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | 0x08 /* volume */ |
                        FILE_ATTRIBUTE_DIRECTORY;
  do {
    if ((fd.dwFileAttributes & special & ~attributes) != 0) continue;
    std::string name = Utf8FromWide(fd.cFileName);
    if (name == "." || name == "..") continue;
    found.push_back({name,
                     (static_cast<std::uint64_t>(fd.nFileSizeHigh) << 32) | fd.nFileSizeLow,
                     fd.dwFileAttributes, DosStampOf(fd.ftLastWriteTime)});
  } while (FindNextFileW(h, &fd));
  FindClose(h);
  return found;
}

std::string PlatformSeam::ShortPathName(const std::string& path) {
  const std::wstring w = WideFromUtf8(path);
  wchar_t buf[MAX_PATH * 2];
  DWORD n = GetShortPathNameW(w.c_str(), buf, MAX_PATH * 2);
  if (n == 0 || n >= MAX_PATH * 2) return path;
  return Utf8FromWide(buf);
}

}  // namespace zel

namespace zel {
namespace {

std::string WithoutFinalBackslash(std::string s) {
  while (s.size() > 3 && (s.back() == '\\' || s.back() == '/')) s.pop_back();
  return s;
}

std::string EnvVar(const wchar_t* name) {
  wchar_t buf[32768];
  DWORD n = GetEnvironmentVariableW(name, buf, 32768);
  if (n == 0 || n >= 32768) return std::string();
  return Utf8FromWide(buf);
}

}  // namespace

std::string PlatformSeam::ProgramFile() {
  std::wstring buf(32768, L'\0');
  DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
  if (n == 0 || n >= buf.size()) return std::string();
  buf.resize(n);
  return Utf8FromWide(buf.c_str());
}

std::string PlatformSeam::WindowsFolder() {
  wchar_t buf[MAX_PATH + 1];
  UINT n = GetWindowsDirectoryW(buf, MAX_PATH + 1);
  if (n == 0 || n > MAX_PATH) return std::string();
  return WithoutFinalBackslash(Utf8FromWide(buf));
}

std::string PlatformSeam::AppDataFolder() { return WithoutFinalBackslash(EnvVar(L"APPDATA")); }

std::string PlatformSeam::TempFolder() {
  wchar_t buf[MAX_PATH + 2];
  DWORD n = GetTempPathW(MAX_PATH + 2, buf);
  if (n == 0 || n > MAX_PATH + 1) return std::string();
  return WithoutFinalBackslash(Utf8FromWide(buf));
}

bool PlatformSeam::FolderExists(const std::string& path) {
  DWORD a = GetFileAttributesW(WideFromUtf8(path).c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool PlatformSeam::FolderWritable(const std::string& path) {
  std::string probe = path;
  if (!probe.empty() && probe.back() != '\\' && probe.back() != '/') probe += '\\';
  probe += ".zelmora-probe-" + std::to_string(GetCurrentProcessId());
  HANDLE h = CreateFileW(WideFromUtf8(probe).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                         FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  CloseHandle(h);
  return true;
}

int PlatformSeam::OemCodePage() { return static_cast<int>(GetOEMCP()); }

int PlatformSeam::StartHiddenBatch(const std::string& path) {
  std::string shell = EnvVar(L"ComSpec");
  if (shell.empty()) shell = "cmd.exe";
  // No AutoRun commands and no delayed expansion, so that ! and ^ in the
  // batch's quoted paths stay literal; cmd strips the outer pair of quotes.
  std::wstring line =
      L"\"" + WideFromUtf8(shell) + L"\" /d /v:off /c \"\"" + WideFromUtf8(path) + L"\"\"";
  STARTUPINFOW si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                      nullptr, &si, &pi))
    return static_cast<int>(GetLastError());
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return 0;
}

void PlatformSeam::DefaultBeep() { MessageBeep(0); }

}  // namespace zel
