// The window half of the seam for the command-line companion: message boxes
// go to standard error, firings go to a callback, and there is no event dialog
// or editor.
#pragma once

#include <functional>

#include "core/edition.h"
#include "core/platform_seam.h"

namespace zel {

class ConsoleSeam : public PlatformSeam {
 public:
  explicit ConsoleSeam(Edition edition) : edition_(edition) {}

  std::function<void(int slot, const TEventRec&, FireForm)> OnFire;

  int ShowMessage(WindowRef owner, const std::string& text, const std::string& caption,
                 unsigned flags) override;
  WindowRef MainWindow() override { return 0; }
  bool DialogEditsSlot(int) override { return false; }
  void RunAction(int slot, const TEventRec& e, FireForm form) override {
    if (OnFire) OnFire(slot, e, form);
  }
  void PostShowReminders() override {}
  bool EditorOpen() override { return false; }
  void PostEditorReload() override {}
  std::optional<std::vector<int>> EditorSelectedSlots() override { return std::nullopt; }

 private:
  Edition edition_;
};

}  // namespace zel
