// The Windows program's application object: the portable core plus the
// window handles, GDI objects, popup menu and the registry of open windows.
// One static object for the whole run, reached through App().
#pragma once

#include <windows.h>

#include <atomic>
#include <string>

#include "core/app_core.h"
#include "core/win_seam.h"

namespace zel {

#ifdef ZEL_EDITION_ENGLISH
inline constexpr Edition kProgramEdition = Edition::English;
#else
inline constexpr Edition kProgramEdition = Edition::Russian;
#endif
inline constexpr bool kEnglish = kProgramEdition == Edition::English;

// Messages between the parts (WM_USER + n).
enum : UINT {
  kMsgShowOrTick = WM_USER + 2,    // 1026: reminders / blink / countdown second / help topic
  kMsgEditorDelete = WM_USER + 3,  // 1027
  kMsgSystemEnd = WM_USER + 4,     // 1028: 0 reboot countdown, 1 shutdown countdown, 2 orderly end
  kMsgPlaySound = WM_USER + 5,     // 1029: PlaySound flags / UTF-8 path
  kMsgShowBoxes = WM_USER + 10,    // boxes other threads asked the main thread to show
};

// One window kind that exists at most once: its open flag, object and handle.
// The flag and handle are read by other threads.
struct TWindowSlot {
  std::atomic<bool> Open{false};
  std::atomic<HWND> Handle{nullptr};
  void* Object = nullptr;
};

// Menu items in the order they are appended.
inline constexpr int kMenuItems = 12;

struct TApp {
  TWinSeam Seam;
  AppCore Core{kProgramEdition, Seam};

  HINSTANCE Instance = nullptr;
  HWND Desktop = nullptr;
  std::atomic<HWND> MainHandle{nullptr};
  DWORD MainThreadId = 0;
  bool IsNT = true;
  int ScreenWidth = 0, ScreenHeight = 0;

  // Brushes: 0xE1E1E1, red 0x0000D2, dark blue 0x6E0000, pale yellow
  // 0x96FFFF, light 0xF0FFFF.
  HBRUSH BackBrush = nullptr, RedBrush = nullptr, BlueBrush = nullptr, YellowBrush = nullptr,
         LightBrush = nullptr;
  HFONT ListFont = nullptr;  // Courier New, bold, 14 pixels
  HFONT BarFont = nullptr;   // Courier New, bold, 16 pixels

  HMENU PopupMenu = nullptr;
  HBITMAP MenuBitmaps[kMenuItems] = {};
  HICON Icons[8] = {};

  std::string MelodyNames[10];  // from music.dll, the library's code page

  std::atomic<bool> ShutDownDone{false};
  // The session is ending: the orderly end shows no message box.
  std::atomic<bool> SessionEnding{false};

  // The registry of open windows (MainAlive is Main.Open).
  TWindowSlot Main, Reminder, Countdown, Help, Hint;
  TWindowSlot EventDialog, Editor, Flash, Settings, Notebook;
};

TApp& App();

bool OnMainThread();

// Sets Quitting and wakes the ticker so that it ends the program at once.
void RequestQuit();

// Builds everything, in order, on the main thread; `setupArgument` tells
// whether the program was started with "SETUP".
void InitApp(bool setupArgument);
// The one orderly exit: saves, frees, asks the system to reboot or shut down
// when a countdown ran out, and ends the process. Runs once; a second caller
// returns at once.
void ShutDownApp();

// The three switches of the menu; each sets its field and check mark.
void SetSoundsOff(bool on);
void SetActionsOff(bool on);
void SetPositionLocked(bool on);

// The popup menu of the clock bar (twelve bitmap items in three columns).
void BuildPopupMenu();

// The main thread's message loop; never returns.
[[noreturn]] void RunMessageLoop();

// Code-page text of the edition to UTF-16, and back.
std::wstring Wide(const std::string& pageText);

}  // namespace zel
