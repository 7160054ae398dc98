#include <gtest/gtest.h>

#include <random>

#include "core/codepage.h"
#include "events/calendar.h"
#include "events/event_table.h"
#include "support/reference_rules.h"
#include "support/test_seam.h"

namespace zel {
namespace {

using test::MakeEvent;

TEST(Calendar, WeekdayKnownDays) {
  struct Case { int y, m, d, want; } cases[] = {
      {1997, 1, 1, 3}, {2005, 3, 7, 1}, {1996, 1, 1, 1}, {2000, 2, 29, 2},
      {2005, 12, 7, 3}, {2003, 5, 12, 1}, {1900, 3, 1, 4},  // no century rule
      {2005, 4, 31, 7},  // impossible day: weekday of 1 January 2006 (a Sunday)
      {2005, 13, 1, 7}, {2005, 0, 5, 7}, {2004, 2, 30, 6},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Weekday(c.y, c.m, c.d), c.want) << c.y << "-" << c.m << "-" << c.d;
    EXPECT_EQ(ref::Weekday(c.y, c.m, c.d), c.want) << c.y << "-" << c.m << "-" << c.d;
  }
}

TEST(Calendar, WeekdayAgreesWithTheWalkFromNineteenNinetySeven) {
  for (int y = 0; y <= 4200; y += 1) EXPECT_EQ(Weekday(y, 1, 1), ref::Weekday(y, 1, 1)) << y;
  std::mt19937 rng(7);
  for (int i = 0; i < 3000; ++i) {
    int y = std::uniform_int_distribution<int>(0, 65535)(rng);
    int m = std::uniform_int_distribution<int>(0, 14)(rng);
    int d = std::uniform_int_distribution<int>(0, 32)(rng);
    ASSERT_EQ(Weekday(y, m, d), ref::Weekday(y, m, d)) << y << "-" << m << "-" << d;
  }
}

TEST(Calendar, MonthLengthHasNoCenturyRule) {
  EXPECT_EQ(MonthLength(1900, 2), 29);
  EXPECT_EQ(MonthLength(2100, 2), 29);
  EXPECT_EQ(MonthLength(2005, 2), 28);
  EXPECT_EQ(MonthLength(2005, 4), 30);
}

TEST(Calendar, AddAndSubtractCarryAcrossMonthsAndYears) {
  TEventRec r = MakeEvent(2005, 12, 31, 23, 17);
  r.Cycle = 77;  // other fields travel with the copy
  TEventRec out;
  AddHour(r, out);
  EXPECT_EQ((std::array<int, 5>{out.Year, out.Month, out.Day, out.Hour, out.Minute}),
            (std::array<int, 5>{2006, 1, 1, 0, 17}));
  EXPECT_EQ(int{out.Cycle}, 77);

  struct Case { int y, m, d; int wy, wm, wd; } adds[] = {
      {2004, 2, 28, 2004, 2, 29}, {2005, 2, 28, 2005, 3, 1}, {2005, 12, 31, 2006, 1, 1}};
  for (const Case& c : adds) {
    AddDay(MakeEvent(c.y, c.m, c.d, 5, 5), out);
    EXPECT_EQ((std::array<int, 3>{out.Year, out.Month, out.Day}),
              (std::array<int, 3>{c.wy, c.wm, c.wd}));
  }
  Case subs[] = {{2004, 3, 1, 2004, 2, 29}, {2005, 1, 1, 2004, 12, 31}, {2005, 3, 1, 2005, 2, 28}};
  for (const Case& c : subs) {
    SubDay(MakeEvent(c.y, c.m, c.d, 5, 5), out);
    EXPECT_EQ((std::array<int, 3>{out.Year, out.Month, out.Day}),
              (std::array<int, 3>{c.wy, c.wm, c.wd}));
  }
}

TEST(Calendar, SetDateAndTimeValidate) {
  TEventRec r = MakeEvent(2001, 1, 1, 1, 1);
  EXPECT_TRUE(SetDate(r, 2005, 2, 29));
  EXPECT_TRUE(SetDate(r, 9001, 1, 1));
  EXPECT_TRUE(SetDate(r, 0, 1, 1));
  EXPECT_TRUE(SetTime(r, 24, 0));
  EXPECT_TRUE(SetTime(r, 0, 60));
  EXPECT_TRUE(SetDateTime(r, 2004, 2, 29, 24, 0));
  EXPECT_EQ(int{r.Year}, 2001);  // nothing set when invalid
  EXPECT_FALSE(SetDateTime(r, 2004, 2, 29, 23, 59));
  EXPECT_EQ((std::array<int, 5>{r.Year, r.Month, r.Day, r.Hour, r.Minute}),
            (std::array<int, 5>{2004, 2, 29, 23, 59}));
}

TEST(Calendar, HourTextInBothForms) {
  EXPECT_EQ(HourText(Edition::Russian, false, 9), "09");
  EXPECT_EQ(HourText(Edition::Russian, true, 0), Utf8ToCp1251("у12"));
  EXPECT_EQ(HourText(Edition::Russian, true, 12), Utf8ToCp1251("в12"));
  EXPECT_EQ(HourText(Edition::Russian, true, 23), Utf8ToCp1251("в11"));
  EXPECT_EQ(HourText(Edition::English, true, 7), "a7");
  EXPECT_EQ(HourText(Edition::English, true, 13), "p1");
}

// Random starts, damaged ones included (day 0, days past the month's end,
// months 0 and 13, hours past 23), against single steps.
TEST(Calendar, DistancesAgreeWithSingleSteps) {
  std::mt19937 rng(11);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  for (int i = 0; i < 1500; ++i) {
    TEventRec from = MakeEvent(pick(2003, 2005), pick(0, 13), pick(0, 33), pick(0, 30), 0);
    TEventRec to = MakeEvent(pick(2003, 2006), pick(1, 12), 1, pick(0, 23), 0);
    to.Day = static_cast<std::uint8_t>(pick(1, MonthLength(to.Year, to.Month)));
    if (!DateBefore(to, from)) ASSERT_EQ(DaysBetween(from, to), ref::DaysBetween(from, to));
    if (!MomentBefore(to, from)) ASSERT_EQ(HoursBetween(from, to), ref::HoursBetween(from, to));
  }
}

}  // namespace
}  // namespace zel
