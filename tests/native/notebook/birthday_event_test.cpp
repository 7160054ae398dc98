#include <gtest/gtest.h>

#include "core/codepage.h"
#include "notebook/birthday_event.h"
#include "support/app_fixture.h"

namespace zel {
namespace {

TPeopleRecord Person(const std::string& birthday) {
  TPeopleRecord p;
  p.Fields[kPersonBirthday] = birthday;
  p.Fields[kPersonName] = "Anna";
  p.Fields[kPersonSurname] = "Berg";
  return p;
}

TEST(BirthdayEvent, DatesAreReadByPositionAndMustBeReal) {
  struct Case {
    const char* text;
    int year, month, day;  // 0: refused
  } cases[] = {
      {"1980/12/31", 1980, 12, 31}, {"1920;02;29", 1920, 2, 29}, {"2003.08.01", 2003, 8, 1},
      {"1980-02-29", 1980, 2, 29},  {"1900x02x29 and more", 1900, 2, 29},
      {"1981-02-29", 0, 0, 0},      {"1980-13-01", 0, 0, 0},     {"80/12/31", 0, 0, 0},
      {"1980/1/5", 0, 0, 0},        {"1980/01/5", 0, 0, 0},      {"0000/01/01", 0, 0, 0},
      {"9001/01/01", 0, 0, 0},      {"1980/04/31", 0, 0, 0},     {"19a0/01/01", 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    std::optional<TEventRec> e = BirthdayEventOf(Edition::English, Person(c.text));
    ASSERT_EQ(e.has_value(), c.year != 0);
    if (!e) continue;
    EXPECT_EQ(int(e->Year), c.year);
    EXPECT_EQ(e->Month, c.month);
    EXPECT_EQ(e->Day, c.day);
  }
}

TEST(BirthdayEvent, TheEventIsAShownJubileeAtMidnightNamingThePerson) {
  TPeopleRecord p = Person("1975.06.15");
  std::optional<TEventRec> e = BirthdayEventOf(Edition::English, p);
  ASSERT_TRUE(e);
  EXPECT_EQ(e->Period, kPeriodJubilee);
  EXPECT_EQ(e->DeleteAfterUse, 0);
  EXPECT_NE(e->ShowMessage, 0);
  EXPECT_EQ(e->Hour, 0);
  EXPECT_EQ(e->Minute, 0);
  EXPECT_EQ(int(e->Slot), 0);  // confirming stores a new event
  EXPECT_EQ(e->Message.Get(), "Birth Day: Anna Berg");

  p.Fields[kPersonDisplayAs] = FromUtf8(Edition::Russian, "Аня");
  e = BirthdayEventOf(Edition::Russian, p);
  ASSERT_TRUE(e);
  EXPECT_EQ(Cp1251ToUtf8(e->Message.Get()), "День Рождения у: Аня");

  p.Fields[kPersonDisplayAs] = std::string(120, 'n');
  e = BirthdayEventOf(Edition::English, p);
  EXPECT_EQ(e->Message.Get(), "Birth Day: " + std::string(89, 'n'));  // 100 characters
}

// A refused date shows the message and leaves the event dialog's buffer
// alone.
TEST(BirthdayEvent, ARefusedDateShowsTheFormatMessageAndChangesNothing) {
  for (Edition ed : {Edition::Russian, Edition::English}) {
    test::AppFixture f(ed);
    f.app->EditBuffer = test::MakeEvent(2006, 1, 2, 3, 4);
    EXPECT_FALSE(MakeBirthdayEvent(*f.app, Person("1980/1/5"), 5));
    EXPECT_FALSE(MakeBirthdayEvent(*f.app, Person("1980/12/3"), 5));  // 9 characters
    ASSERT_EQ(f.os.Boxes.size(), 2u);
    const std::string text = ToUtf8(ed, f.os.Boxes[0].Text);
    EXPECT_EQ(text.rfind(ed == Edition::Russian ? "Ошибка распознавания даты\n\n"
                                                : "Error of recognition of date\n\n",
                         0),
              0u);
    EXPECT_NE(text.find("1980/12/31"), std::string::npos);
    EXPECT_EQ(f.os.Boxes[0].Caption, "Zelmora");
    EXPECT_EQ(f.os.Boxes[0].Flags, kMbIconError);
    EXPECT_EQ(int(f.app->EditBuffer.Year), 2006);
    EXPECT_TRUE(MakeBirthdayEvent(*f.app, Person("1980/12/31"), 5));
    EXPECT_EQ(f.os.Boxes.size(), 2u);
  }
}

}  // namespace
}  // namespace zel
