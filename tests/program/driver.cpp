#include "driver.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "core/codepage.h"
#include "toolkit/win_text.h"
#include "support/message_box_answer.h"
#include "support/wine_paths.h"

namespace zel::test {
namespace {

void CopyTree(const std::wstring& from, const std::wstring& to) {
  CreateDirectoryW(to.c_str(), nullptr);
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((from + L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      CopyTree(from + name + L"\\", to + name + L"\\");
    else
      CopyFileW((from + name).c_str(), (to + name).c_str(), FALSE);
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

struct Search {
  DWORD Pid;
  const wchar_t* Prefix;
  HWND Found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
  auto* s = reinterpret_cast<Search*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != s->Pid) return TRUE;
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  if (std::wcsncmp(name, s->Prefix, std::wcslen(s->Prefix)) != 0) return TRUE;
  s->Found = window;
  return FALSE;
}

}  // namespace

std::wstring W(const char* utf8) { return WideFromUtf8(utf8); }

std::wstring FreshInstall(Ed edition) {
  static int counter = 0;
  const std::string source = edition == Ed::Ru ? ZEL_INSTALL_RU : ZEL_INSTALL_EN;
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  // A space in the folder name, so that the quoted autostart value matters.
  // Process numbers come round again from run to run: a folder that exists
  // already is never reused.
  std::wstring dir;
  do {
    dir = std::wstring(temp) + L"zel program " + std::to_wstring(GetCurrentProcessId()) + L"-" +
          std::to_wstring(++counter) + L"\\";
  } while (GetFileAttributesW(dir.c_str()) != INVALID_FILE_ATTRIBUTES);
  CopyTree(WideFromUtf8(WindowsPath(source)) + L"\\", dir);
  return dir;
}

void SetClock(const char* localTime) {
  static const std::string file = [] {
    const char* unix = std::getenv("ZEL_TEST_CLOCK_FILE");
    return unix ? WindowsPath(unix) : std::string();
  }();
  if (file.empty()) return;
  const std::wstring target = WideFromUtf8(file), temp = target + L".new";
  FILE* f = _wfopen(temp.c_str(), L"w");
  std::fprintf(f, "%s\n", localTime);
  std::fclose(f);
  // In one step: the clock reader must never see a half-written file.
  MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING);
}

std::wstring SysTuningPath() {
  wchar_t dir[MAX_PATH];
  GetWindowsDirectoryW(dir, MAX_PATH);
  return std::wstring(dir) + L"\\vellsys.tun";
}

Program::Program(const std::wstring& install, const std::wstring& arguments,
                 const std::wstring& exe)
    : Install(install) {
  std::wstring command = L"\"" + install + exe + L"\"";
  if (!arguments.empty()) command += L" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, install.c_str(),
                 &startup, &Info);
}

Program::~Program() {
  if (Info.hProcess) {
    if (Running()) {
      TerminateProcess(Info.hProcess, 99);
      WaitForSingleObject(Info.hProcess, 5000);
    }
    CloseHandle(Info.hProcess);
    CloseHandle(Info.hThread);
  }
}

int Program::WaitExit(DWORD ms) {
  if (WaitForSingleObject(Info.hProcess, ms) != WAIT_OBJECT_0) return -1;
  DWORD code = 0;
  GetExitCodeProcess(Info.hProcess, &code);
  return static_cast<int>(code);
}

bool Program::Running() { return WaitForSingleObject(Info.hProcess, 0) == WAIT_TIMEOUT; }

HWND Program::FindWindowOf(const wchar_t* prefix) {
  Search s{Info.dwProcessId, prefix, nullptr};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&s));
  return s.Found;
}

HWND Program::WaitWindow(const wchar_t* prefix, DWORD ms) {
  HWND found = nullptr;
  WaitFor([&] { return (found = FindWindowOf(prefix)) != nullptr || !Running(); }, ms);
  return found;
}

