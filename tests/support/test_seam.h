// A seam for the tests: real files (in a temporary folder), a clock the test
// sets, and a window side that records what the core asked of it.
#pragma once

#include <string>
#include <vector>

#include "core/platform_seam.h"
#include "events/event_record.h"

namespace zel::test {

struct ShownBox {
  std::string Text, Caption;
  unsigned Flags;
};

struct Firing {
  int Slot;
  FireForm Form;
};

class TestSeam : public PlatformSeam {
 public:
  LocalTime Clock{2005, 3, 7, 9, 5, 0};
  std::vector<ShownBox> Boxes;
  std::vector<int> Answers;  // answers to the next boxes; kIdOk/kIdYes when empty
  int DialogSlot = 0;        // slot the event dialog edits (0: closed or new)
  bool Editor = false;
  std::vector<int> Selection;
  std::vector<Firing> Fired;
  int ShowPosts = 0, ReloadPosts = 0;
  int Repaints = 0, EditorDeletes = 0, ShutdownPosts = 0, CountdownTicks = 0;
  bool DialogOpen = false;

  LocalTime Now() override { return Clock; }
  int ShowMessage(WindowRef, const std::string& text, const std::string& caption,
                 unsigned flags) override;
  WindowRef MainWindow() override { return 1; }
  bool DialogEditsSlot(int slot) override { return DialogSlot != 0 && DialogSlot == slot; }
  void RunAction(int slot, const TEventRec&, FireForm form) override {
    Fired.push_back({slot, form});
  }
  void PostShowReminders() override { ++ShowPosts; }
  bool EditorOpen() override { return Editor; }
  void PostEditorReload() override { ++ReloadPosts; }
  std::optional<std::vector<int>> EditorSelectedSlots() override {
    if (!Editor) return std::nullopt;
    return Selection;
  }
  bool EventDialogOpen() override { return DialogOpen; }
  void RepaintClock() override { ++Repaints; }
  void SendEditorDelete() override { ++EditorDeletes; }
  void PostShutdownRun() override { ++ShutdownPosts; }
  void PostCountdownTick() override { ++CountdownTicks; }
};

// A fresh folder under the system's temporary folder, removed at the end.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  // The folder with a trailing separator.
  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + name; }

 private:
  std::string path_;
};

std::string ReadAll(const std::string& path);
void WriteAll(const std::string& path, const std::string& bytes);
bool Exists(const std::string& path);

// An event in use at the given moment (valid fields, other fields at their
// defaults).
TEventRec MakeEvent(int year, int month, int day, int hour, int minute, int period = 0);

}  // namespace zel::test
