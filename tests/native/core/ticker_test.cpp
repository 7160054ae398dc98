#include <gtest/gtest.h>

#include "core/codepage.h"
#include "core/ticker.h"
#include "events/event_table.h"
#include "events/work_file.h"
#include "support/app_fixture.h"

namespace zel {
namespace {

using test::AppFixture;
using test::MakeEvent;

class Ticker : public ::testing::Test {
 protected:
  AppFixture f;
  void At(int y, int mo, int d, int h, int mi) { f.os.Clock = {y, mo, d, h, mi, 30}; }
  std::vector<int> FiredSlots() {
    std::vector<int> s;
    for (auto& x : f.os.Fired) s.push_back(x.Slot);
    return s;
  }
  // A work file holding the given events, as the ticker finds it at start.
  void StoreTable(std::initializer_list<std::pair<int, TEventRec>> events) {
    AppFixture w;
    w.app->Paths = f.app->Paths;
    for (auto& [slot, e] : events) w.Put(e, slot);
    ASSERT_FALSE(SaveWork(*w.app));
  }
};

TEST_F(Ticker, StartCatchesUpAndSavesWhatChanged) {
  TEventRec missed = MakeEvent(2005, 3, 7, 8, 0, 0);
  missed.ShowMessage = kTrue;
  missed.Message.Set("missed");
  StoreTable({{2, missed}, {3, MakeEvent(2005, 3, 8, 8, 0, 0)}});
  At(2005, 3, 7, 9, 0);
  TickerStart(*f.app);
  EXPECT_EQ(FiredSlots(), std::vector<int>{2});
  AppFixture reread;
  reread.app->Paths = f.app->Paths;
  ASSERT_EQ(LoadWork(*reread.app), WorkLoad::Loaded);
  EXPECT_EQ(CountEvents(*reread.app), 1);  // the caught-up event is gone on disk too
  EXPECT_EQ(reread.app->Work.ReminderLog[0].Get(),
            Utf8ToCp1251("2005 / Март / 07 - 09:00    missed"));
}

TEST_F(Ticker, EverySkippedMinuteOfTodayIsScannedInOrder) {
  StoreTable({{1, MakeEvent(2000, 1, 1, 10, 1, 2)},
              {2, MakeEvent(2000, 1, 1, 10, 2, 2)},
              {3, MakeEvent(2000, 1, 1, 10, 4, 2)}});
  At(2005, 3, 7, 10, 0);
  TickerStart(*f.app);
  TickerPass(*f.app);
  TickerPass(*f.app);  // the same minute: no second scan
  EXPECT_TRUE(f.os.Fired.empty());
  At(2005, 3, 7, 10, 3);  // a long melody held the ticker for three minutes
  TickerPass(*f.app);
  EXPECT_EQ(FiredSlots(), (std::vector<int>{1, 2}));
  At(2005, 3, 7, 10, 4);
  TickerPass(*f.app);
  EXPECT_EQ(FiredSlots(), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(f.os.Repaints, 4);
}

TEST_F(Ticker, ADayChangeScansFromMidnightOnly) {
  TEventRec jubilee = MakeEvent(1970, 3, 9, 12, 0, 8);
  StoreTable({{1, MakeEvent(2000, 1, 1, 23, 59, 2)},
              {2, MakeEvent(2000, 1, 1, 0, 1, 2)},
              {3, jubilee}});
  At(2005, 3, 7, 23, 58);
  TickerStart(*f.app);
  TickerPass(*f.app);
  f.os.Fired.clear();  // the start-up catch-up of the daily 00:01 event
  At(2005, 3, 8, 0, 2);  // the machine slept over midnight
  TickerPass(*f.app);
  ASSERT_EQ(f.os.Fired.size(), 2u);
  EXPECT_EQ(f.os.Fired[0].Slot, 3);
  EXPECT_EQ(f.os.Fired[0].Form, FireForm::Midnight);
  EXPECT_EQ(f.os.Fired[1].Slot, 2);
}

TEST_F(Ticker, RequestsAreClearedAndCarriedOut) {
  StoreTable({{1, MakeEvent(2005, 3, 7, 8, 0, 0)}});
  At(2005, 3, 6, 8, 0);  // the event is still ahead at start
  TickerStart(*f.app);
  At(2005, 3, 7, 9, 0);
  f.app->PurgeRequest = true;
  f.app->EditorDeleteRequest = true;
  f.app->PowerOffRequested = true;
  TickerPass(*f.app);
  EXPECT_FALSE(f.app->PurgeRequest);
  EXPECT_FALSE(f.app->EditorDeleteRequest);
  EXPECT_EQ(f.os.EditorDeletes, 1);
  EXPECT_EQ(CountEvents(*f.app), 0);  // purged
  TickerPass(*f.app);
  EXPECT_EQ(f.os.ShutdownPosts, 2);  // every pass while requested
  EXPECT_EQ(f.os.EditorDeletes, 1);
}

TEST_F(Ticker, ExchangeRunsOnlyWithTheEditorOpenAndTheDialogClosed) {
  At(2005, 3, 7, 9, 0);
  TickerStart(*f.app);
  const std::string file = f.dir.File("in.txt");
  test::WriteAll(file, "garbage\r\nvell1_minute:5\tvell1_hour:9\tvell1_day:7\tvell1_month:3\t"
                       "vell1_year:2006\r\n");
  auto request = [&] {
    f.app->ExchangeFile = file;
    f.app->ExchangeSave = false;
    f.app->ExchangeSelected = false;
    f.app->ExchangeRequest = true;
    TickerPass(*f.app);
    EXPECT_FALSE(f.app->ExchangeRequest);
  };
  request();  // editor closed: dropped
  f.os.Editor = true;
  f.os.DialogOpen = true;
  request();  // dialog open: dropped
  EXPECT_EQ(CountEvents(*f.app), 0);
  EXPECT_TRUE(f.os.Boxes.empty());
  f.os.DialogOpen = false;
  request();
  EXPECT_EQ(CountEvents(*f.app), 1);
  ASSERT_EQ(f.os.Boxes.size(), 1u);
  EXPECT_EQ(f.os.Boxes[0].Text, Utf8ToCp1251("Не все строки были импортированы"));
  EXPECT_EQ(f.os.Boxes[0].Flags, unsigned{kMbIconWarning});
  AppFixture reread;
  reread.app->Paths = f.app->Paths;
  LoadWork(*reread.app);
  EXPECT_EQ(CountEvents(*reread.app), 1);  // saved at the end of the pass
}

TEST_F(Ticker, PurgeSoundsKeepsUsedAndReadOnlyFiles) {
  f.app->Paths.SoundsDir = f.dir.Path();
  for (const char* name : {"used.wav", "UNUSED.WAV", "locked.wav", "notes.txt"})
    test::WriteAll(f.dir.File(name), "x");
  f.os.SetAttributes(f.dir.File("locked.wav"), kAttrReadOnly);
  TEventRec voice = MakeEvent(2005, 1, 1, 0, 0, 2);
  voice.Action = kActionVoice;
  voice.FileName.Set("USED");
  f.Put(voice, 1);
  TEventRec otherAction = MakeEvent(2005, 1, 1, 0, 0, 2);
  otherAction.FileName.Set("unused");  // not a voice event: does not count
  f.Put(otherAction, 2);
  PurgeSounds(*f.app);
  EXPECT_TRUE(test::Exists(f.dir.File("used.wav")));
  EXPECT_FALSE(test::Exists(f.dir.File("UNUSED.WAV")));
  EXPECT_TRUE(test::Exists(f.dir.File("locked.wav")));
  EXPECT_TRUE(test::Exists(f.dir.File("notes.txt")));
}

}  // namespace
}  // namespace zel
