// The English edition's hint text, against its program library.
#include <gtest/gtest.h>

#include "english/hint_window.h"
#include "events/event_record.h"

namespace zel {
namespace {

TEST(HintText, DateNamesAndCountThenTheSeparator) {
  TEventRec day{};
  day.Year = 2003;
  day.Month = 5;
  day.Day = 12;
  EXPECT_EQ(BuildHintText(day, 3), "2003/05(May)/12(Monday) Events:3 . . . ");
  day.Year = 2026;
  day.Month = 1;
  day.Day = 4;
  EXPECT_EQ(BuildHintText(day, 0), "2026/01(January)/04(Sunday) Events:0 . . . ");
}

}  // namespace
}  // namespace zel
