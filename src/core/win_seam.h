// The window half of the seam for the Windows program: message boxes (shown
// by the main thread whatever thread asks), the registry of open windows,
// the fired events' actions and the messages the ticker sends or posts.
#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "core/platform_seam.h"

namespace zel {

class TWinSeam : public PlatformSeam {
 public:
  int ShowMessage(WindowRef owner, const std::string& text, const std::string& caption,
                  unsigned flags) override;
  WindowRef MainWindow() override;
  bool DialogEditsSlot(int slot) override;
  void RunAction(int slot, const TEventRec& event, FireForm form) override;
  void PostShowReminders() override;
  bool EditorOpen() override;
  void PostEditorReload() override;
  std::optional<std::vector<int>> EditorSelectedSlots() override;

  bool EventDialogOpen() override;
  void RepaintClock() override;
  void SendEditorDelete() override;
  void PostShutdownRun() override;
  void PostCountdownTick() override;
  void ShowBoxFromTicker(const std::string& text, const std::string& caption,
                         unsigned flags) override;

  // Asks the main thread to show a box (owned by the main window or by
  // nobody); the caller does not wait.
  void ShowLater(bool owned, const std::string& text, const std::string& caption,
                 unsigned flags);
  // On the main thread: shows the boxes other threads asked for.
  void ShowQueuedBoxes();

 private:
  struct Box {
    bool Owned;
    std::string Text, Caption;
    unsigned Flags;
  };

  std::mutex boxesLock_;
  std::vector<Box> boxes_;
};

}  // namespace zel
