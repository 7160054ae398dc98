#include <gtest/gtest.h>

#include <cstring>

#include "core/codepage.h"
#include "core/texts.h"
#include "events/calendar.h"
#include "events/event_table.h"
#include "support/app_fixture.h"

namespace zel {
namespace {

using test::AppFixture;
using test::MakeEvent;

void FillSlots(AppFixture& f, int upTo) {
  for (int n = 1; n <= upTo; ++n) f.Put(MakeEvent(2006, 1, 1, 0, 0, 2), n);
}

TEST(EventTable, ResetKeepsTheReservedTail) {
  TEventRec e;
  std::memset(&e, 0xAB, sizeof e);
  ResetEvent(e);
  EXPECT_EQ(int{e.Cycle}, 2);
  EXPECT_EQ(e.DeleteAfterUse, kTrue);
  EXPECT_EQ(e.Message.Size(), 0u);
  EXPECT_EQ(e.Reserved134, 0);
  EXPECT_EQ(int{e.Slot}, 0);
  for (std::uint8_t b : e.Reserved136) EXPECT_EQ(b, 0xAB);
}

TEST(EventTable, StoreTakesTheFirstFreeSlotAndReportsAFullTable) {
  AppFixture f;
  FillSlots(f, 999);
  f.app->EditBuffer = MakeEvent(2006, 1, 1, 0, 0, 2);
  f.app->EditBuffer.Slot = 0;
  EXPECT_FALSE(StoreEditedEvent(*f.app, 7));
  EXPECT_EQ(int{f.app->Work.Events[999].Slot}, 1000);

  EXPECT_TRUE(StoreEditedEvent(*f.app, 7));
  ASSERT_EQ(f.os.Boxes.size(), 1u);
  EXPECT_EQ(f.os.Boxes[0].Text,
            Utf8ToCp1251("Количество событий превысило предел\nнужно удалить лишние или "
                         "устаревшие: (max 1000)"));
  EXPECT_EQ(f.os.Boxes[0].Caption, "Zelmora");
  EXPECT_EQ(f.os.Boxes[0].Flags, unsigned{kMbIconError});

  EXPECT_FALSE(FreeSlot(*f.app, 5));
  EXPECT_FALSE(StoreEditedEvent(*f.app, 7));
  EXPECT_EQ(int{f.app->Work.Events[4].Slot}, 5);  // slot 5 reused
}

TEST(EventTable, OutdatedQuestionPerEdition) {
  struct Case { Edition ed; int minute; bool asks; } cases[] = {
      {Edition::Russian, 5, true},  {Edition::Russian, 4, true},  {Edition::Russian, 6, false},
      {Edition::English, 5, false}, {Edition::English, 4, true},  {Edition::English, 6, false},
  };
  for (const Case& c : cases) {
    AppFixture f(c.ed);  // now: 2005-03-07 09:05
    f.app->EditBuffer = MakeEvent(2005, 3, 7, 9, c.minute, 0);
    f.app->EditBuffer.Slot = 0;
    f.os.Answers = {kIdNo};
    bool refused = StoreEditedEvent(*f.app, 1);
    EXPECT_EQ(f.os.Boxes.size(), c.asks ? 1u : 0u) << c.minute;
    EXPECT_EQ(refused, c.asks);
    EXPECT_EQ(CountEvents(*f.app), c.asks ? 0 : 1);
    if (c.asks) {
      EXPECT_EQ(f.os.Boxes[0].Flags, unsigned{kMbIconWarning | kMbYesNo});
      EXPECT_EQ(f.os.Boxes[0].Text, TextsOf(c.ed).OutdatedQuestion);
    }
  }
}

TEST(EventTable, PeriodicAndEditedEventsAreNeverAskedAbout) {
  AppFixture f;
  f.app->EditBuffer = MakeEvent(2001, 1, 1, 0, 0, 2);  // daily, long past
  f.app->EditBuffer.Slot = 0;
  EXPECT_FALSE(StoreEditedEvent(*f.app, 1));
  f.Put(MakeEvent(2006, 1, 1, 0, 0, 0), 40);
  f.app->EditBuffer = MakeEvent(2001, 1, 1, 0, 0, 0);  // editing slot 40, outdated
  f.app->EditBuffer.Slot = 40;
  EXPECT_FALSE(StoreEditedEvent(*f.app, 1));
  EXPECT_TRUE(f.os.Boxes.empty());
  EXPECT_EQ(int{f.app->Work.Events[39].Year}, 2001);
  EXPECT_EQ(CountEvents(*f.app), 2);
}

TEST(EventTable, FreeSlotRefusesTheSlotTheDialogEdits) {
  AppFixture f;
  f.Put(MakeEvent(2006, 1, 1, 0, 0), 3);
  f.os.DialogSlot = 3;
  EXPECT_TRUE(FreeSlot(*f.app, 3));
  EXPECT_EQ(int{f.app->Work.Events[2].Slot}, 3);
  f.os.DialogSlot = 0;
  EXPECT_FALSE(FreeSlot(*f.app, 3));
  EXPECT_EQ(int{f.app->Work.Events[2].Slot}, 0);
  EXPECT_EQ(int{f.app->Work.Events[2].Year}, 2006);  // the rest stays
  EXPECT_TRUE(FreeSlot(*f.app, 1001));
}

TEST(EventTable, PurgeFreesExpiredOneTimeEventsOnly) {
  AppFixture f;  // now 2005-03-07 09:05
  f.Put(MakeEvent(2005, 3, 7, 9, 5, 0), 1);    // now: expired
  f.Put(MakeEvent(2005, 3, 7, 9, 6, 0), 2);    // future
  TEventRec keep = MakeEvent(2004, 1, 1, 0, 0, 0);
  keep.DeleteAfterUse = 0;
  f.Put(keep, 3);
  f.Put(MakeEvent(2004, 1, 1, 0, 0, 2), 4);    // periodic
  f.os.Editor = true;
  PurgeExpired(*f.app);
  EXPECT_EQ(int{f.app->Work.Events[0].Slot}, 0);
  EXPECT_EQ(CountEvents(*f.app), 3);
  EXPECT_EQ(f.os.ReloadPosts, 1);
}

TEST(EventTable, CountDueTodaySkipsHourlyOnlyInTheRussianEdition) {
  for (Edition ed : {Edition::Russian, Edition::English}) {
    AppFixture f(ed);
    f.Put(MakeEvent(2005, 3, 7, 23, 59, 0), 1);  // today
    f.Put(MakeEvent(2005, 3, 8, 0, 0, 0), 2);    // tomorrow
    f.Put(MakeEvent(2000, 1, 1, 0, 0, 1), 3);    // hourly
    TEventRec off = MakeEvent(2005, 3, 7, 12, 0, 0);
    off.Disabled = kTrue;
    f.Put(off, 4);
    f.Put(MakeEvent(2000, 1, 1, 12, 0, 2), 5);   // daily
    CountDueToday(*f.app);
    EXPECT_EQ(f.app->EventsToday, ed == Edition::Russian ? 2 : 3);
  }
}

TEST(EventTable, HistoryLinesNewestFirstAndStamped) {
  AppFixture f;  // 2005-03-07 09:05
  AddHistoryLine(*f.app, "first");
  EXPECT_EQ(f.app->Work.ReminderLog[0].Get(),
            Utf8ToCp1251("2005 / Март / 07 - 09:05    first"));
  f.app->Tuning.TwelveHour = kTrue;
  f.SetNow(2005, 3, 7, 13, 0);
  for (int i = 2; i <= 301; ++i) AddHistoryLine(*f.app, std::to_string(i));
  EXPECT_EQ(f.app->Work.ReminderLog[0].Get(), Utf8ToCp1251("2005 / Март / 07 - в1:00    301"));
  EXPECT_EQ(f.app->Work.ReminderLog[299].Get(), Utf8ToCp1251("2005 / Март / 07 - в1:00    2"));

  AppFixture en(Edition::English);
  en.app->Tuning.TwelveHour = kTrue;
  en.SetNow(2005, 12, 1, 0, 7);
  AddHistoryLine(*en.app, std::string(300, 'x'));
  EXPECT_EQ(en.app->Work.ReminderLog[0].Size(), 255u);
  EXPECT_EQ(en.app->Work.ReminderLog[0].Get().substr(0, 28), "2005 / December / 01 - a12:0");
}

TEST(EventTable, DamagedLengthBytesAreClamped) {
  TEventRec e = MakeEvent(2005, 1, 1, 0, 0);
  e.Message.Length = 250;
  e.FileName.Length = 200;
  EXPECT_EQ(e.Message.Size(), 100u);
  EXPECT_EQ(e.FileName.View().size(), 8u);
}

}  // namespace
}  // namespace zel
