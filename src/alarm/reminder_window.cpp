#include "alarm/reminder_window.h"

#include <mutex>

#include "core/texts.h"

#include "alarm/actions.h"
#include "alarm/thread.h"
#include "core/win_app.h"
#include "events/event_table.h"
#include "setup/help_window.h"
#include "toolkit/control_helpers.h"
#include "toolkit/lite_window.h"
#include "toolkit/picture_quad.h"

namespace zel {
namespace {

// The flasher: every 400 ms it flashes the window's caption and taskbar
// button and posts one blink step. It keeps its own window handle and waits
// on its own stop signal, so the window never waits for it and never kills it.
class TDt : public TThread {
 public:
  TDt(HWND window, HANDLE stop) : TThread(Ownership::FreeWhenDone), window_(window), stop_(stop) {}
  ~TDt() override { CloseHandle(stop_); }

  DWORD Execute() override {
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_LOWEST);
    while (WaitForSingleObject(stop_, 400) == WAIT_TIMEOUT) {
      FlashWindow(window_, TRUE);
      PostMessageW(window_, kMsgShowOrTick, 0, 0);
    }
    FlashWindow(window_, FALSE);
    return 0;
  }

 private:
  HWND window_;
  HANDLE stop_;
};

class MyMesWin : public TLiteWindow {
 public:
  MyMesWin() {
    Bind(WM_CLOSE, &MyMesWin::OnClose);
    Bind(WM_LBUTTONDOWN, &MyMesWin::OnLButtonDown);
    Bind(kMsgShowOrTick, &MyMesWin::OnBlink);
    App().Reminder.Open = true;
    Create(App().Desktop);
    App().Reminder.Handle = Handle;
    App().Reminder.Object = this;
  }

  void CreateParams() override {
    TLiteWindow::CreateParams();
    TApp& app = App();
    WndClass.hInstance = app.Instance;
    WndClass.hbrBackground = CreateSolidBrush(0xE1E1E1);  // the class takes it along
    WndClass.hIcon = app.Icons[4];
    Width = 555;
    Height = 320 + GetSystemMetrics(SM_CYCAPTION);
    Top = app.ScreenHeight / 2 - Height / 2;
    Left = app.ScreenWidth / 2 - 277;
    Style = 0x100A0000;
    ExStyle = WS_EX_APPWINDOW;
    Caption = Wide(TextsOf(kProgramEdition).LookHereText);
  }

  void CreateControls() override {
    TApp& app = App();
    ListBox = CreateListBox(Handle, app.Instance, true, true, false, true, false, false, false,
                            304, 440, 10, 10, L"");
    if (!kEnglish) SendMessageW(ListBox, LB_SETITEMHEIGHT, 0, 16);
    // The English list keeps its usual look, in a font that has its letters.
    HFONT font = kEnglish ? static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)) : app.ListFont;
    SendMessageW(ListBox, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    {
      std::lock_guard<std::recursive_mutex> g(app.Core.TableLock);
      for (const auto& line : app.Core.Work.ReminderLog)
        if (line.Size() > 0) ListAdd(ListBox, Wide(line.Get()));
    }
    SendMessageW(ListBox, LB_SETHORIZONTALEXTENT, 2400, 0);
    Picture = nullptr;
    CreateBitmapStatic(Handle, app.Instance, L"OKBTN", 460, 280, false);
    CreateBitmapStatic(Handle, app.Instance, L"CNBTN", 460, 250, false);
    CreateBitmapStatic(Handle, app.Instance, L"HLBTN", 460, 10, false);
    HANDLE stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE threadStop = nullptr;
    DuplicateHandle(GetCurrentProcess(), stop, GetCurrentProcess(), &threadStop, 0, FALSE,
                    DUPLICATE_SAME_ACCESS);
    FlasherStop = stop;
    (new TDt(Handle, threadStop))->Resume();
    OkArea.X = 459, OkArea.Y = 279, OkArea.W = 81, OkArea.H = 28;
    CancelArea.X = 459, CancelArea.Y = 250, CancelArea.W = 81, CancelArea.H = 20;
    HelpArea.X = 459, HelpArea.Y = 10, HelpArea.W = 81, HelpArea.H = 20;
    SetFocus(ListBox);
  }

  void WndProc(TMessage& m) override {
    const bool ctrl = IsKeyHeld(VK_CONTROL);
    if (m.Msg == WM_KEYDOWN) {
      m.Result = (m.WParam == VK_TAB || m.WParam == VK_RETURN || m.WParam == VK_ESCAPE) ? 1 : 0;
      return;
    }
    if (m.Msg == WM_KEYUP) {
      m.Result = 0;
      if (m.WParam == VK_BACK && ctrl)
        CloseReminder();
      else if (m.WParam == VK_TAB)
        SetFocus(ListBox);
      else if (m.WParam == VK_RETURN && ctrl)
        AcceptReminders();
      else if (m.WParam == VK_F1)
        OpenHelp(3);
      return;
    }
    Dispatch(m);
  }

  void CloseReminder() {
    TApp& app = App();
    if (!kEnglish) StopSounds();
    app.Reminder.Open = false;
    app.Reminder.Handle = nullptr;
    app.Reminder.Object = nullptr;
    SetEvent(FlasherStop);
    CloseHandle(FlasherStop);
    if (Picture) DestroyWindow(Picture);
    Picture = nullptr;
    Destroy();
  }

  void AcceptReminders() {
    ClearHistory(App().Core);
    App().Core.PurgeRequest = true;
    CloseReminder();
  }

 private:
  void OnClose(TMessage&) { CloseReminder(); }

  void OnLButtonDown(TMessage& m) {
    DefaultHandler(m);
    ClickAt(m.LParamLo(), m.LParamHi());
  }

  void ClickAt(int x, int y) {
    if (QuadHit(OkArea, x, y)) {
      FlashArea(Handle, OkArea);
      AcceptReminders();
    } else if (QuadHit(CancelArea, x, y)) {
      FlashArea(Handle, CancelArea);
      CloseReminder();
    } else if (QuadHit(HelpArea, x, y)) {
      FlashArea(Handle, HelpArea);
      OpenHelp(3);
    }
  }

  void OnBlink(TMessage&) { SetPicturePhase(!PicturePhase); }

  void SetPicturePhase(bool phase) {
    PicturePhase = phase;
    if (Picture) DestroyWindow(Picture);
    Picture = CreateBitmapStatic(Handle, App().Instance, phase ? L"AB1" : L"AB2",
                                 phase ? 461 : 462, 93, false);
  }

  bool PicturePhase = false;
  HWND ListBox = nullptr;
  HWND Picture = nullptr;
  MyQuad OkArea, CancelArea, HelpArea;
  HANDLE FlasherStop = nullptr;
};

}  // namespace

void OpenReminderWindow() {
  TApp& app = App();
  if (app.Reminder.Open && app.Reminder.Object)
    static_cast<MyMesWin*>(app.Reminder.Object)->CloseReminder();
  auto* window = new MyMesWin;
  SetWindowPos(window->Handle, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(window->Handle);
}

}  // namespace zel
