#include <gtest/gtest.h>

#include <cstring>

#include "core/settings_records.h"

namespace zel {
namespace {

TEST(SettingsRecords, EachEditionStoresItsOwnSize) {
  EXPECT_EQ(TuningSize(Edition::Russian), 487u);
  EXPECT_EQ(TuningSize(Edition::English), 486u);
  EXPECT_EQ(SysTuningSize(Edition::Russian), 64u);
  EXPECT_EQ(SysTuningSize(Edition::English), 52u);
}

// Every byte starts as 0xAB; the defaults must change exactly the fields
// that have one, within the edition's record, and nothing else.
TEST(SettingsRecords, DefaultTuningTouchesOnlyFieldsWithADefault) {
  for (Edition ed : {Edition::Russian, Edition::English}) {
    TTuning t;
    std::memset(&t, 0xAB, sizeof t);
    DefaultTuning(ed, t);
    const auto* b = reinterpret_cast<const unsigned char*>(&t);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(b[i], 0xAB) << "reserved byte " << i;
    EXPECT_EQ(t.ActionsOff, 0xAB);
    EXPECT_EQ(t.SoundsOff, 0);
    EXPECT_EQ(t.DefaultAction, 0);
    EXPECT_EQ(t.MelodySync, 0);
    EXPECT_EQ(t.SoundSync, 0);
    for (int i = 0; i < kHotkeyEntries; ++i) {
      EXPECT_EQ(t.Hotkeys[i].Enabled, 0);
      EXPECT_EQ(t.Hotkeys[i].KeyCode, 32);
      EXPECT_EQ(t.Hotkeys[i].Ctrl | t.Hotkeys[i].Shift | t.Hotkeys[i].Alt, 0);
      EXPECT_EQ(int(t.Hotkeys[i].Index), i);
    }
    EXPECT_EQ(t.NotebookView, 0);
    EXPECT_EQ(b[228], 0);  // the text slot's length only
    EXPECT_EQ(b[229], 0xAB);
    EXPECT_EQ(t.TwelveHour, 0);
    EXPECT_EQ(t.WeekStartsSunday, 0);
    EXPECT_EQ(t.FlashAccumulate, ed == Edition::Russian ? 0 : 0xAB);
  }
}

TEST(SettingsRecords, DefaultSysTuningKeepsReservedBytesAndSwitchesPowerOffOn) {
  for (Edition ed : {Edition::Russian, Edition::English}) {
    TSysTuning s;
    std::memset(&s, 0xAB, sizeof s);
    DefaultSysTuning(ed, s);
    const auto* b = reinterpret_cast<const unsigned char*>(&s);
    EXPECT_EQ(int(s.BarLeft), 0);
    EXPECT_EQ(int(s.BarTop), 0);
    EXPECT_EQ(int(s.EditorBounds.Width), 550);
    EXPECT_EQ(int(s.EditorBounds.Height), 380);
    EXPECT_EQ(int(s.NotebookBounds.Width), 550);
    EXPECT_EQ(int(s.NotebookBounds.Height), 420);
    EXPECT_EQ(s.EditorMaximized | s.NotebookMaximized | s.ForceReboot | s.ForceShutdown |
                  s.PositionLocked,
              0);
    EXPECT_EQ(s.PowerOff, 255);
    for (int i : {25, 26, 27, 49, 59, 62, 63}) EXPECT_EQ(b[i], 0xAB) << "reserved byte " << i;
    if (ed == Edition::Russian) {
      EXPECT_EQ(int(s.FlashBounds.Width), 474);
      EXPECT_EQ(int(s.FlashBounds.Height), 350);
      EXPECT_EQ(s.FlashMaximized, 0);
      EXPECT_EQ(int(s.BarWidth), 280);
    } else {
      // The English record ends at byte 52; nothing beyond it is touched.
      for (int i = 50; i < 64; ++i) EXPECT_EQ(b[i], 0xAB) << "byte " << i;
    }
  }
}

}  // namespace
}  // namespace zel
