#include <gtest/gtest.h>

#include "core/codepage.h"
#include "events/event_table.h"
#include "events/passes.h"
#include "support/app_fixture.h"

namespace zel {
namespace {

using test::AppFixture;
using test::MakeEvent;

TEventRec Shown(TEventRec e, const char* text) {
  e.ShowMessage = kTrue;
  e.Message.Set(text);
  return e;
}

TEST(Passes, StartupCatchesUpAMissedOneTimeEventOnce) {
  AppFixture f;
  f.SetNow(2005, 3, 7, 11, 0);
  f.Put(Shown(MakeEvent(2005, 3, 7, 10, 59, 0), "missed"), 4);
  TEventRec realTime = MakeEvent(2005, 3, 7, 10, 0, 0);
  realTime.RealTime = kTrue;
  f.Put(realTime, 5);
  StartupPass(*f.app);
  ASSERT_EQ(f.os.Fired.size(), 1u);
  EXPECT_EQ(f.os.Fired[0].Slot, 4);
  EXPECT_EQ(f.os.Fired[0].Form, FireForm::CatchUp);
  EXPECT_EQ(int{f.app->Work.Events[3].Slot}, 0);  // deleted after use
  EXPECT_EQ(f.app->Work.ReminderLog[0].Get(), Utf8ToCp1251("2005 / Март / 07 - 11:00    missed"));
  EXPECT_EQ(f.os.ShowPosts, 1);
  MinuteScan(*f.app);
  EXPECT_EQ(f.os.Fired.size(), 1u);
}

TEST(Passes, ScanFiresDueEventsInSlotOrderAndRecounts) {
  AppFixture f;  // 09:05
  f.Put(MakeEvent(2000, 1, 1, 9, 5, 2), 9);                        // daily, stays
  f.Put(Shown(MakeEvent(2005, 3, 7, 9, 5, 0), "now"), 3);           // one-time, freed
  f.Put(MakeEvent(2005, 3, 7, 9, 6, 0), 1);                        // next minute
  f.Put(MakeEvent(2005, 3, 7, 12, 0, 0), 2);                       // later today
  CountDueToday(*f.app);
  EXPECT_EQ(f.app->EventsToday, 4);
  MinuteScan(*f.app);
  ASSERT_EQ(f.os.Fired.size(), 2u);
  EXPECT_EQ(f.os.Fired[0].Slot, 3);
  EXPECT_EQ(f.os.Fired[1].Slot, 9);
  EXPECT_EQ(f.os.Fired[0].Form, FireForm::Scan);
  EXPECT_EQ(int{f.app->Work.Events[2].Slot}, 0);
  EXPECT_EQ(f.app->EventsToday, 3);
  EXPECT_EQ(f.os.ShowPosts, 1);
}

TEST(Passes, AnniversaryFiresAtMidnightOfItsEveAndOnTheDay) {
  AppFixture f;
  f.Put(Shown(MakeEvent(1970, 6, 10, 12, 0, 8), "birthday"), 1);
  f.SetNow(2005, 6, 9, 0, 0);
  MidnightPass(*f.app);
  MinuteScan(*f.app);
  f.SetNow(2005, 6, 10, 0, 0);
  MidnightPass(*f.app);
  f.SetNow(2005, 6, 10, 12, 0);
  MinuteScan(*f.app);
  ASSERT_EQ(f.os.Fired.size(), 2u);
  EXPECT_EQ(f.os.Fired[0].Form, FireForm::Midnight);
  EXPECT_EQ(f.os.Fired[1].Form, FireForm::Scan);
  EXPECT_EQ(f.app->Work.ReminderLog[1].Get(), Utf8ToCp1251("2005 / Июнь / 09 - 00:00    birthday"));
  EXPECT_EQ(CountEvents(*f.app), 1);
}

TEST(Passes, StartupOnTheEveAddsThePrefixedLine) {
  for (Edition ed : {Edition::Russian, Edition::English}) {
    AppFixture f(ed);
    f.Put(Shown(MakeEvent(1970, 6, 10, 12, 0, 8), "birthday"), 1);
    f.SetNow(2005, 6, 9, 8, 30);
    StartupPass(*f.app);
    ASSERT_EQ(f.os.Fired.size(), 1u);
    EXPECT_EQ(f.os.Fired[0].Form, FireForm::Eve);
    const std::string want = ed == Edition::Russian ? Utf8ToCp1251("Завтра Юбилей: birthday")
                                                    : std::string("Tomorrow Jubilee: birthday");
    const std::string line = f.app->Work.ReminderLog[0].Get();
    EXPECT_EQ(line.substr(line.size() - want.size()), want);
    EXPECT_EQ(CountEvents(*f.app), 1);
  }
}

TEST(Passes, DisabledEventsNeverFire) {
  AppFixture f;
  TEventRec e = MakeEvent(2005, 3, 7, 9, 0, 0);
  e.Disabled = kTrue;
  f.Put(e, 1);
  StartupPass(*f.app);
  MinuteScan(*f.app);
  EXPECT_TRUE(f.os.Fired.empty());
  EXPECT_EQ(f.os.ShowPosts, 0);
}

}  // namespace
}  // namespace zel
