#include "toolkit/panel.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

// The panel's parent answers every message it is sent with 77.
class PanelOwner : public TLiteWindow {
 public:
  PanelOwner() {
    Bind(WM_COMMAND, &PanelOwner::Answer);
    Bind(WM_CTLCOLORLISTBOX, &PanelOwner::Answer);
  }
  void CreateParams() override {
    TLiteWindow::CreateParams();
    Style = WS_OVERLAPPED;
  }
  int commands = 0;

 private:
  void Answer(TMessage& m) {
    ++commands;
    m.Result = 77;
  }
};

class PanelTest : public testing::Test {
 protected:
  void SetUp() override {
    owner = new PanelOwner;
    owner->Create(nullptr);
  }
  void TearDown() override { owner->Destroy(); }
  MyPanel* MakePanel(Edition edition, COLORREF colour, bool visible = true) {
    auto* panel = new MyPanel(visible, colour, 40, 60, 5, 6, GetModuleHandleW(nullptr), edition);
    panel->Create(owner->Handle);
    return panel;
  }
  PanelOwner* owner = nullptr;
};

TEST_F(PanelTest, IsAnEdgedChildAtItsPlace) {
  MyPanel* panel = MakePanel(Edition::Russian, RGB(1, 2, 3), false);
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(panel->Handle, GWL_STYLE));
  EXPECT_TRUE(style & WS_CHILD);
  EXPECT_FALSE(style & WS_VISIBLE);
  EXPECT_TRUE(GetWindowLongPtrW(panel->Handle, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  RECT r{};
  GetWindowRect(panel->Handle, &r);
  EXPECT_EQ(r.right - r.left, 60);
  EXPECT_EQ(r.bottom - r.top, 40);
  EXPECT_EQ(GetParent(panel->Handle), owner->Handle);
  LOGBRUSH brush{};
  GetObjectW(reinterpret_cast<HBRUSH>(GetClassLongPtrW(panel->Handle, GCLP_HBRBACKGROUND)),
             sizeof brush, &brush);
  EXPECT_EQ(brush.lbColor, RGB(1, 2, 3));
  panel->Destroy();
}

TEST_F(PanelTest, PassesNotificationsToItsParentByEdition) {
  struct Case {
    Edition edition;
    bool forwardsListColours;
  } cases[] = {{Edition::Russian, true}, {Edition::English, false}};
  for (const auto& c : cases) {
    MyPanel* panel = MakePanel(c.edition, 0);
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(SendMessageW(panel->Handle, WM_COMMAND, 1, 0), 77);
    const LRESULT listColour =
        SendMessageW(panel->Handle, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc), 0);
    EXPECT_EQ(listColour == 77, c.forwardsListColours);
    DeleteDC(dc);
    panel->Destroy();
  }
}

TEST_F(PanelTest, ColoursItsStaticsAndButtonsOnceItHasAFont) {
  MyPanel* panel = MakePanel(Edition::Russian, RGB(200, 220, 240));
  HDC dc = CreateCompatibleDC(nullptr);
  const auto dcParam = reinterpret_cast<WPARAM>(dc);
  const auto panelBrush = static_cast<LRESULT>(GetClassLongPtrW(panel->Handle, GCLP_HBRBACKGROUND));
  EXPECT_NE(SendMessageW(panel->Handle, WM_CTLCOLORSTATIC, dcParam, 0), panelBrush);

  HFONT font = CreateFontW(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
  panel->SetPanelFont(font, RGB(10, 20, 30));
  EXPECT_EQ(SendMessageW(panel->Handle, WM_CTLCOLORSTATIC, dcParam, 0), panelBrush);
  EXPECT_EQ(GetTextColor(dc), RGB(10, 20, 30));
  EXPECT_EQ(GetBkColor(dc), RGB(200, 220, 240));
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
  EXPECT_EQ(SendMessageW(panel->Handle, WM_CTLCOLORBTN, dcParam, 0), panelBrush);
  DeleteDC(dc);
  panel->Destroy();
  DeleteObject(font);
}

}  // namespace
}  // namespace zel
