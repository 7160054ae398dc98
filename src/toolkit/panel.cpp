#include "toolkit/panel.h"

namespace zel {

MyPanel::MyPanel(bool visible, COLORREF panelColour, int height, int width, int top, int left,
                 HINSTANCE instance, Edition edition)
    : PanelLeft(left),
      PanelTop(top),
      PanelWidth(width),
      PanelHeight(height),
      Instance(instance),
      Visible(visible),
      PanelColour(panelColour) {
  Bind(WM_COMMAND, &MyPanel::OnForward);
  if (edition != Edition::English) Bind(WM_CTLCOLORLISTBOX, &MyPanel::OnForward);
  Bind(WM_CTLCOLORSTATIC, &MyPanel::OnCtlColorStatic);
  Bind(WM_CTLCOLORBTN, &MyPanel::OnCtlColorBtn);
}

MyPanel::~MyPanel() {
  Release();  // the class must go before the brush it paints with
  if (brush_) DeleteObject(brush_);
}

void MyPanel::SetPanelFont(HFONT font, COLORREF textColour) {
  PanelFont = font;
  TextColour = textColour;
}

void MyPanel::CreateParams() {
  TLiteWindow::CreateParams();
  Left = PanelLeft;
  Top = PanelTop;
  Width = PanelWidth;
  Height = PanelHeight;
  Caption.clear();
  Style = WS_CHILD | (Visible ? WS_VISIBLE : 0);
  ExStyle = 0x300;
  WndClass.hInstance = Instance;
  if (PanelColour != 0) {
    if (!brush_) brush_ = CreateSolidBrush(PanelColour);
    WndClass.hbrBackground = brush_;
  }
}

HBRUSH MyPanel::BackgroundBrush() const {
  return brush_ ? brush_ : GetSysColorBrush(COLOR_BTNFACE);
}

void MyPanel::OnForward(TMessage& message) {
  message.Result = SendMessageW(Parent, message.Msg, message.WParam, message.LParam);
}

void MyPanel::OnCtlColorStatic(TMessage& message) {
  if (!PanelFont) return DefaultHandler(message);
  HDC dc = message.WParamDc();
  SelectObject(dc, PanelFont);
  SetBkColor(dc, PanelColour);
  SetTextColor(dc, TextColour);
  message.Result = reinterpret_cast<LRESULT>(BackgroundBrush());
}

void MyPanel::OnCtlColorBtn(TMessage& message) {
  if (!PanelFont) return DefaultHandler(message);
  SelectObject(message.WParamDc(), PanelFont);
  message.Result = reinterpret_cast<LRESULT>(BackgroundBrush());
}

}  // namespace zel
