#include "toolkit/key_offering.h"

#include <gtest/gtest.h>

#include <vector>

#include "toolkit/lite_window.h"

namespace zel {
namespace {

// A top-level window that keeps 'K' (answers 1) and lets other keys pass.
class KeyTop : public TLiteWindow {
 public:
  void CreateParams() override {
    TLiteWindow::CreateParams();
    Style = WS_OVERLAPPED;
  }
  void WndProc(TMessage& m) override {
    if (m.Msg == WM_KEYDOWN || m.Msg == WM_KEYUP) {
      offered.push_back(static_cast<int>(m.WParam));
      m.Result = m.WParam == 'K' ? 1 : 0;
      return;
    }
    Dispatch(m);
  }
  std::vector<int> offered;
};

// A chain of `depth` child windows below the top; answers the deepest.
HWND ChildChain(HWND top, int depth) {
  HWND window = top;
  for (int i = 0; i < depth; ++i)
    window = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, window, nullptr, nullptr,
                             nullptr);
  return window;
}

MSG KeyMessage(HWND window, UINT msg, WPARAM key) {
  MSG m{};
  m.hwnd = window;
  m.message = msg;
  m.wParam = key;
  return m;
}

TEST(KeyOffering, ReachesTheTopWithinNineParentSteps) {
  struct Case {
    int depth;
    bool offered;
  } cases[] = {{0, true}, {1, true}, {9, true}, {10, false}, {12, false}};
  for (const auto& c : cases) {
    auto* top = new KeyTop;
    top->Create(nullptr);
    HWND target = ChildChain(top->Handle, c.depth);
    EXPECT_EQ(OfferKeyToTopLevel(KeyMessage(target, WM_KEYDOWN, 'K')), c.offered) << c.depth;
    EXPECT_EQ(top->offered.size(), c.offered ? 1u : 0u) << c.depth;
    top->Destroy();
  }
}

TEST(KeyOffering, OnlyAnAnswerOfOneKeepsTheKeyAndOnlyKeysAreOffered) {
  auto* top = new KeyTop;
  top->Create(nullptr);
  HWND child = ChildChain(top->Handle, 3);
  EXPECT_TRUE(OfferKeyToTopLevel(KeyMessage(child, WM_KEYUP, 'K')));
  EXPECT_FALSE(OfferKeyToTopLevel(KeyMessage(child, WM_KEYDOWN, 'J')));
  EXPECT_FALSE(OfferKeyToTopLevel(KeyMessage(child, WM_CHAR, 'K')));
  EXPECT_EQ(top->offered, (std::vector<int>{'K', 'J'}));
  top->Destroy();
}

// What the main loop does with one key message: offer, then dispatch.
void LoopStep(const MSG& m) {
  if (OfferKeyToTopLevel(m)) return;
  TranslateMessage(&m);
  DispatchMessageW(&m);
}

TEST(KeyOffering, AKeyForTheTopItselfArrivesTwiceUnlessKept) {
  auto* top = new KeyTop;
  top->Create(nullptr);
  LoopStep(KeyMessage(top->Handle, WM_KEYDOWN, 'J'));
  LoopStep(KeyMessage(top->Handle, WM_KEYDOWN, 'K'));
  EXPECT_EQ(top->offered, (std::vector<int>{'J', 'J', 'K'}));
  top->Destroy();
}

class DeleteKeeper : public KeyTop {
 public:
  void WndProc(TMessage& m) override {
    if (m.Msg == WM_KEYDOWN && m.WParam == VK_DELETE && keep) {
      m.Result = 1;
      return;
    }
    KeyTop::WndProc(m);
  }
  bool keep = true;
};

TEST(KeyOffering, AKeptKeyNeverReachesTheEditControl) {
  auto* top = new DeleteKeeper;
  top->Create(nullptr);
  HWND edit = CreateWindowExW(0, L"EDIT", L"abc", WS_CHILD | WS_VISIBLE, 0, 0, 80, 20,
                              top->Handle, nullptr, nullptr, nullptr);
  wchar_t text[8] = {};
  for (bool keep : {true, false}) {
    top->keep = keep;
    SendMessageW(edit, EM_SETSEL, 0, 0);
    LoopStep(KeyMessage(edit, WM_KEYDOWN, VK_DELETE));
    GetWindowTextW(edit, text, 8);
    EXPECT_STREQ(text, keep ? L"abc" : L"bc");
  }
  top->Destroy();
}

}  // namespace
}  // namespace zel

namespace zel {
namespace {

void PressShift(bool down) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = VK_SHIFT;
  input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  SendInput(1, &input, sizeof input);
}

TEST(KeyState, AKeyIsHeldWhileItsHighBitIsSet) {
  PressShift(true);
  EXPECT_TRUE(IsKeyHeld(VK_SHIFT));
  PressShift(false);
  EXPECT_FALSE(IsKeyHeld(VK_SHIFT));
}

}  // namespace
}  // namespace zel
