#include "core/win_seam.h"

#include <windows.h>

#include "alarm/actions.h"
#include "core/win_app.h"

namespace zel {

int TWinSeam::ShowMessage(WindowRef owner, const std::string& text, const std::string& caption,
                          unsigned flags) {
  TApp& app = App();
  if (app.SessionEnding) return kIdOk;
  // Off the main thread a waiting box would stop the scans: the main thread
  // shows it instead. Once the orderly end runs nothing waits any more.
  if (!OnMainThread() && !app.ShutDownDone) {
    ShowLater(owner != 0, text, caption, flags);
    return kIdOk;
  }
  HWND window = reinterpret_cast<HWND>(owner);
  if (window && !IsWindow(window)) window = nullptr;
  return MessageBoxW(window, Wide(text).c_str(), Wide(caption).c_str(), flags);
}

void TWinSeam::ShowBoxFromTicker(const std::string& text, const std::string& caption,
                                 unsigned flags) {
  ShowLater(true, text, caption, flags);
}

void TWinSeam::ShowLater(bool owned, const std::string& text, const std::string& caption,
                         unsigned flags) {
  TApp& app = App();
  if (app.SessionEnding) return;
  {
    std::lock_guard<std::mutex> g(boxesLock_);
    boxes_.push_back({owned, text, caption, flags});
  }
  PostMessageW(app.MainHandle, kMsgShowBoxes, 0, 0);
}

void TWinSeam::ShowQueuedBoxes() {
  for (;;) {
    Box box;
    {
      std::lock_guard<std::mutex> g(boxesLock_);
      if (boxes_.empty()) return;
      box = std::move(boxes_.front());
      boxes_.erase(boxes_.begin());
    }
    if (App().SessionEnding) return;
    MessageBoxW(box.Owned ? App().MainHandle.load() : nullptr, Wide(box.Text).c_str(),
                Wide(box.Caption).c_str(), box.Flags);
  }
}

WindowRef TWinSeam::MainWindow() {
  return reinterpret_cast<WindowRef>(App().MainHandle.load());
}

// The event dialog and the editor come with their own windows later; until
// then neither is ever open.
bool TWinSeam::DialogEditsSlot(int) { return false; }
bool TWinSeam::EventDialogOpen() { return App().EventDialog.Open; }
bool TWinSeam::EditorOpen() { return App().Editor.Open; }
void TWinSeam::PostEditorReload() {
  if (App().Editor.Open) PostMessageW(App().Editor.Handle, kMsgShowOrTick, 0, 0);
}
std::optional<std::vector<int>> TWinSeam::EditorSelectedSlots() { return std::nullopt; }
void TWinSeam::SendEditorDelete() {
  if (App().Editor.Open) SendMessageW(App().Editor.Handle, kMsgEditorDelete, 0, 0);
}

void TWinSeam::RunAction(int, const TEventRec& event, FireForm) {
  ExecuteAction(event, false);
}

void TWinSeam::PostShowReminders() { PostMessageW(App().MainHandle, kMsgShowOrTick, 0, 0); }

void TWinSeam::RepaintClock() {
  if (App().Main.Open) SendMessageW(App().MainHandle, WM_PAINT, 0, 0);
}

void TWinSeam::PostShutdownRun() { PostMessageW(App().MainHandle, kMsgSystemEnd, 2, 0); }

void TWinSeam::PostCountdownTick() {
  if (App().Countdown.Open) PostMessageW(App().Countdown.Handle, kMsgShowOrTick, 0, 0);
}

}  // namespace zel
