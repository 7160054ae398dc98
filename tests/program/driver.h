// Drives the real Vell32.exe from outside: a fresh install folder, the
// process, its windows, the controlled clock and the data files.
#pragma once

#include <windows.h>

#include <string>

#include "core/settings_records.h"
#include "events/event_record.h"

namespace zel::test {

enum class Ed { Ru, En };

// A copy of the edition's install folder under the temporary folder
// (Windows path, ending in "\").
std::wstring FreshInstall(Ed edition);

// The clock the programs see (a frozen local time, "YYYY-MM-DD HH:MM:SS").
void SetClock(const char* localTime);

// Where vellsys.tun lives (the Windows folder); removed before each start.
std::wstring SysTuningPath();

class Program {
 public:
  Program(const std::wstring& install, const std::wstring& arguments = L"",
          const std::wstring& exe = L"Vell32.exe");
  ~Program();  // ends a process still running
  // The exit code, or -1 when it has not ended within the time.
  int WaitExit(DWORD ms = 15000);
  bool Running();
  // A top-level window of this process whose class starts with `prefix`
  // ("MyMain:"), or nullptr after the time.
  HWND WaitWindow(const wchar_t* prefix, DWORD ms = 15000);
  HWND FindWindowOf(const wchar_t* prefix);
  // Waits until the window is gone; false after the time.
  bool WaitGone(HWND window, DWORD ms = 15000);
  // Posts the exit question and answers it.
  void Exit(bool yes = true);

  PROCESS_INFORMATION Info{};
  std::wstring Install;
};

// Waits until `test` holds; false after the time.
template <typename Test>
bool WaitFor(Test&& test, DWORD ms = 15000) {
  const DWORD start = GetTickCount();
  while (!test()) {
    if (GetTickCount() - start > ms) return false;
    Sleep(20);
  }
  return true;
}

// Records as files.
void WriteFileBytes(const std::wstring& path, const void* data, size_t size);
std::string ReadFileBytes(const std::wstring& path);
TWorkRecord ReadWork(const std::wstring& install);
void WriteWork(const std::wstring& install, const TWorkRecord& work);
// A one-time (or other) event at a day and time.
TEventRec MakeEvent(int slot, int period, int year, int month, int day, int hour, int minute,
                    int action, const char* message);

// Texts of another process's controls.
std::wstring WindowText(HWND window);
std::wstring ListText(HWND list, int index);
// The first child of a window with the class name.
HWND ChildOfClass(HWND parent, const wchar_t* className, int skip = 0);
// The same, waiting until the window has made it.
HWND WaitChild(HWND parent, const wchar_t* className, int skip = 0);

// Caption and texts of a message box open anywhere, for failure reports.
std::string OpenBoxText();

// UTF-16 of a Russian-edition UTF-8 literal.
std::wstring W(const char* utf8);

}  // namespace zel::test
