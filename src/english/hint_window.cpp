#include "english/hint_window.h"

#include <memory>
#include <mutex>

#include "alarm/thread.h"
#include "core/win_app.h"
#include "events/calendar.h"
#include "toolkit/lite_window.h"

namespace zel {

std::string BuildHintText(const TEventRec& now, int eventsToday) {
  static const char* const kMonths[12] = {"January", "February", "March",     "April",
                                          "May",     "June",     "July",      "August",
                                          "September", "October", "November", "December"};
  static const char* const kDays[7] = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                       "Friday", "Saturday", "Sunday"};
  const int month = now.Month >= 1 && now.Month <= 12 ? now.Month : 1;
  const int day = Weekday(now) - 1;  // Monday first
  std::string text = std::to_string(now.Year) + "/" + TwoDigits(now.Month) + "(" +
                     kMonths[month - 1] + ")/" + TwoDigits(now.Day) + "(" +
                     kDays[day >= 0 && day < 7 ? day : 0] + ") Events:" +
                     std::to_string(eventsToday) + " . . . ";
  return text;
}

namespace {

// What the window and its thread share: the text (handed over in one step
// under the lock) and the stop request. Each side keeps it alive.
struct HintShared {
  std::mutex Lock;
  std::wstring Text;
  std::atomic<bool> Stop{false};
};

constexpr int kHintWidth = 220;
constexpr int kHintHeight = 18;

class THTrd : public TThread {
 public:
  THTrd(HWND window, std::shared_ptr<HintShared> shared)
      : TThread(Ownership::FreeWhenDone), window_(window), shared_(std::move(shared)) {}

  DWORD Execute() override {
    TApp& app = App();
    std::wstring text;
    for (int i = 100; app.Hint.Open && !shared_->Stop; ++i) {
      POINT at{};
      GetCursorPos(&at);
      if (WindowFromPoint(at) != app.MainHandle) break;
      if (i == 100) {
        text = Wide(BuildHintText(app.Core.CurrentTime, app.Core.EventsToday));
        i = 0;
      }
      if (!text.empty()) text = text.substr(1) + text[0];
      {
        std::lock_guard<std::mutex> g(shared_->Lock);
        shared_->Text = text;
      }
      PostMessageW(window_, WM_PAINT, 0, 0);
      Sleep(200);
    }
    // The mouse left the bar: the window closes itself on the main thread.
    if (!shared_->Stop) SendMessageW(window_, WM_CLOSE, 0, 0);
    return 0;
  }

 private:
  HWND window_;
  std::shared_ptr<HintShared> shared_;
};

class MyHintWindow : public TLiteWindow {
 public:
  MyHintWindow() : shared_(std::make_shared<HintShared>()) {
    Bind(WM_CLOSE, &MyHintWindow::OnClose);
    Bind(WM_PAINT, &MyHintWindow::OnPaint);
    App().Hint.Open = true;
    Create(App().MainHandle);
    App().Hint.Handle = Handle;
    App().Hint.Object = this;
  }

  void CreateParams() override {
    TLiteWindow::CreateParams();
    TApp& app = App();
    RECT bar{};
    GetWindowRect(app.MainHandle, &bar);
    Height = kHintHeight;
    Width = kHintWidth;
    Top = bar.top;
    Left = bar.left > app.ScreenWidth / 2 ? bar.left - 230 : bar.left + 80 + 10;
    Caption.clear();
    Style = 0;
    ExStyle = 0;
    WndClass.hbrBackground = CreateSolidBrush(RGB(255, 255, 150));
    WndClass.hInstance = app.Instance;
  }

  void CreateControls() override {
    SetWindowLongW(Handle, GWL_STYLE, GetWindowLongW(Handle, GWL_STYLE) & ~WS_CAPTION);
    SetWindowRgn(Handle, CreateRectRgn(0, 0, kHintWidth, kHintHeight - 1), TRUE);
    ShowWindow(Handle, SW_SHOWNOACTIVATE);
    (new THTrd(Handle, shared_))->Resume();
  }

 private:
  void OnClose(TMessage&) {
    App().Hint.Open = false;
    App().Hint.Handle = nullptr;
    App().Hint.Object = nullptr;
    shared_->Stop = true;
    Destroy();
  }

  void OnPaint(TMessage& m) {
    DC = GetWindowDC(Handle);
    PAINTSTRUCT ps;
    BeginPaint(Handle, &ps);
    EndPaint(Handle, &ps);
    SetTextColor(DC, RGB(0, 0, 110));
    SetBkColor(DC, RGB(255, 255, 150));
    SetBkMode(DC, OPAQUE);
    HGDIOBJ old = SelectObject(DC, App().BarFont);
    std::wstring text;
    {
      std::lock_guard<std::mutex> g(shared_->Lock);
      text = shared_->Text;
    }
    TextOutW(DC, 0, 0, text.c_str(), static_cast<int>(text.size()));
    SelectObject(DC, old);
    ReleaseDC(Handle, DC);
    DC = nullptr;
    DefaultHandler(m);
    m.Result = 0;
  }

  std::shared_ptr<HintShared> shared_;
};

}  // namespace

void OpenHint() {
  TApp& app = App();
  if (app.Hint.Open || app.Core.Tuning.ActionsOff) return;
  new MyHintWindow;
}

}  // namespace zel
