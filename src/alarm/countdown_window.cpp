#include "alarm/countdown_window.h"

#include <string>

#include "core/texts.h"
#include "core/win_app.h"
#include "toolkit/control_helpers.h"
#include "toolkit/lite_window.h"

namespace zel {
namespace {

HFONT SwissFont(int height) {
  return CreateFontW(-height, 0, 0, 0, 800, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY, FF_SWISS, L"");
}

class MyEndWin : public TLiteWindow {
 public:
  explicit MyEndWin(bool isShutdown) : IsShutdown(isShutdown) {
    Bind(WM_CTLCOLORSTATIC, &MyEndWin::OnColorStatic);
    Bind(WM_CLOSE, &MyEndWin::OnClose);
    Bind(kMsgShowOrTick, &MyEndWin::OnTick);
    Bind(WM_COMMAND, &MyEndWin::OnCommand);
    Create(App().MainHandle);
    App().Countdown.Handle = Handle;
    App().Countdown.Object = this;
    App().Countdown.Open = true;
  }

  void CreateParams() override {
    TLiteWindow::CreateParams();
    Left = Top = 0;
    Width = Height = 100;
    Caption.clear();
    Style = 0;
    // Topmost, so that no other program hides it before a reboot.
    ExStyle = WS_EX_TOPMOST;
    WndClass.hInstance = App().Instance;
    WndClass.hbrBackground = CreateSolidBrush(0x0000D2);
    SmallFont = SwissFont(20);
    LargeFont = SwissFont(30);
  }

  void CreateControls() override {
    TApp& app = App();
    SetWindowLongW(Handle, GWL_STYLE, GetWindowLongW(Handle, GWL_STYLE) & ~0x00C00000L);
    ShowWindow(Handle, SW_SHOWMAXIMIZED);
    const Texts& t = TextsOf(kProgramEdition);
    const int w = app.ScreenWidth, h = app.ScreenHeight;
    WarningText = CreateStaticText(Handle, app.Instance, false, 25, w, h / 4, 0,
                                   Wide(IsShutdown ? t.ShutdownWarning : t.RebootWarning));
    CounterText = CreateStaticText(Handle, app.Instance, false, 34, 34, h / 2, w / 2 - 17, L"9");
    std::wstring cancel = Wide(t.CancelOkTexts[0]);
    CharUpperBuffW(cancel.data(), static_cast<DWORD>(cancel.size()));
    CancelButton = CreatePushButton(Handle, app.Instance, cancel, false, false, 40, 100,
                                    h / 2 + h / 4, w / 2 - 50);
    for (HWND control : {WarningText, CancelButton})
      SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(SmallFont), TRUE);
    SendMessageW(CounterText, WM_SETFONT, reinterpret_cast<WPARAM>(LargeFont), TRUE);
    SetFocus(CancelButton);
  }

  void CloseCountdown() {
    App().Countdown.Open = false;
    App().Countdown.Handle = nullptr;
    App().Countdown.Object = nullptr;
    HBRUSH background = WndClass.hbrBackground;
    HFONT small = SmallFont, large = LargeFont;
    Destroy();
    DeleteObject(small);
    DeleteObject(large);
    DeleteObject(background);
  }

  HWND CancelButton = nullptr;

 private:
  void OnColorStatic(TMessage& m) {
    HDC dc = m.WParamDc();
    SetBkColor(dc, 0x6E0000);
    SetTextColor(dc, 0x96FFFF);
    SelectObject(dc, m.LParamWindow() == CounterText ? LargeFont : SmallFont);
    m.Result = reinterpret_cast<LRESULT>(App().BlueBrush);
  }
  void OnClose(TMessage&) { CloseCountdown(); }
  void OnCommand(TMessage& m) {
    if (m.LParamWindow() == CancelButton && CancelButton) CloseCountdown();
  }
  void OnTick(TMessage&) {
    --Counter;
    SetWindowTextW(CounterText, std::to_wstring(Counter).c_str());
    if (Counter > 0) return;
    if (IsShutdown)
      App().Core.PowerOffRequested = true;
    else
      App().Core.RebootRequested = true;
    CloseCountdown();
  }

  HWND WarningText = nullptr;
  HWND CounterText = nullptr;
  HFONT SmallFont = nullptr;
  HFONT LargeFont = nullptr;
  bool IsShutdown;
  int Counter = 9;
};

}  // namespace

void OpenCountdown(bool isShutdown) {
  if (App().Countdown.Open) return;
  auto* window = new MyEndWin(isShutdown);
  BringWindowToTop(window->Handle);
  SetForegroundWindow(window->Handle);
  SetFocus(window->CancelButton);
}

}  // namespace zel
