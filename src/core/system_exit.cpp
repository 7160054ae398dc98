#include "core/system_exit.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "core/win_app.h"

namespace zel {

bool CheckIsNT() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExW(&info)) return true;
#pragma GCC diagnostic pop
  return info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

void EnableShutdownPrivilege(bool isNT) {
  if (!isNT) return;
  auto fail = [](const char* step) { App().Seam.ShowLater(false, "Exit Error", step, MB_OK); };
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
    fail("OpenProcessToken() Failed");
    return;
  }
  TOKEN_PRIVILEGES wanted{};
  if (!LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &wanted.Privileges[0].Luid)) {
    CloseHandle(token);
    fail("LookupPrivilegeValue() Failed");
    return;
  }
  wanted.PrivilegeCount = 1;
  wanted.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  TOKEN_PRIVILEGES previous{};
  DWORD previousSize = sizeof previous;
  const BOOL adjusted =
      AdjustTokenPrivileges(token, FALSE, &wanted, sizeof previous, &previous, &previousSize);
  // ERROR_NOT_ALL_ASSIGNED comes with a true answer: the privilege is missing.
  if (!adjusted || (GetLastError() & 0xFF) != 0) fail("AdjustTokenPrivileges() Failed");
  CloseHandle(token);
}

namespace {

// The test harness watches the request instead of ending its own session:
// with ZEL_SYSTEM_EXIT_LOG naming a file, the flags are written there and
// the system is not asked.
bool LogInsteadOfExit(UINT flags) {
  wchar_t path[MAX_PATH];
  const DWORD n = GetEnvironmentVariableW(L"ZEL_SYSTEM_EXIT_LOG", path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return false;
  if (FILE* f = _wfopen(path, L"wb")) {
    std::fprintf(f, "%u\n", flags);
    std::fclose(f);
  }
  return true;
}

}  // namespace

void ExitSystem(bool isShutdown, bool powerOff) {
  UINT flags = isShutdown ? EWX_SHUTDOWN : EWX_REBOOT;
  if (isShutdown && powerOff) flags |= EWX_POWEROFF;
  if (LogInsteadOfExit(flags)) return;
  if (!ExitWindowsEx(flags, 0)) MessageBeep(0);
}

}  // namespace zel
