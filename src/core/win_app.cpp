#include "core/win_app.h"

#include <windows.h>
#include <mmsystem.h>

#include "alarm/actions.h"
#include "alarm/melody_player.h"
#include "core/data_folders.h"
#include "core/system_exit.h"
#include "core/ticker_thread.h"
#include "core/tuning_files.h"
#include "events/work_file.h"
#include "mainwin/clock_bar.h"
#include "mainwin/hotkeys.h"
#include "toolkit/key_offering.h"
#include "toolkit/win_text.h"

namespace zel {

TApp& App() {
  static TApp app;
  return app;
}

bool OnMainThread() { return GetCurrentThreadId() == App().MainThreadId; }

std::wstring Wide(const std::string& pageText) { return WideFromPage(kProgramEdition, pageText); }

void RequestQuit() {
  App().Core.Quitting = true;
  WakeTicker();
}

namespace {

struct MenuItem {
  UINT Id;
  const wchar_t* Bitmap;
  bool NewColumn;
};
const MenuItem kMenu[kMenuItems] = {
    {100, L"MITEMMUTE", false},    {101, L"MITEMNOACT", false}, {109, L"MITEMFIXATION", false},
    {107, L"MITEMTRACK", false},   {106, L"MITEMMASKS", true},  {103, L"MITEMSALE", false},
    {104, L"MITEMNOTEBOOK", false}, {108, L"MITEMTOOL", false}, {105, L"MITEMFLASH", true},
    {110, L"MITEMMASK", false},    {111, L"MITEMFIRM", false},  {102, L"MITEMCLOCK", false},
};

HFONT CourierFont(int height) {
  return CreateFontW(-height, 0, 0, 0, 800, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY, FF_MODERN,
                     L"Courier New");
}

void Check(UINT id, bool on) {
  CheckMenuItem(App().PopupMenu, id, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

void RepaintBar() {
  if (HWND main = App().MainHandle) SendMessageW(main, WM_PAINT, 0, 0);
}

void LoadMelodyNames() {
  ReadMelodyNames(App().Core.Paths.MusicLibrary, App().MelodyNames);
}

}  // namespace

void BuildPopupMenu() {
  TApp& app = App();
  app.PopupMenu = CreatePopupMenu();
  for (int i = 0; i < kMenuItems; ++i) {
    app.MenuBitmaps[i] = LoadBitmapW(app.Instance, kMenu[i].Bitmap);
    AppendMenuW(app.PopupMenu, MF_BITMAP | (kMenu[i].NewColumn ? MF_MENUBARBREAK : 0),
                kMenu[i].Id, reinterpret_cast<LPCWSTR>(app.MenuBitmaps[i]));
  }
}

void SetSoundsOff(bool on) {
  std::atomic_ref<std::uint8_t>(App().Core.Tuning.SoundsOff) = BoolByte(on);
  Check(100, on);
  if (on) StopSounds();
  RepaintBar();
}

void SetActionsOff(bool on) {
  std::atomic_ref<std::uint8_t>(App().Core.Tuning.ActionsOff) = BoolByte(on);
  Check(101, on);
  SetSoundsOff(on);
  RepaintBar();
}

void SetPositionLocked(bool on) {
  std::atomic_ref<std::uint8_t>(App().Core.SysTuning.PositionLocked) = BoolByte(on);
  Check(109, on);
}

void InitApp(bool setupArgument) {
  TApp& app = App();
  AppCore& core = app.Core;
  app.MainThreadId = GetCurrentThreadId();
  app.Instance = GetModuleHandleW(nullptr);
  app.Desktop = GetDesktopWindow();
  app.IsNT = CheckIsNT();

  app.BackBrush = CreateSolidBrush(0xE1E1E1);
  app.RedBrush = CreateSolidBrush(0x0000D2);
  app.BlueBrush = CreateSolidBrush(0x6E0000);
  app.YellowBrush = CreateSolidBrush(0x96FFFF);
  app.LightBrush = CreateSolidBrush(0xF0FFFF);

  CreateDataFolders(app.Seam, core.Paths, kProgramEdition, setupArgument);

  app.ListFont = CourierFont(14);
  app.BarFont = CourierFont(16);

  BuildPopupMenu();

  const int kIconResources[6] = {1, 2, 3, 5, 6, 4};
  for (int i = 0; i < 4; ++i) app.Icons[i] = LoadIconW(app.Instance, MAKEINTRESOURCEW(kIconResources[i]));
  app.Icons[4] = LoadIconW(nullptr, IDI_EXCLAMATION);
  app.Icons[5] = LoadIconW(nullptr, IDI_QUESTION);
  app.Icons[6] = LoadIconW(app.Instance, MAKEINTRESOURCEW(kIconResources[4]));
  app.Icons[7] = LoadIconW(app.Instance, MAKEINTRESOURCEW(kIconResources[5]));

  app.ScreenHeight = GetSystemMetrics(SM_CYSCREEN);
  app.ScreenWidth = GetSystemMetrics(SM_CXSCREEN);

  LoadMelodyNames();

  LoadTuning(core);
  LoadSysTuning(core);

  // SetActionsOff also mutes; the stored mute state then wins.
  SetActionsOff(core.Tuning.ActionsOff != 0);
  SetSoundsOff(core.Tuning.SoundsOff != 0);
  SetPositionLocked(core.SysTuning.PositionLocked != 0);

  CreateClockBar();

  RegisterHotkeys();

  StartTicker();
}

void ShutDownApp() {
  TApp& app = App();
  if (app.ShutDownDone.exchange(true)) return;
  AppCore& core = app.Core;
  {
    std::lock_guard<std::recursive_mutex> g(core.TableLock);
    SaveWork(core);
  }
  SaveSysTuning(core);
  SaveTuning(core);
  if (!kEnglish) StopMelody();

  for (HGDIOBJ brush : {app.BackBrush, app.RedBrush, app.BlueBrush, app.YellowBrush, app.LightBrush})
    DeleteObject(brush);
  DeleteObject(app.ListFont);
  DeleteObject(app.BarFont);
  for (HBITMAP bitmap : app.MenuBitmaps) DeleteObject(bitmap);
  DestroyMenu(app.PopupMenu);
  for (HICON icon : app.Icons) DestroyIcon(icon);

  if (core.RebootRequested)
    ExitSystem(false, false);
  else if (core.PowerOffRequested)
    ExitSystem(true, core.SysTuning.PowerOff != 0);
  if (kEnglish) MessageBeep(0);
  ExitProcess(0);
}

void RunMessageLoop() {
  MSG msg;
  for (;;) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) RequestQuit();
    if (got == -1) continue;
    if (OfferKeyToTopLevel(msg)) continue;
    if (!App().Core.Quitting) TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace zel
