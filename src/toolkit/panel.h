// A child window with its own background colour and font that groups
// controls and passes their notifications on to its parent window (the pages
// of the settings window are panels).
#pragma once

#include <windows.h>

#include "core/edition.h"
#include "toolkit/lite_window.h"

namespace zel {

class MyPanel : public TLiteWindow {
 public:
  // `panelColour` 0 keeps the system's button-face background. The English
  // edition's panel leaves WM_CTLCOLORLISTBOX to the default procedure.
  MyPanel(bool visible, COLORREF panelColour, int height, int width, int top, int left,
          HINSTANCE instance, Edition edition);
  ~MyPanel() override;

  // Statics and buttons on the panel then draw with this font and colour.
  void SetPanelFont(HFONT font, COLORREF textColour);

  void CreateParams() override;

  int PanelLeft, PanelTop, PanelWidth, PanelHeight;
  HINSTANCE Instance;
  bool Visible;
  COLORREF PanelColour;
  COLORREF TextColour = 0;
  HFONT PanelFont = nullptr;

 private:
  void OnForward(TMessage& message);
  void OnCtlColorStatic(TMessage& message);
  void OnCtlColorBtn(TMessage& message);
  HBRUSH BackgroundBrush() const;

  HBRUSH brush_ = nullptr;  // the class background when PanelColour is set
};

}  // namespace zel
