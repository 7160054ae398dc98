// Screenshots of the running program for the docs, both editions: the clock
// bar, its menu, the reminder window, the help window, the countdown and
// (English) the hint. Run under a real X display (scripts/program-shots);
// each shot is the whole screen as a .bmp in the given folder.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "driver.h"
#include "support/message_box_answer.h"

using namespace zel;
using namespace zel::test;

namespace {

std::wstring out_dir;

void SaveScreen(const wchar_t* name) {
  Sleep(700);  // let the windows finish painting
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, w, h, screen, 0, 0, SRCCOPY);
  GdiFlush();
  const DWORD stride = ((w * 3 + 3) / 4) * 4, size = stride * h;
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info.bmiHeader;
  file.bfSize = file.bfOffBits + size;
  if (FILE* f = _wfopen((out_dir + name + L".bmp").c_str(), L"wb")) {
    std::fwrite(&file, sizeof file, 1, f);
    std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, f);
    std::fwrite(bits, size, 1, f);
    std::fclose(f);
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

void Shoot(Ed edition) {
  const bool ru = edition == Ed::Ru;
  const std::wstring suffix = ru ? L"-ru" : L"-en";
  const std::wstring dir = FreshInstall(edition);
  TWorkRecord work{};
  work.Events[0] = MakeEvent(1, kPeriodDaily, 2026, 1, 1, 11, 0, kActionNone,
                             ru ? "Совещание в 11:00, комната 204" : "Meeting at 11:00, room 204");
  work.Events[1] = MakeEvent(2, kPeriodOnce, 2026, 1, 5, 9, 15, kActionNone,
                             ru ? "Позвонить в банк" : "Call the bank");
  WriteWork(dir, work);
  DeleteFileW(SysTuningPath().c_str());
  SetClock("2026-01-05 10:59:40");
  Program program(dir);
  HWND bar = program.WaitWindow(L"MyMain:");
  if (!bar) return;
  // The caught-up reminder comes first; put it aside for the bar's shots.
  if (HWND first = program.WaitWindow(L"MyMesWin:", 5000)) {
    PostMessageW(first, WM_CLOSE, 0, 0);
    program.WaitGone(first);
  }
  SetWindowPos(bar, nullptr, 360, 12, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SaveScreen((L"clock-bar" + suffix).c_str());

  SetCursorPos(420, 20);
  PostMessageW(bar, WM_NCRBUTTONUP, HTCAPTION, MAKELPARAM(420, 20));
  WaitFor([] { return FindWindowW(L"#32768", nullptr) != nullptr; }, 5000);
  SaveScreen((L"menu" + suffix).c_str());
  PostMessageW(bar, WM_CANCELMODE, 0, 0);
  WaitFor([] { return !IsWindowVisible(FindWindowW(L"#32768", nullptr)); }, 5000);

  if (!ru) {
    SetCursorPos(390, 20);
    PostMessageW(bar, WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(390, 20));
    program.WaitWindow(L"MyHintWindow:", 5000);
    Sleep(1200);
    SaveScreen(L"hint-en");
  }
  SetCursorPos(900, 700);

  SetClock("2026-01-05 11:00:00");
  HWND reminder = program.WaitWindow(L"MyMesWin:");
  Sleep(900);
  SaveScreen((L"reminder" + suffix).c_str());

  PostMessageW(reminder, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(470, 20));
  if (HWND help = program.WaitWindow(L"MyHelpWindow:")) {
    HWND topics = WaitChild(help, L"ListBox");
    WaitFor([&] { return SendMessageW(topics, LB_GETCOUNT, 0, 0) > 1; }, 5000);
    SendMessageW(topics, LB_SETCURSEL, 1, 0);
    SendMessageW(help, WM_COMMAND, MAKEWPARAM(0, LBN_SELCHANGE), reinterpret_cast<LPARAM>(topics));
    SaveScreen((L"help" + suffix).c_str());
    PostMessageW(help, WM_CLOSE, 0, 0);
    program.WaitGone(help);
  }
  PostMessageW(reminder, WM_CLOSE, 0, 0);
  program.WaitGone(reminder);

  PostMessageW(bar, WM_USER + 4, 0, 0);
  if (HWND countdown = program.WaitWindow(L"MyEndWin:")) {
    SaveScreen((L"countdown" + suffix).c_str());
    PostMessageW(countdown, WM_CLOSE, 0, 0);
    program.WaitGone(countdown);
  }
  program.Exit();
  program.WaitExit();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  out_dir = argv[1];
  if (out_dir.back() != L'\\') out_dir += L'\\';
  Shoot(Ed::Ru);
  Shoot(Ed::En);
  DeleteFileW(SysTuningPath().c_str());  // the editions' files differ
  return 0;
}
