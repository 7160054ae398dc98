#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "notebook/address_book.h"

namespace zel {
namespace {

TEST(AddressBookLines, AnEmptyPersonIsTheDigitZeroAndThirtySixTabs) {
  TPeopleRecord p;
  EXPECT_EQ(PeopleRecordToLine(p), "0" + std::string(36, '\t'));
  TOrgRecord o;
  o.Icon = 69;
  o.Fields[0] = "Acme";
  o.Fields[18] = "last";
  EXPECT_EQ(OrgRecordToLine(o), "69\tAcme" + std::string(18, '\t') + "last");
}

TEST(AddressBookLines, LinesAreReadFieldByFieldWithTheIconFirst) {
  struct Case {
    std::string line;
    bool refused;
    int icon;
    std::string first, last;  // Fields[0] and Fields[35]
  } cases[] = {
      {"5", false, 5, "", ""},
      {"5\tA\t", false, 5, "A", ""},
      {"5\t\tB", false, 5, "", ""},
      {"70\tA", false, 0, "A", ""},   // outside 0..69
      {"-5\tA", false, 0, "A", ""},
      {" 7\tA", false, 7, "A", ""},   // a number as the system's conversion reads it
      {"3" + std::string(35, '\t') + "\tlast\textra\tmore", false, 3, "", "last"},
      {"", true, 0, "", ""},
      {"x\tA", true, 0, "", ""},
      {"-1\tA", true, 0, "", ""},
      {"\tA", true, 0, "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    TPeopleRecord r;
    r.Fields[4] = "stale";
    EXPECT_EQ(LineToPeopleRecord(c.line, MaxIconIndex, r), c.refused);
    if (c.refused) continue;
    EXPECT_TRUE(r.Used);
    EXPECT_EQ(r.Icon, c.icon);
    EXPECT_EQ(r.Fields[0], c.first);
    EXPECT_EQ(r.Fields[35], c.last);
    EXPECT_EQ(r.Fields[4], "");
  }
  TOrgRecord o;
  EXPECT_FALSE(LineToOrgRecord("2\tA\t" + std::string(17, '\t') + "S\tignored", MaxIconIndex, o));
  EXPECT_EQ(o.Fields[0], "A");
  EXPECT_EQ(o.Fields[18], "S");
}

// A pasted TAB, CR or LF must not shift the later fields at the next load.
TEST(AddressBookLines, TabsAndLineBreaksInsideAValueAreWrittenAsSpaces) {
  TPeopleRecord p;
  p.Icon = 4;
  p.Fields[5] = "Main St.\t12\r\nflat 3";
  p.Fields[6] = "Town";
  const std::string line = PeopleRecordToLine(p);
  EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 36);
  TPeopleRecord back;
  ASSERT_FALSE(LineToPeopleRecord(line, MaxIconIndex, back));
  EXPECT_EQ(back.Fields[5], "Main St. 12  flat 3");
  EXPECT_EQ(back.Fields[6], "Town");
}

TEST(AddressBookLines, SlotsFillFromTheLowestFreeOneAndAFullListRefuses) {
  auto book = std::make_unique<TBoook>();
  TPeopleRecord p;
  p.Fields[0] = "x";
  for (int i = 0; i < kBookSlots; ++i) ASSERT_FALSE(AddPeopleRecord(*book, p));
  EXPECT_EQ(FindFreePeopleSlot(*book), -1);
  EXPECT_TRUE(AddPeopleRecord(*book, p));
  EXPECT_EQ(CountPeople(*book), kBookSlots);
  ClearPeopleRecord(book->People[7]);
  EXPECT_EQ(FindFreePeopleSlot(*book), 7);
  EXPECT_EQ(book->People[7].Fields[0], "");
  EXPECT_EQ(CountOrgs(*book), 0);
  EXPECT_EQ(FindFreeOrgSlot(*book), 0);
}

}  // namespace
}  // namespace zel
