#include <gtest/gtest.h>

#include <cstring>

#include "core/codepage.h"
#include "events/event_table.h"
#include "events/exchange.h"
#include "support/app_fixture.h"

namespace zel {
namespace {

using test::AppFixture;
using test::MakeEvent;

const std::string kDate =
    "vell1_minute:5\tvell1_hour:9\tvell1_day:7\tvell1_month:3\tvell1_year:2005";

TEST(Exchange, WritesTheEighteenFieldsInOrder) {
  TEventRec e = MakeEvent(2005, 3, 7, 9, 5, 9);
  e.Influence = 1;
  e.ShowMessage = kTrue;
  e.WeekMask = 65;
  e.Message.Set("a:b");
  e.FileName.Set("ring");
  e.Category = 4;
  e.Cycle = -7;
  e.Duration = 59999;
  e.Action = 13;
  EXPECT_EQ(EventToLine(e),
            "vell1_influence:1\tvell1_disable:0\tvell1_realtime:0\tvell1_deleteafteruse:1\t"
            "vell1_showmessage:1\tvell1_week:65\tvell1_message:a:b\tvell1_filename:ring\t"
            "vell1_category:4\tvell1_cycle:-7\tvell1_duration:59999\tvell1_period:9\t"
            "vell1_action:13\t" + kDate);
}

TEST(Exchange, ReadsWhatItWrites) {
  TEventRec e = MakeEvent(2005, 3, 7, 9, 5, 10);
  e.Message.Set(Utf8ToCp1251("Позвонить: маме"));
  e.FileName.Set("12345678");
  e.RealTime = e.Disabled = kTrue;
  e.Cycle = 480;
  e.Duration = 50000;
  e.Category = 10;
  e.Action = 16;
  e.WeekMask = 127;
  e.Slot = 0;
  TEventRec back{};  // zero, like e, past the texts' lengths
  ASSERT_FALSE(LineToEvent(EventToLine(e), back));
  EXPECT_EQ(std::memcmp(&e, &back, 136), 0);
}

TEST(Exchange, LineRulesTable) {
  struct Case {
    std::string line;
    bool rejected;
    int cycle, week, action, category, duration;
    std::string message;
  } cases[] = {
      {kDate, false, 2, 0, 0, 0, 0, ""},
      {"vell1_cycle:1\tvell1_week:200\tvell1_action:17\t" + kDate, false, 2, 0, 0, 0, 0, ""},
      {"vell1_category:$A\tvell1_cycle:$1E0\tvell1_duration:50001\t" + kDate, false, 480, 0, 0,
       10, 0, ""},
      {"vell1_week:5\tvell1_week:6\t" + kDate, false, 2, 6, 0, 0, 0, ""},  // last one wins
      {"vell1_message:a:b:c\t\tnocolon\t:x\tother:1\t" + kDate, false, 2, 0, 0, 0, 0, "a:b:c"},
      {"vell1_message:" + std::string(120, 'm') + "\t" + kDate, false, 2, 0, 0, 0, 0,
       std::string(100, 'm')},
      {"vell1_week:  12\t" + kDate, false, 2, 12, 0, 0, 0, ""},  // leading spaces
      {"vell1_week:12 \t" + kDate, false, 2, 0, 0, 0, 0, ""},    // trailing space: no number
      {"vell1_minute:5 \tvell1_hour:9\tvell1_day:7\tvell1_month:3\tvell1_year:2005", true},
      {"VELL1_MINUTE:5\tVELL1_HOUR:9\tVELL1_DAY:7\tVELL1_MONTH:3\tVELL1_YEAR:2005", true},
      {"vell1_minute:0\tvell1_hour:0\tvell1_day:29\tvell1_month:2\tvell1_year:2005", true},
      {"vell1_minute:0\tvell1_hour:0\tvell1_day:29\tvell1_month:2\tvell1_year:2004", false, 2},
      {"vell1_minute:0\tvell1_hour:0\tvell1_day:1\tvell1_month:1\tvell1_year:9001", true},
      {"vell1_hour:0\tvell1_day:1\tvell1_month:1\tvell1_year:2004", true},
      {"vell1_year:2005\tvell1_month:3\tvell1_day:7\tvell1_hour:9\tvell1_minute:5", false, 2},
      {"", true},
  };
  for (const Case& c : cases) {
    TEventRec e;
    bool rejected = LineToEvent(c.line, e);
    EXPECT_EQ(rejected, c.rejected) << c.line;
    if (rejected || c.rejected) continue;
    EXPECT_EQ(int{e.Cycle}, c.cycle) << c.line;
    EXPECT_EQ(e.WeekMask, c.week) << c.line;
    EXPECT_EQ(e.Action, c.action) << c.line;
    EXPECT_EQ(e.Category, c.category) << c.line;
    EXPECT_EQ(int{e.Duration}, c.duration) << c.line;
    EXPECT_EQ(e.Message.Get(), c.message) << c.line;
    EXPECT_EQ(e.DeleteAfterUse, kTrue);
    EXPECT_EQ(int{e.Slot}, 0);
  }
}

class ExchangeFile : public ::testing::Test {
 protected:
  AppFixture f;
  std::string file = f.dir.File("events.txt");
  std::string Export(bool selected = false) {
    EXPECT_FALSE(RunExchange(*f.app, file, true, selected));
    return test::ReadAll(file);
  }
};

TEST_F(ExchangeFile, ExportThenReplaceBringsTheSameEventsBackInOrder) {
  TEventRec a = MakeEvent(2005, 3, 7, 9, 5, 2), b = MakeEvent(2006, 1, 1, 0, 0, 0);
  b.Duration = 59999;  // the dialog allows more than the file accepts
  TEventRec late = MakeEvent(9500, 1, 1, 0, 0, 0);  // beyond the import's years
  f.Put(a, 7);
  f.Put(late, 8);
  f.Put(b, 900);
  const std::string text = Export();
  EXPECT_EQ(text, EventToLine(f.app->Work.Events[6]) + "\r\n" +
                      EventToLine(f.app->Work.Events[7]) + "\r\n" +
                      EventToLine(f.app->Work.Events[899]) + "\r\n");
  f.Put(MakeEvent(2010, 1, 1, 0, 0), 1);
  ExchangeReport rep;
  EXPECT_TRUE(RunExchange(*f.app, file, false, true, &rep));  // the late one is rejected
  EXPECT_EQ(rep.RejectedLines, std::vector<int>{2});
  EXPECT_EQ(CountEvents(*f.app), 2);
  EXPECT_EQ(int{f.app->Work.Events[0].Year}, 2005);
  EXPECT_EQ(int{f.app->Work.Events[1].Year}, 2006);
  EXPECT_EQ(int{f.app->Work.Events[1].Duration}, 0);
}

TEST_F(ExchangeFile, ExportOfTheSelectionFollowsTheEditorRows) {
  f.Put(MakeEvent(2005, 1, 1, 0, 0), 2);
  f.Put(MakeEvent(2005, 1, 2, 0, 0), 5);
  f.os.Editor = true;
  f.os.Selection = {5, 3, 2};  // slot 3 is free: skipped
  EXPECT_EQ(Export(true), EventToLine(f.app->Work.Events[4]) + "\r\n" +
                              EventToLine(f.app->Work.Events[1]) + "\r\n");
  f.os.Editor = false;
  EXPECT_EQ(Export(true), "");
}

TEST_F(ExchangeFile, AMessageWithATabComesBackCut) {
  TEventRec e = MakeEvent(2005, 3, 7, 9, 5);
  e.Message.Set("before\tafter");
  f.Put(e, 1);
  Export();
  EXPECT_FALSE(RunExchange(*f.app, file, false, true));
  EXPECT_EQ(f.app->Work.Events[0].Message.Get(), "before");
}

TEST_F(ExchangeFile, JoinStopsAtAFullTableWithOneLimitMessage) {
  for (int n = 1; n <= 995; ++n) f.Put(MakeEvent(2005, 1, 1, 0, 0, 2), n);
  std::string lines;
  for (int i = 0; i < 10; ++i) lines += kDate + "\r\n";
  test::WriteAll(file, lines);
  f.os.Editor = true;
  ExchangeReport rep;
  EXPECT_TRUE(RunExchange(*f.app, file, false, false, &rep));
  EXPECT_EQ(rep.Accepted, 5);
  EXPECT_TRUE(rep.TableFull);
  EXPECT_EQ(CountEvents(*f.app), 1000);
  ASSERT_EQ(f.os.Boxes.size(), 1u);
  EXPECT_EQ(f.os.Boxes[0].Text, LimitMessageText(*f.app));
  EXPECT_EQ(f.os.ReloadPosts, 1);
}

TEST_F(ExchangeFile, ReplaceWithALongFileKeepsTheFirstThousand) {
  std::string lines;
  for (int i = 0; i < 1003; ++i) lines += kDate + "\n";
  test::WriteAll(file, lines);
  EXPECT_TRUE(RunExchange(*f.app, file, false, true));
  EXPECT_EQ(CountEvents(*f.app), 1000);
}

// A wrong or empty file must not wipe the table.
TEST_F(ExchangeFile, ReplaceWithNothingAcceptedKeepsTheTable) {
  f.Put(MakeEvent(2005, 1, 1, 0, 0, 2), 3);
  for (std::string content : {std::string(), std::string("\r\n\r\n"),
                              std::string("garbage\r\nvell1_year:2005\r\n")}) {
    test::WriteAll(file, content);
    RunExchange(*f.app, file, false, true);
    EXPECT_EQ(CountEvents(*f.app), 1) << content;
    EXPECT_EQ(int{f.app->Work.Events[2].Slot}, 3);
  }
}

TEST_F(ExchangeFile, AFileThatCannotBeOpenedChangesNothingAndIsNotCreated) {
  f.Put(MakeEvent(2005, 1, 1, 0, 0, 2), 3);
  const std::string missing = f.dir.File("no-such.txt");
  ExchangeReport rep;
  EXPECT_TRUE(RunExchange(*f.app, missing, false, true, &rep));
  EXPECT_TRUE(rep.NotOpened);
  EXPECT_FALSE(test::Exists(missing));
  EXPECT_EQ(CountEvents(*f.app), 1);
  EXPECT_TRUE(RunExchange(*f.app, f.dir.File("no-dir/x.txt"), true, false, &rep));
  EXPECT_TRUE(rep.NotOpened);
}

TEST_F(ExchangeFile, ExportReplacesAReadOnlyFile) {
  test::WriteAll(file, "old");
  f.os.SetAttributes(file, kAttrReadOnly);
  f.Put(MakeEvent(2005, 1, 1, 0, 0, 2), 1);
  EXPECT_EQ(Export(), EventToLine(f.app->Work.Events[0]) + "\r\n");
}

}  // namespace
}  // namespace zel
