#include "toolkit/lite_window.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "child_scenarios.h"
#include "support/message_box_answer.h"

namespace zel {
namespace {

constexpr UINT kAsk = WM_USER + 1;
constexpr UINT kOther = WM_USER + 2;
constexpr UINT kSilent = WM_USER + 3;

// Records the messages of window creation with the Handle each one saw.
class CreationProbe : public TLiteWindow {
 public:
  CreationProbe() {
    Bind(WM_GETMINMAXINFO, &CreationProbe::Record);
    Bind(WM_NCCREATE, &CreationProbe::RecordAndPass);
  }
  void CreateParams() override {
    TLiteWindow::CreateParams();
    Style = WS_OVERLAPPEDWINDOW;
  }
  struct Seen {
    UINT Msg;
    HWND Handle;
  };
  std::vector<Seen> seen;

 private:
  void Record(TMessage& m) {
    seen.push_back({m.Msg, Handle});
    DefaultHandler(m);
  }
  void RecordAndPass(TMessage& m) { Record(m); }
};

TEST(LiteWindow, MessagesOfCreationReachTheObjectWithItsHandle) {
  auto* probe = new CreationProbe;
  probe->Create(nullptr);
  ASSERT_NE(probe->Handle, nullptr);
  ASSERT_GE(probe->seen.size(), 2u);
  EXPECT_EQ(probe->seen[0].Msg, static_cast<UINT>(WM_GETMINMAXINFO));
  bool sawNcCreate = false;
  for (const auto& s : probe->seen) {
    EXPECT_EQ(s.Handle, probe->Handle);
    sawNcCreate |= s.Msg == WM_NCCREATE;
  }
  EXPECT_TRUE(sawNcCreate);
  probe->Destroy();
}

class ProbeWindow : public TLiteWindow {
 public:
  void CreateParams() override {
    TLiteWindow::CreateParams();
    Style = WS_OVERLAPPED;
  }
};

bool ClassExists(const std::wstring& name) {
  WNDCLASSEXW info{};
  info.cbSize = sizeof info;
  return GetClassInfoExW(GetModuleHandleW(nullptr), name.c_str(), &info) != 0;
}

TEST(LiteWindow, EachObjectRegistersAndRemovesItsOwnClass) {
  auto* a = new ProbeWindow;
  auto* b = new ProbeWindow;
  a->Create(nullptr);
  b->Create(nullptr);
  EXPECT_EQ(a->WndClass.cbSize, sizeof(WNDCLASSEXW));
  EXPECT_EQ(a->ClassNameText,
            L"ProbeWindow:" + std::to_wstring(reinterpret_cast<std::intptr_t>(a)));
  EXPECT_NE(a->ClassNameText, b->ClassNameText);
  const std::wstring aClass = a->ClassNameText, bClass = b->ClassNameText;
  ASSERT_TRUE(ClassExists(aClass));
  a->Destroy();
  EXPECT_FALSE(ClassExists(aClass));
  EXPECT_TRUE(ClassExists(bClass));
  b->Destroy();
}

class BaseWindow : public ProbeWindow {
 public:
  BaseWindow() {
    Bind(kAsk, &BaseWindow::Eleven);
    Bind(kOther, &BaseWindow::TwentyTwo);
    Bind(kSilent, &BaseWindow::LeavesResult);
  }

 private:
  void Eleven(TMessage& m) { m.Result = 11; }
  void TwentyTwo(TMessage& m) { m.Result = 22; }
  void LeavesResult(TMessage&) {}
};

class DerivedWindow : public BaseWindow {
 public:
  DerivedWindow() { Bind(kAsk, &DerivedWindow::ThirtyThree); }

 private:
  void ThirtyThree(TMessage& m) { m.Result = 33; }
};

TEST(LiteWindow, HandlersAreFoundByNumberAndDerivedOnesHideTheBase) {
  auto* w = new DerivedWindow;
  w->Create(nullptr);
  w->SetCaption(L"caption");
  struct Case {
    UINT msg;
    LRESULT answer;
  } cases[] = {
      {kAsk, 33},               // the derived handler hides the base's
      {kOther, 22},             // the base's handler still serves
      {kSilent, 0},             // a handler that sets nothing answers 0
      {WM_GETTEXTLENGTH, 7},    // no handler: the default procedure
  };
  for (const auto& c : cases) EXPECT_EQ(SendMessageW(w->Handle, c.msg, 0, 0), c.answer) << c.msg;
  w->Destroy();
}

int destroyed_in_handler = 0;

class SelfClosing : public ProbeWindow {
 public:
  SelfClosing() { Bind(WM_CLOSE, &SelfClosing::OnClose); }
  ~SelfClosing() override { ++destroyed_in_handler; }

