#include "mainwin/clock_bar.h"

#include <windows.h>
#include <mmsystem.h>

#include "alarm/actions.h"
#include "alarm/countdown_window.h"
#include "alarm/reminder_window.h"
#include "core/texts.h"
#include "core/win_app.h"
#include "events/calendar.h"
#include "mainwin/clock_format.h"
#include "mainwin/later_windows.h"
#include "toolkit/lite_window.h"
#include "toolkit/win_text.h"
#ifdef ZEL_EDITION_ENGLISH
#include "english/hint_window.h"
#endif

namespace zel {
namespace {

constexpr int kBarHeight = 18;
constexpr int kEnglishBarWidth = 80;

int BarWidth() { return kEnglish ? kEnglishBarWidth : App().Core.SysTuning.BarWidth; }

bool Locked() {
  return std::atomic_ref<std::uint8_t>(App().Core.SysTuning.PositionLocked).load() != 0;
}

// The hotkey ids 0-9 in the order of their commands.
constexpr int kHotkeyCommand[10] = {102, 100, 101, 104, 103, 105, 106, 110, 111, 108};

class MyMain : public TLiteWindow {
 public:
  MyMain() {
    Bind(WM_NCHITTEST, &MyMain::OnNcHitTest);
    Bind(WM_NCRBUTTONUP, &MyMain::OnNcRButtonUp);
    Bind(WM_NCMOUSEMOVE, &MyMain::OnNcMouseMove);
    Bind(WM_NCLBUTTONDBLCLK, &MyMain::OnNcLButtonDblClk);
    Bind(WM_MOVE, &MyMain::OnMove);
    Bind(WM_CLOSE, &MyMain::OnClose);
    Bind(WM_QUERYENDSESSION, &MyMain::OnQueryEndSession);
    Bind(WM_ENDSESSION, &MyMain::OnEndSession);
    Bind(kMsgShowOrTick, &MyMain::OnShowReminders);
    Bind(kMsgPlaySound, &MyMain::OnPlaySound);
    Bind(kMsgSystemEnd, &MyMain::OnSystemEnd);
    Bind(kMsgShowBoxes, &MyMain::OnShowBoxes);
    Bind(WM_PAINT, &MyMain::OnPaint);
    Bind(WM_COMMAND, &MyMain::OnCommand);
    Bind(WM_SYSCOMMAND, &MyMain::OnSysCommand);
    Bind(WM_HOTKEY, &MyMain::OnHotkey);
    Bind(WM_WINDOWPOSCHANGING, &MyMain::OnWindowPosChanging);
    Bind(WM_GETMINMAXINFO, &MyMain::OnGetMinMaxInfo);
  }

  void CreateParams() override {
    App().Main.Open = true;
    TLiteWindow::CreateParams();
    AppCore& core = App().Core;
    Left = core.SysTuning.BarLeft;
    Top = core.SysTuning.BarTop;
    Width = BarWidth();
    Height = kBarHeight;
    KeepOnScreen();
    Caption.clear();
    Style = 0;
    ExStyle = WS_EX_TOPMOST | WS_EX_ACCEPTFILES | WS_EX_TOOLWINDOW;
    WndClass.hbrBackground = nullptr;
    WndClass.hInstance = App().Instance;
  }

  void CreateControls() override {
    App().MainHandle = Handle;
    App().Main.Handle = Handle;
    App().Main.Object = this;
    SetWindowLongW(Handle, GWL_STYLE, GetWindowLongW(Handle, GWL_STYLE) & ~0x00C00000L);
    ApplyShape();
    ShowWindow(Handle, SW_SHOWNORMAL);
    UpdateBounds();
    App().Core.LastBarLeft = Left;
    App().Core.LastBarTop = Top;
    if (!kEnglish) LoadClockFormat(App().Core);
  }

 private:
  // A place on no monitor (a screen was removed) comes back to the top
  // right corner of the primary screen's work area.
  void KeepOnScreen() {
    RECT bar{Left, Top, Left + Width, Top + Height};
    if (MonitorFromRect(&bar, MONITOR_DEFAULTTONULL)) return;
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    Left = work.right - Width;
    Top = work.top;
  }

  void ApplyShape() {
    Width = BarWidth();
    Height = kBarHeight;
    HRGN region = CreateRoundRectRgn(0, 0, Width, Height - 1, 22, 22);
    // The window owns the region from here on.
    SetWindowRgn(Handle, region, TRUE);
    SetWindowPos(Handle, nullptr, 0, 0, Width, Height,
                 SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE);
  }

  // A bar narrower than a captioned window's least width keeps its width.
  void OnGetMinMaxInfo(TMessage& m) {
    DefaultHandler(m);
    reinterpret_cast<MINMAXINFO*>(m.LParam)->ptMinTrackSize = POINT{1, 1};
  }

  void OnNcHitTest(TMessage& m) {
    DefaultHandler(m);
    if (m.Result == HTCLIENT) m.Result = HTCAPTION;
  }

  void OnWindowPosChanging(TMessage& m) {
    if (Locked()) reinterpret_cast<WINDOWPOS*>(m.LParam)->flags |= SWP_NOMOVE;
    DefaultHandler(m);
  }

  void OnMove(TMessage& m) {
    UpdateBounds();
    App().Core.LastBarLeft = Left;
    App().Core.LastBarTop = Top;
    DefaultHandler(m);
  }

