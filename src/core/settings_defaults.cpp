#include "core/settings_records.h"

namespace zel {

void DefaultTuning(Edition edition, TTuning& t) {
  t.SoundsOff = 0;
  t.DefaultAction = 0;
  t.MelodySync = 0;
  t.SoundSync = 0;
  for (int i = 0; i < kHotkeyEntries; ++i) t.Hotkeys[i] = DefaultHotkeyEntry(i);
  t.NotebookView = 0;
  t.Reserved228.Clear();
  t.TwelveHour = 0;
  t.WeekStartsSunday = 0;
  if (edition == Edition::Russian) t.FlashAccumulate = 0;
}

void DefaultSysTuning(Edition edition, TSysTuning& s) {
  s.BarLeft = 0;
  s.BarTop = 0;
  s.EditorBounds = {0, 0, 550, 380};
  s.EditorMaximized = 0;
  s.NotebookBounds = {0, 0, 550, 420};
  s.NotebookMaximized = 0;
  s.ForceReboot = 0;
  s.ForceShutdown = 0;
  s.PowerOff = kTrue;
  s.PositionLocked = 0;
  if (edition == Edition::Russian) {
    s.FlashBounds = {0, 0, 474, 350};
    s.FlashMaximized = 0;
    s.BarWidth = 280;
  }
}

}  // namespace zel