 private:
  void OnClose(TMessage& m) {
    m.Result = 7;
    Destroy();  // nothing of the object is touched after this
  }
};

TEST(LiteWindow, AnObjectMayDestroyItselfInItsOwnHandler) {
  auto* w = new SelfClosing;
  w->Create(nullptr);
  const HWND window = w->Handle;
  const std::wstring className = w->ClassNameText;
  destroyed_in_handler = 0;
  EXPECT_EQ(SendMessageW(window, WM_CLOSE, 0, 0), 7);
  EXPECT_EQ(destroyed_in_handler, 1);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(ClassExists(className));
}

class Subclass : public TLiteWindow {
 public:
  Subclass() { Bind(kAsk, &Subclass::Answer); }

 private:
  void Answer(TMessage& m) { m.Result = 5; }
};

TEST(LiteWindow, AnAttachedObjectLeavesTheWindowAsItWas) {
  HWND parent = CreateWindowExW(0, L"STATIC", L"parent", WS_OVERLAPPED, 0, 0, 50, 50, nullptr,
                                nullptr, nullptr, nullptr);
  HWND edit = CreateWindowExW(0, L"EDIT", L"text", WS_CHILD, 0, 0, 40, 20, parent, nullptr,
                              nullptr, nullptr);
  const LONG_PTR original = GetWindowLongPtrW(edit, GWLP_WNDPROC);
  auto* object = new Subclass;
  object->CreateFromHandle(edit);
  EXPECT_EQ(object->Parent, parent);
  EXPECT_EQ(SendMessageW(edit, kAsk, 0, 0), 5);
  EXPECT_EQ(SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0), 4);  // the edit's own procedure
  object->Destroy();
  EXPECT_TRUE(IsWindow(edit));
  EXPECT_EQ(GetWindowLongPtrW(edit, GWLP_WNDPROC), original);
  EXPECT_EQ(SendMessageW(edit, kAsk, 0, 0), 0);
  DestroyWindow(parent);
}

// A dialog from a template in memory, served by the same procedure.
class ProbeDialog : public TLiteFrame {
 public:
  ProbeDialog() {
    Bind(WM_INITDIALOG, &ProbeDialog::OnInit);
    Bind(kAsk, &ProbeDialog::OnAsk);
  }
  HWND handleAtInit = nullptr;

  INT_PTR Run() {
    struct alignas(4) Template {
      DLGTEMPLATE head;
      WORD menu, windowClass, title;
    } dialog{};
    dialog.head.style = WS_POPUP | WS_CAPTION;
    dialog.head.cx = 100;
    dialog.head.cy = 50;
    BindNextWindow();
    return DialogBoxIndirectParamW(GetModuleHandleW(nullptr), &dialog.head, nullptr, StdDlgProc,
                                   0);
  }

 private:
  void OnInit(TMessage& m) {
    handleAtInit = Handle;
    PostMessageW(Handle, kAsk, 0, 0);
    m.Result = TRUE;
  }
  void OnAsk(TMessage& m) {
    EndDialog(Handle, 42);
    m.Result = TRUE;
  }
};

TEST(LiteFrame, ServesDialogProcedures) {
  ProbeDialog dialog;
  EXPECT_EQ(dialog.Run(), 42);
  EXPECT_NE(dialog.handleAtInit, nullptr);
}

TEST(LiteWindow, DecodeKeyDataTakesTheKeyMessageApart) {
  struct Case {
    WPARAM wParam;
    LPARAM lParam;
    TKeyData want;
  } cases[] = {
      {'A', 0x001E0001, {'A', 1, 0x1E, false, false}},
      {VK_RIGHT, 0x414D0003, {VK_RIGHT, 3, 0x4D, true, true}},
      {VK_F5, static_cast<LPARAM>(0xC03F0001u), {VK_F5, 1, 0x3F, false, true}},
  };
  for (const auto& c : cases) {
    const TKeyData k = DecodeKeyData(c.wParam, c.lParam);
    EXPECT_EQ(k.CharCode, c.want.CharCode);
    EXPECT_EQ(k.RepeatCount, c.want.RepeatCount);
    EXPECT_EQ(k.ScanCode, c.want.ScanCode);
    EXPECT_EQ(k.Extended, c.want.Extended);
    EXPECT_EQ(k.PrevState, c.want.PrevState);
  }
}

TEST(LiteWindow, AFailedRegistrationEndsTheProgramAfterItsMessage) {
  test::MessageBoxAnswer answer(L"Not System Resources", IDOK);
  EXPECT_EQ(test::RunChild("register-failure"), 1);
  const test::SeenBox box = answer.Result();
  ASSERT_TRUE(box.Found);
  EXPECT_EQ(box.Text, L"Microsoft Windows (c) Error");
  EXPECT_NE(box.Icon, nullptr);  // another process's icon: its handle is its own
}

}  // namespace
}  // namespace zel