  void OnNcRButtonUp(TMessage&) {
    POINT at{};
    GetCursorPos(&at);
    TrackPopupMenu(App().PopupMenu, TPM_CENTERALIGN, at.x, at.y, 0, Handle, nullptr);
  }

  void OnNcMouseMove(TMessage&) {
#ifdef ZEL_EDITION_ENGLISH
    OpenHint();
#endif
  }

  void OnNcLButtonDblClk(TMessage&) {
    if (!kEnglish) StopSounds();
    OpenEventDialog(0);
  }

  void OnPaint(TMessage& m) {
    TApp& app = App();
    AppCore& core = app.Core;
    DC = GetWindowDC(Handle);
    const bool red = std::atomic_ref<std::uint8_t>(core.Tuning.SoundsOff).load() ||
                     std::atomic_ref<std::uint8_t>(core.Tuning.ActionsOff).load();
    const COLORREF back = red ? 0x0000D2 : 0x6E0000;
    PAINTSTRUCT ps;
    BeginPaint(Handle, &ps);
    RECT all{0, 0, Width, Height};
    FillRect(DC, &all, red ? app.RedBrush : app.BlueBrush);
    EndPaint(Handle, &ps);
    HGDIOBJ oldFont = SelectObject(DC, app.BarFont);
    SetTextColor(DC, !kEnglish && core.EventsToday > 0 ? 0xFFFFFF : 0x96FFFF);
    SetBkColor(DC, back);
    SetTextAlign(DC, TA_CENTER | TA_TOP);
    std::string text;
    if (kEnglish)
      text = HourText(kProgramEdition, core.TwelveHour(), core.CurrentTime.Hour) + "." +
             TwoDigits(core.CurrentTime.Minute);
    else
      text = FormatClock(core, core.ClockFormat);
    const std::wstring wide = Wide(text);
    TextOutW(DC, Width / 2 - 1, 0, wide.c_str(), static_cast<int>(wide.size()));
    SelectObject(DC, oldFont);
    ReleaseDC(Handle, DC);
    DC = nullptr;
    DefaultHandler(m);
    m.Result = 0;
  }

  void OnSysCommand(TMessage& m) {
    if ((m.WParam & 0xFFF0) == SC_CLOSE) {
      const Texts& t = TextsOf(kProgramEdition);
      if (MessageBoxW(Handle, Wide(t.ExitQuestion).c_str(), Wide(t.AppCaption).c_str(),
                      MB_YESNO | MB_ICONQUESTION) != IDYES) {
        m.Result = 0;
        return;
      }
    }
    DefaultHandler(m);
  }

  void OnClose(TMessage& m) {
    RequestQuit();
    App().Main.Open = false;
    App().Main.Object = nullptr;
    m.Result = 0;
    Destroy();
  }

  // The session may end; only its real end (below) stops the reminders, so
  // a cancelled shutdown leaves them running.
  void OnQueryEndSession(TMessage& m) { m.Result = 1; }

  void OnEndSession(TMessage& m) {
    m.Result = 0;
    if (!m.WParam) return;
    TApp& app = App();
    app.SessionEnding = true;
    RequestQuit();
    // Wait for the ticker's orderly end, still answering what other threads
    // send (a repaint, a sound), so that the ticker can always finish. A
    // ticker held up for long (a synchronous melody) is not waited for.
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < 10000) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_SENDMESSAGE);
      MSG msg;
      PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    ShutDownApp();
  }

  void OnShowReminders(TMessage&) { OpenReminderWindow(); }

  void OnPlaySound(TMessage& m) {
    const auto* path = reinterpret_cast<const char*>(m.LParam);
    PlaySoundW(WideFromUtf8(path).c_str(), nullptr, static_cast<DWORD>(m.WParam));
  }

  void OnSystemEnd(TMessage& m) {
    if (m.WParam == 0) OpenCountdown(false);
    if (m.WParam == 1) OpenCountdown(true);
    if (m.WParam == 2) ShutDownApp();
  }

  void OnShowBoxes(TMessage&) { App().Seam.ShowQueuedBoxes(); }

  void OnCommand(TMessage& m) {
    if (m.LParam != 0) return;
    RunCommand(m.WParamLo());
  }

  void OnHotkey(TMessage& m) {
    if (m.WParam < 10) RunCommand(kHotkeyCommand[m.WParam]);
  }
};

}  // namespace

void CreateClockBar() { (new MyMain)->Create(nullptr); }

void RunCommand(int command) {
  AppCore& core = App().Core;
  switch (command) {
    case 100: SetSoundsOff(!core.Tuning.SoundsOff); break;
    case 101: SetActionsOff(!core.Tuning.ActionsOff); break;
    case 109: SetPositionLocked(!core.SysTuning.PositionLocked); break;
    case 107: PostMessageW(App().MainHandle, WM_SYSCOMMAND, SC_CLOSE, 0); break;
    case 102: OpenEventDialog(0); break;
    case 103: OpenEventEditor(101); break;
    case 104: OpenEventEditor(100); break;
    case 105: OpenFlash(); break;
    case 106: OpenNotebook(0); break;
    case 110: OpenNotebook(1); break;
    case 111: OpenNotebook(2); break;
    case 108: OpenSettings(); break;
    default: break;
  }
}

}  // namespace zel
