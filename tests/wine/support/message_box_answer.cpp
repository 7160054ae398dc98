#include "support/message_box_answer.h"

#include <vector>

namespace zel::test {
namespace {

struct Controls {
  std::wstring Text;
  HICON Icon = nullptr;
};

BOOL CALLBACK CollectControl(HWND child, LPARAM param) {
  auto* found = reinterpret_cast<Controls*>(param);
  wchar_t className[32] = {};
  GetClassNameW(child, className, 32);
  if (lstrcmpiW(className, L"Static") != 0) return TRUE;
  const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
  if ((style & SS_TYPEMASK) == SS_ICON) {
    found->Icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
  } else {
    const int length = GetWindowTextLengthW(child);
    std::vector<wchar_t> text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(child, text.data(), length + 1);
    if (length > 0) found->Text = text.data();
  }
  return TRUE;
}

}  // namespace

MessageBoxAnswer::MessageBoxAnswer(std::wstring caption, int button, DWORD timeoutMs)
    : caption_(std::move(caption)), button_(button), timeoutMs_(timeoutMs) {
  watcher_ = std::thread([this] { Watch(); });
}

MessageBoxAnswer::~MessageBoxAnswer() {
  if (watcher_.joinable()) watcher_.join();
}

SeenBox MessageBoxAnswer::Result() {
  if (watcher_.joinable()) watcher_.join();
  return seen_;
}

void MessageBoxAnswer::Watch() {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < timeoutMs_) {
    HWND box = FindWindowW(L"#32770", caption_.c_str());
    if (box && IsWindowVisible(box)) {
      Controls controls;
      EnumChildWindows(box, CollectControl, reinterpret_cast<LPARAM>(&controls));
      seen_.Found = true;
      seen_.Text = controls.Text;
      seen_.Icon = controls.Icon;
      PostMessageW(box, WM_COMMAND, MAKEWPARAM(button_, BN_CLICKED), 0);
      return;
    }
    Sleep(5);
  }
}

HICON SystemIconFor(UINT mbIcon) {
  switch (mbIcon & MB_ICONMASK) {
    case MB_ICONERROR: return LoadIconW(nullptr, IDI_HAND);
    case MB_ICONQUESTION: return LoadIconW(nullptr, IDI_QUESTION);
    case MB_ICONWARNING: return LoadIconW(nullptr, IDI_EXCLAMATION);
    case MB_ICONINFORMATION: return LoadIconW(nullptr, IDI_ASTERISK);
    default: return nullptr;
  }
}

}  // namespace zel::test
