#include <gtest/gtest.h>

#include "core/codepage.h"
#include "mainwin/clock_format.h"
#include "support/app_fixture.h"

namespace zel {
namespace {

using test::AppFixture;

std::string Clock(AppFixture& f, const std::string& utf8Format) {
  return Cp1251ToUtf8(FormatClock(*f.app, Utf8ToCp1251(utf8Format)));
}

TEST(ClockFormat, ExpansionTable) {
  AppFixture f;
  f.SetNow(2005, 12, 7, 9, 5);  // a Wednesday
  f.app->EventsToday = 3;
  struct Case { const char* format; const char* want; } cases[] = {
      {"%h0:%m2-%y2/%n2:%N3/%d0-%w2[%c0]", "9:05-05/12:Дек/7-Ср[3]"},
      {"%h2 %m0 %d2 %n0 %y1 %y4 %N0 %w0 %a0", "09 5 07 12 5 2005 Декабрь Среда у"},
      {"ab%", "ab"},              // a "%" at the end
      {"ab%h", "ab"},             // "%" and one letter
      {"ab%hx rest", "ab"},       // width not a digit: the expansion ends
      {"%x2", "x2"},              // not a code: the "%" disappears
      {"%d1|", "|"},              // a width the code lacks: nothing
      {"%N9", "Декабрь"},         // a shorter name is shown whole
      {"%y3%m5%c1", ""},
      {"", ""},
      {"[%%m2]", "["},           // "%%" is no escape: its width is no digit
  };
  for (const Case& c : cases) EXPECT_EQ(Clock(f, c.format), c.want) << c.format;
}

TEST(ClockFormat, TwelveHourForm) {
  AppFixture f;
  f.app->Tuning.TwelveHour = kTrue;
  struct Case { int hour; const char* want; } cases[] = {
      {0, "12 у"}, {12, "12 у"}, {13, "1 в"}, {23, "11 в"}, {9, "9 у"}};
  for (const Case& c : cases) {
    f.SetNow(2005, 5, 1, c.hour, 30);
    EXPECT_EQ(Clock(f, "%h0 %a0"), c.want) << c.hour;
  }
  f.SetNow(2005, 5, 1, 13, 30);
  EXPECT_EQ(Clock(f, "%h2"), "01");
}

TEST(ClockFormat, EnglishNames) {
  AppFixture f(Edition::English);
  f.SetNow(2003, 5, 12, 18, 0);
  EXPECT_EQ(FormatClock(*f.app, "%N0 %w3 %a0"), "May Mon p");
}

TEST(ClockFormat, FileRoundTripAndDefault) {
  AppFixture f;
  LoadClockFormat(*f.app);
  EXPECT_EQ(f.app->ClockFormat, "%h0:%m2-%y2/%n2:%N3/%d0-%w2[%c0]");
  EXPECT_FALSE(SaveClockFormat(*f.app, "%h2:%m2"));
  EXPECT_EQ(test::ReadAll(f.app->Paths.ClockFormatFile), "%h2:%m2");  // no line end
  test::WriteAll(f.app->Paths.ClockFormatFile, "first\r\nsecond");
  LoadClockFormat(*f.app);
  EXPECT_EQ(f.app->ClockFormat, "first");
  test::WriteAll(f.app->Paths.ClockFormatFile, "");
  LoadClockFormat(*f.app);
  EXPECT_EQ(f.app->ClockFormat, "");
  EXPECT_TRUE(f.os.Boxes.empty());
}

TEST(ClockFormat, FailedSaveStopsAtTheFirstStep) {
  AppFixture f;
  f.app->Paths.ClockFormatFile = f.dir.File("no-folder/format_clock_panel.txt");
  EXPECT_TRUE(SaveClockFormat(*f.app, "x"));
  ASSERT_EQ(f.os.Boxes.size(), 1u);
  EXPECT_EQ(f.os.Boxes[0].Text, "Error work in file: [ReWrite Fmt File]");
}

}  // namespace
}  // namespace zel
