#include "toolkit/control_helpers.h"

#include <gtest/gtest.h>

#include "toolkit/lite_window.h"
#include "toolkit/picture_quad.h"

namespace zel {
namespace {

class Host : public TLiteWindow {
 public:
  void CreateParams() override {
    TLiteWindow::CreateParams();
    Style = WS_OVERLAPPED;
  }
};

class ControlsTest : public testing::Test {
 protected:
  void SetUp() override {
    host = new Host;
    host->Create(nullptr);
  }
  void TearDown() override { host->Destroy(); }
  HWND Parent() const { return host->Handle; }
  static DWORD StyleOf(HWND w) { return static_cast<DWORD>(GetWindowLongPtrW(w, GWL_STYLE)); }
  static DWORD ExStyleOf(HWND w) { return static_cast<DWORD>(GetWindowLongPtrW(w, GWL_EXSTYLE)); }
  static std::wstring ClassOf(HWND w) {
    wchar_t name[32] = {};
    GetClassNameW(w, name, 32);
    return name;
  }
  Host* host = nullptr;
};

TEST_F(ControlsTest, HelpersMakeVisibleChildrenOfTheirClassWithTheirStyles) {
  const HINSTANCE inst = GetModuleHandleW(nullptr);
  struct Case {
    HWND control;
    const wchar_t* className;
    DWORD styleBits;
    DWORD absentBits;
    DWORD exStyle;
  } cases[] = {
      {CreateStaticText(Parent(), inst, true, 20, 50, 1, 2, L"t"), L"Static", SS_CENTER, 0,
       kEdgeStyle},
      {CreatePushButton(Parent(), inst, L"b", false, true, 20, 50, 1, 2), L"Button", BS_FLAT, 0, 0},
      {CreateCheckButton(Parent(), inst, false, false, 20, 50, 1, 2, L"c"), L"Button",
       BS_RADIOBUTTON, BS_FLAT, 0},
      {CreateEdit(Parent(), inst, L"e", true, true, false, EditAlign::Right, 20, 50, 1, 2, 9),
       L"Edit", ES_READONLY | ES_MULTILINE | ES_WANTRETURN | ES_RIGHT | WS_VSCROLL, ES_CENTER, 0},
      {CreateEdit(Parent(), inst, L"e", false, false, true, EditAlign::Centre, 20, 50, 1, 2, 9),
       L"Edit", ES_CENTER | ES_AUTOHSCROLL, ES_MULTILINE | ES_READONLY, kEdgeStyle},
      // Lower and upper case together cancel each other.
      {CreateComboBox(Parent(), inst, 9, true, true, true, true, true, false, 90, 50, 1, 2, L""),
       L"ComboBox", CBS_DROPDOWNLIST | CBS_SORT | CBS_NOINTEGRALHEIGHT | CBS_AUTOHSCROLL,
       CBS_LOWERCASE | CBS_UPPERCASE, 0},
      {CreateComboBox(Parent(), inst, 9, false, false, false, true, false, true, 90, 50, 1, 2, L""),
       L"ComboBox", CBS_SIMPLE | CBS_UPPERCASE, CBS_LOWERCASE | CBS_SORT, 0},
      {CreateListBox(Parent(), inst, true, true, false, true, false, false, true, 90, 50, 1, 2,
                     L""),
       L"ListBox", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_USETABSTOPS | LBS_EXTENDEDSEL,
       LBS_SORT | LBS_MULTIPLESEL, WS_EX_CLIENTEDGE},
  };
  for (const auto& c : cases) {
    ASSERT_NE(c.control, nullptr) << c.className;
    EXPECT_EQ(ClassOf(c.control), c.className);
    EXPECT_EQ(GetParent(c.control), Parent());
    EXPECT_EQ(StyleOf(c.control) & (WS_CHILD | WS_VISIBLE | c.styleBits),
              WS_CHILD | WS_VISIBLE | c.styleBits) << c.className;
    EXPECT_EQ(StyleOf(c.control) & c.absentBits, 0u) << c.className;
    // The system keeps WS_EX_WINDOWEDGE only on framed windows.
    EXPECT_EQ(ExStyleOf(c.control) & WS_EX_CLIENTEDGE, c.exStyle & WS_EX_CLIENTEDGE) << c.className;
  }
  EXPECT_EQ(SendMessageW(cases[3].control, EM_GETLIMITTEXT, 0, 0), 9);
}

TEST_F(ControlsTest, ABitmapStaticTakesTheSizeOfItsPicture) {
  HWND picture = CreateBitmapStatic(Parent(), GetModuleHandleW(nullptr), L"OKBTN", 3, 4, false);
  RECT r{};
  GetClientRect(picture, &r);
  EXPECT_EQ(r.right, 81);
  EXPECT_EQ(r.bottom, 25);
  // Switching pictures reuses the control.
  HBITMAP other = LoadBitmapW(GetModuleHandleW(nullptr), L"CNBTN");
  ASSERT_NE(other, nullptr);
  SetBitmapStaticImage(picture, other);
  EXPECT_EQ(reinterpret_cast<HBITMAP>(SendMessageW(picture, STM_GETIMAGE, IMAGE_BITMAP, 0)), other);
  DestroyWindow(picture);
  DeleteObject(other);
}

TEST_F(ControlsTest, WrappersReadAndChangeTheirControls) {
  const HINSTANCE inst = GetModuleHandleW(nullptr);
  HWND combo =
      CreateComboBox(Parent(), inst, 50, false, false, false, false, false, true, 90, 80, 0, 0, L"");
  ComboAdd(combo, L"one");
  ComboAdd(combo, L"three");
  ComboInsertAt(combo, 1, L"два");
  ComboSelectIndex(combo, 2);
  EXPECT_EQ(ComboCount(combo), 3);
  EXPECT_EQ(ComboSelectedIndex(combo), 2);
  EXPECT_EQ(ComboItemText(combo, 1), L"два");
  EXPECT_EQ(ComboItemText(combo, 7), L"");
  ComboClear(combo);
  EXPECT_EQ(ComboCount(combo), 0);

  HWND list = CreateListBox(Parent(), inst, false, false, false, false, true, false, false, 90, 80,
                            0, 0, L"");
  ListAdd(list, L"a");
  ListAdd(list, L"bb");
  ListSetSelection(list, 1, true);
  EXPECT_TRUE(ListItemSelected(list, 1));
  EXPECT_FALSE(ListItemSelected(list, 0));
  EXPECT_EQ(ListCount(list), 2);
  EXPECT_EQ(ListItemText(list, 1), L"bb");
  ListClear(list);
  EXPECT_EQ(ListCount(list), 0);

  HWND check = CreateCheckButton(Parent(), inst, false, false, 20, 50, 0, 0, L"c");
  SetCheckButton(check, true);
  EXPECT_TRUE(CheckButtonOn(check));
  SetCheckButton(check, false);
  EXPECT_FALSE(CheckButtonOn(check));

  HWND edit = CreateEdit(Parent(), inst, L"", false, false, false, EditAlign::Left, 20, 50, 0, 0, 99);
  EXPECT_EQ(ControlText(edit), L"");
  SetControlText(edit, L"Привет");
  EXPECT_EQ(ControlText(edit), L"Привет");
  EnableControl(edit, false);
  EXPECT_FALSE(ControlEnabled(edit));
  EXPECT_FALSE(ControlVisible(edit));  // the host itself is hidden
}

// A control whose count query fails.
class FailingCombo : public TLiteWindow {
 public:
  FailingCombo() { Bind(CB_GETCOUNT, &FailingCombo::Fail); }
  void CreateParams() override {
    TLiteWindow::CreateParams();
    Style = WS_OVERLAPPED;
  }

 private:
  void Fail(TMessage& m) { m.Result = CB_ERR; }
};

TEST_F(ControlsTest, AFailedCountQueryCountsAsNoItems) {
  auto* combo = new FailingCombo;
  combo->Create(nullptr);
  EXPECT_EQ(SendMessageW(combo->Handle, CB_GETCOUNT, 0, 0), CB_ERR);
  EXPECT_EQ(ComboCount(combo->Handle), 0);
  combo->Destroy();
}

TEST(PictureQuad, EdgesCountAsInside) {
  const MyQuad quad{7, 10, 20, 30, 40, true, L""};
  struct Case {
    int x, y;
    bool hit;
  } cases[] = {{10, 20, true},  {40, 60, true},  {40, 20, true}, {25, 40, true},
               {9, 30, false},  {41, 30, false}, {20, 19, false}, {20, 61, false}};
  for (const auto& c : cases) EXPECT_EQ(QuadHit(quad, c.x, c.y), c.hit) << c.x << "," << c.y;
}

}  // namespace
}  // namespace zel
