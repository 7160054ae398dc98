// Start-up time and idle CPU time of Vell32.exe beside an empty Win32
// program under the same Wine (scripts/bench-program). Start-up ends when
// the bar is shown and its thread answers from its message loop, right
// after the first paint.
#include <windows.h>

#include <cstdio>
#include <cwctype>
#include <string>

#include "driver.h"
#include "support/wine_paths.h"

using namespace zel::test;

namespace {

// Wine does not count another process's times, so they are read from the
// Unix side: the process whose command line names the install folder, its
// user and system ticks in /proc (100 a second).
double CpuSeconds(const std::wstring& dir, const std::wstring& exe) {
  // The folder's own name: the system may spell the temporary folder
  // another way.
  const std::wstring folder = dir.substr(0, dir.size() - 1);
  const std::wstring needle = folder.substr(folder.rfind(L'\\') + 1) + L"\\" + exe;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(L"Z:\\proc\\*", &found);
  double seconds = -1;
  if (search == INVALID_HANDLE_VALUE) return seconds;
  do {
    const std::wstring pid = found.cFileName;
    if (pid.empty() || !iswdigit(pid[0])) continue;
    const std::string line = ReadFileBytes(L"Z:\\proc\\" + pid + L"\\cmdline");
    std::wstring wide(line.begin(), line.end());
    if (wide.find(needle) == std::wstring::npos) continue;
    const std::string stat = ReadFileBytes(L"Z:\\proc\\" + pid + L"\\stat");
    const size_t close = stat.rfind(')');
    unsigned long utime = 0, stime = 0;
    if (close != std::string::npos &&
        std::sscanf(stat.c_str() + close + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %lu %lu",
                    &utime, &stime) == 2)
      seconds = (utime + stime) / 100.0;
    break;
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return seconds;
}

void Measure(const char* label, const std::wstring& dir, const std::wstring& exe, int idleSeconds) {
  double best = 1e9, total = 0;
  const int runs = 5;
  for (int i = 0; i < runs; ++i) {
    DeleteFileW(SysTuningPath().c_str());
    LARGE_INTEGER f, a, b;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&a);
    Program program(dir, L"", exe);
    HWND bar = program.WaitWindow(L"MyMain:");
    WaitFor([&] { return IsWindowVisible(bar); });
    SendMessageW(bar, WM_NULL, 0, 0);
    QueryPerformanceCounter(&b);
    const double s = double(b.QuadPart - a.QuadPart) / double(f.QuadPart);
    best = s < best ? s : best;
    total += s;
    if (i == runs - 1 && idleSeconds > 0) {
      const double before = CpuSeconds(dir, exe);
      Sleep(idleSeconds * 1000);
      const double used = CpuSeconds(dir, exe) - before;
      std::printf("%-14s start-up %.3f s (best of %d, mean %.3f s); idle CPU %.3f s over %d s\n",
                  label, best, runs, total / runs, used, idleSeconds);
    }
  }
  std::fflush(stdout);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int idle = argc > 1 ? _wtoi(argv[1]) : 60;
  const std::wstring empty = FreshInstall(Ed::Ru);
  const std::string source = WindowsPath(ZEL_EMPTY_WINDOW);
  CopyFileW(std::wstring(source.begin(), source.end()).c_str(), (empty + L"empty_window.exe").c_str(),
            FALSE);
  Measure("empty program", empty, L"empty_window.exe", idle);
  Measure("Vell32 ru", FreshInstall(Ed::Ru), L"Vell32.exe", idle);
  Measure("Vell32 en", FreshInstall(Ed::En), L"Vell32.exe", idle);
  DeleteFileW(SysTuningPath().c_str());
  return 0;
}