bool Program::WaitGone(HWND window, DWORD ms) {
  return WaitFor([&] { return !IsWindow(window); }, ms);
}

void Program::Exit(bool yes) {
  HWND bar = FindWindowOf(L"MyMain:");
  // A box answered before may still be on its way out: it must not be
  // taken for the question.
  WaitFor([] { return !FindWindowW(L"#32770", L"Zelmora"); });
  MessageBoxAnswer answer(L"Zelmora", yes ? IDYES : IDNO);
  PostMessageW(bar, WM_COMMAND, 107, 0);
  answer.Result();
  // The answered box is gone before anything else is asked.
  WaitFor([] { return !FindWindowW(L"#32770", L"Zelmora"); });
}

void WriteFileBytes(const std::wstring& path, const void* data, size_t size) {
  FILE* f = _wfopen(path.c_str(), L"wb");
  std::fwrite(data, 1, size, f);
  std::fclose(f);
}

std::string ReadFileBytes(const std::wstring& path) {
  std::string bytes;
  if (FILE* f = _wfopen(path.c_str(), L"rb")) {
    char buffer[65536];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) bytes.append(buffer, n);
    std::fclose(f);
  }
  return bytes;
}

TWorkRecord ReadWork(const std::wstring& install) {
  TWorkRecord work{};
  const std::string bytes = ReadFileBytes(install + L"userdata\\vell.rwo");
  if (bytes.size() == sizeof work) std::memcpy(&work, bytes.data(), sizeof work);
  return work;
}

void WriteWork(const std::wstring& install, const TWorkRecord& work) {
  WriteFileBytes(install + L"userdata\\vell.rwo", &work, sizeof work);
}

TEventRec MakeEvent(int slot, int period, int year, int month, int day, int hour, int minute,
                    int action, const char* message) {
  TEventRec e;
  ResetEvent(e);
  std::memset(e.Reserved136, 0, sizeof e.Reserved136);
  e.Slot = static_cast<std::uint16_t>(slot);
  e.Period = static_cast<std::uint8_t>(period);
  e.Year = static_cast<std::uint16_t>(year);
  e.Month = static_cast<std::uint8_t>(month);
  e.Day = static_cast<std::uint8_t>(day);
  e.Hour = static_cast<std::uint8_t>(hour);
  e.Minute = static_cast<std::uint8_t>(minute);
  e.Action = static_cast<std::uint8_t>(action);
  e.Message.Set(Utf8ToCp1251(message));
  e.ShowMessage = kTrue;
  return e;
}

std::wstring WindowText(HWND window) {
  wchar_t text[1024] = {};
  SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 5000,
                      nullptr);
  return text;
}

std::wstring ListText(HWND list, int index) {
  wchar_t text[1024] = {};
  const LRESULT n = SendMessageW(list, LB_GETTEXTLEN, index, 0);
  if (n < 0 || n >= 1024) return L"";
  SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text));
  return text;
}

HWND ChildOfClass(HWND parent, const wchar_t* className, int skip) {
  HWND child = nullptr;
  while ((child = FindWindowExW(parent, child, className, nullptr)) != nullptr)
    if (skip-- == 0) return child;
  return nullptr;
}

std::string OpenBoxText() {
  HWND box = FindWindowW(L"#32770", nullptr);
  if (!box) return "no box open";
  std::wstring text = L"box \"" + WindowText(box) + L"\":";
  for (HWND c = nullptr; (c = FindWindowExW(box, c, L"Static", nullptr)) != nullptr;)
    text += L" " + WindowText(c);
  return Utf16ToUtf8(std::u16string(text.begin(), text.end()));
}

HWND WaitChild(HWND parent, const wchar_t* className, int skip) {
  HWND child = nullptr;
  WaitFor([&] { return (child = ChildOfClass(parent, className, skip)) != nullptr; });
  return child;
}

}  // namespace zel::test
