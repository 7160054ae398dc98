// A window built from the toolkit and the program's pictures, shown for the
// screenshot in the docs: picture buttons with their click areas, a panel
// with its own colours, and the popup menu's tiles.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "toolkit/control_helpers.h"
#include "toolkit/key_offering.h"
#include "toolkit/lite_window.h"
#include "toolkit/panel.h"
#include "toolkit/picture_quad.h"

namespace zel {
namespace {

class DemoWindow : public TLiteWindow {
 public:
  DemoWindow() {
    Bind(WM_LBUTTONUP, &DemoWindow::OnClick);
    Bind(WM_CLOSE, &DemoWindow::OnClose);
  }
  ~DemoWindow() override {
    delete panel_;
    DeleteObject(font_);
  }
  void CreateParams() override {
    TLiteWindow::CreateParams();
    Caption = L"Zelmora - toolkit";
    Left = 20;
    Top = 20;
    Width = 640;
    Height = 420;
    WndClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  }
  void CreateControls() override {
    const HINSTANCE inst = GetModuleHandleW(nullptr);
    font_ = CreateFontW(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, PROOF_QUALITY, 0,
                        L"Tahoma");
    CreateBitmapStatic(Handle, inst, L"LOGOTYPE", 10, 10, false);
    const wchar_t* buttons[] = {L"OKBTN", L"CNBTN", L"HLBTN"};
    for (int i = 0; i < 3; ++i) {
      CreateBitmapStatic(Handle, inst, buttons[i], 270 + i * 90, 12, false);
      quads_.push_back(MyQuad{i, 270 + i * 90, 12, 81, 25, true, buttons[i]});
    }
    const wchar_t* tiles[] = {L"MITEMMUTE", L"MITEMNOACT", L"MITEMFIXATION", L"MITEMTRACK",
                              L"MITEMMASKS", L"MITEMSALE", L"MITEMNOTEBOOK", L"MITEMTOOL",
                              L"MITEMFLASH", L"MITEMMASK", L"MITEMFIRM", L"MITEMCLOCK"};
    for (int i = 0; i < 12; ++i) CreateBitmapStatic(Handle, inst, tiles[i], 10 + i * 51, 84, false);
    CreateBitmapStatic(Handle, inst, L"KNOPKI", 10, 146, true);
    CreateBitmapStatic(Handle, inst, L"KNOPKIYEAR", 270, 146, false);
    CreateBitmapStatic(Handle, inst, L"KNOPKIOTHER", 270, 180, false);
    CreateBitmapStatic(Handle, inst, L"MENUFLASH", 450, 146, true);
    CreateBitmapStatic(Handle, inst, L"PIROG", 450, 190, false);
    CreateBitmapStatic(Handle, inst, L"NEBOSRJOB", 520, 190, false);

    panel_ = new MyPanel(true, RGB(255, 255, 150), 90, 340, 226, 270, inst, Edition::Russian);
    panel_->Create(Handle);
    panel_->SetPanelFont(font_, RGB(0, 0, 110));
    HWND text = CreateStaticText(panel_->Handle, inst, false, 20, 320, 8, 8,
                                 L"Панель: свой цвет и шрифт / a panel");
    HWND check = CreateCheckButton(panel_->Handle, inst, false, false, 20, 200, 34, 8,
                                   L"Без звука / mute");
    HWND edit = CreateEdit(panel_->Handle, inst, L"Zelmora", false, false, true, EditAlign::Left,
                           22, 200, 60, 8, 50);
    for (HWND control : {text, check, edit}) SendMessageW(control, WM_SETFONT, (WPARAM)font_, 0);
    SetCheckButton(check, true);
  }

 private:
  void OnClick(TMessage& m) {
    for (const MyQuad& quad : quads_) {
      if (quad.Enabled && QuadHit(quad, m.LParamLo(), m.LParamHi())) {
        FlashArea(Handle, quad);
        break;
      }
    }
  }
  void OnClose(TMessage&) {
    PostQuitMessage(0);
    Destroy();
  }

  std::vector<MyQuad> quads_;
  MyPanel* panel_ = nullptr;
  HFONT font_ = nullptr;
};

}  // namespace
}  // namespace zel

int main(int argc, char** argv) {
  // --seconds N closes the window by itself after N seconds.
  int seconds = 0;
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], "--seconds") == 0) seconds = std::atoi(argv[i + 1]);
  auto* demo = new zel::DemoWindow;
  demo->Create(nullptr);
  if (seconds > 0) SetTimer(nullptr, 0, seconds * 1000, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.message == WM_TIMER && !message.hwnd) {
      PostMessageW(demo->Handle, WM_CLOSE, 0, 0);
      continue;
    }
    if (zel::OfferKeyToTopLevel(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
