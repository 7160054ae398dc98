#include <gtest/gtest.h>

#include "events/calendar.h"
#include "events/occurrence.h"
#include "support/random_events.h"
#include "support/reference_rules.h"
#include "support/test_seam.h"

namespace zel {
namespace {

using test::MakeEvent;
constexpr Edition kRu = Edition::Russian, kEn = Edition::English;

bool Due(const TEventRec& e, int y, int mo, int d, int h, int mi, bool catchUp = false,
         bool tomorrow = false, Edition ed = kRu) {
  return IsDue(ed, e, MakeProbe(MakeEvent(y, mo, d, h, mi)), catchUp, tomorrow);
}

TEST(Occurrence, OneTimeEventDueOnItsMinuteAndCaughtUpAfterIt) {
  TEventRec e = MakeEvent(2005, 3, 7, 10, 30, 0);
  EXPECT_TRUE(Due(e, 2005, 3, 7, 10, 30));
  EXPECT_FALSE(Due(e, 2005, 3, 7, 10, 31));
  EXPECT_FALSE(Due(e, 2005, 3, 8, 10, 30));
  EXPECT_TRUE(Due(e, 2005, 3, 7, 11, 0, true));    // caught up at a later start
  EXPECT_FALSE(Due(e, 2005, 3, 7, 10, 30, true));  // the scan of that minute fires it
  e.RealTime = kTrue;
  EXPECT_FALSE(Due(e, 2005, 3, 7, 11, 0, true));
}

TEST(Occurrence, WeekdayEventIgnoresItsStoredDate) {
  TEventRec e = MakeEvent(1999, 1, 1, 8, 0, 3);
  e.WeekMask = 1;  // Monday
  EXPECT_TRUE(Due(e, 2005, 3, 7, 8, 0));    // a Monday
  EXPECT_FALSE(Due(e, 2005, 3, 8, 8, 0));   // Tuesday
  EXPECT_FALSE(Due(e, 2005, 3, 7, 8, 1));
  EXPECT_TRUE(Due(e, 2005, 3, 14, 9, 0, true));  // caught up later that Monday
}

TEST(Occurrence, EvenAndOddDays) {
  TEventRec even = MakeEvent(2005, 1, 1, 9, 0, 5), odd = MakeEvent(2005, 1, 1, 9, 0, 6);
  for (int d = 1; d <= 31; ++d) {
    EXPECT_EQ(Due(even, 2005, 1, d, 9, 0), d % 2 == 0) << d;
    EXPECT_EQ(Due(odd, 2005, 1, d, 9, 0), d % 2 == 1) << d;
  }
  EXPECT_TRUE(Due(odd, 2005, 2, 1, 9, 0));  // the 31st and the 1st in a row
}

TEST(Occurrence, PeriodDays) {
  TEventRec e = MakeEvent(2005, 3, 1, 7, 0, 9);
  e.Cycle = 3;
  EXPECT_TRUE(Due(e, 2005, 3, 1, 7, 0));
  EXPECT_FALSE(Due(e, 2005, 3, 2, 7, 0));
  EXPECT_TRUE(Due(e, 2005, 3, 4, 7, 0));
  EXPECT_TRUE(Due(e, 2005, 3, 7, 7, 0));
  EXPECT_FALSE(Due(e, 2005, 2, 28, 7, 0));  // before its start
  EXPECT_TRUE(Due(e, 2005, 4, 3, 7, 0));    // 33 days on
}

TEST(Occurrence, PeriodHoursAcrossMonthEndsAndLeapDay) {
  TEventRec e = MakeEvent(2004, 2, 28, 22, 15, 10);
  e.Cycle = 5;
  EXPECT_TRUE(Due(e, 2004, 2, 28, 22, 15));
  EXPECT_TRUE(Due(e, 2004, 2, 29, 3, 15));
  EXPECT_TRUE(Due(e, 2004, 2, 29, 8, 15));
  EXPECT_FALSE(Due(e, 2004, 2, 29, 8, 16));
  EXPECT_FALSE(Due(e, 2004, 2, 29, 9, 15));
  EXPECT_TRUE(Due(e, 2004, 3, 1, 4, 15));  // 30 hours on
  EXPECT_FALSE(Due(e, 2004, 2, 28, 17, 15));  // before its start
}

TEST(Occurrence, AnniversaryAndItsEve) {
  TEventRec e = MakeEvent(1970, 6, 10, 12, 0, 8);
  EXPECT_TRUE(Due(e, 2005, 6, 10, 12, 0));
  EXPECT_TRUE(Due(e, 2005, 6, 9, 15, 0, true, true));   // start-up on the eve
  EXPECT_FALSE(Due(e, 2005, 6, 10, 15, 0, true, true));
  EXPECT_TRUE(Due(e, 2005, 6, 10, 13, 0, true, false));  // caught up like an annual one
  // The eve is the day before the event's own date, in the event's year.
  TEventRec march1 = MakeEvent(1970, 3, 1, 12, 0, 8);
  EXPECT_TRUE(Due(march1, 2004, 2, 28, 1, 0, true, true));
  EXPECT_FALSE(Due(march1, 2004, 2, 29, 1, 0, true, true));
}

TEST(Occurrence, HourlyDiffersByEdition) {
  TEventRec e = MakeEvent(2005, 1, 1, 3, 20, 1);
  EXPECT_TRUE(Due(e, 2005, 5, 5, 17, 20, false, false, kRu));
  EXPECT_FALSE(Due(e, 2005, 5, 5, 17, 0, false, false, kRu));
  EXPECT_FALSE(Due(e, 2005, 5, 5, 17, 20, false, false, kEn));
  EXPECT_TRUE(Due(e, 2005, 5, 5, 17, 0, false, false, kEn));
}

TEST(Occurrence, DisabledFreeAndBrokenEventsAreNeverDue) {
  TEventRec e = MakeEvent(2005, 3, 7, 10, 30, 2);
  e.Disabled = kTrue;
  TEventRec free = MakeEvent(2005, 3, 7, 10, 30, 2);
  free.Slot = 0;
  TEventRec noCycle = MakeEvent(2005, 3, 7, 10, 30, 9);
  noCycle.Cycle = 0;
  TEventRec unknownKind = MakeEvent(2005, 3, 7, 10, 30, 11);
  for (bool c : {false, true})
    for (bool t : {false, true})
      for (const TEventRec* x : {&e, &free, &noCycle, &unknownKind})
        EXPECT_FALSE(Due(*x, 2005, 3, 7, 10, 30, c, t));
}

// The closed forms against the literal stepping rules.
TEST(OccurrenceProperty, IsDueAgreesWithTheSteppingRules) {
  test::EventDice dice(2024);
  int due = 0;
  for (int i = 0; i < 20000; ++i) {
    TEventRec p = dice.Moment(1999, 2009);
    TEventRec e = dice.Event(p, 3);
    for (Edition ed : {kRu, kEn})
      for (bool c : {false, true})
        for (bool t : {false, true}) {
          bool got = IsDue(ed, e, p, c, t);
          ASSERT_EQ(got, ref::IsDue(ed, e, p, c, t))
              << "kind " << int(e.Period) << " event " << e.Year << "-" << int(e.Month) << "-"
              << int(e.Day) << " " << int(e.Hour) << ":" << int(e.Minute) << " probe " << p.Year
              << "-" << int(p.Month) << "-" << int(p.Day) << " " << int(p.Hour) << ":"
              << int(p.Minute) << " c" << c << " t" << t;
          due += got;
        }
  }
  EXPECT_GT(due, 5000);  // the dice do meet the rules often
}

TEST(OccurrenceProperty, DayTestAgreesWithProbingEveryMinute) {
  test::EventDice dice(77);
  int hits = 0;
  for (int i = 0; i < 1500; ++i) {
    TEventRec day = dice.Moment(2000, 2005);
    TEventRec e = dice.Event(day, 2);
    for (Edition ed : {kRu, kEn}) {
      bool got = IsDueSomeMinuteOf(ed, e, day);
      ASSERT_EQ(got, ref::IsDueSomeMinuteOf(ed, e, day))
          << "kind " << int(e.Period) << " cycle " << int{e.Cycle} << " event " << e.Year << "-"
          << int(e.Month) << "-" << int(e.Day) << " " << int(e.Hour) << ":" << int(e.Minute)
          << " day " << day.Year << "-" << int(day.Month) << "-" << int(day.Day);
      hits += got;
    }
  }
  EXPECT_GT(hits, 300);
}

}  // namespace
}  // namespace zel
