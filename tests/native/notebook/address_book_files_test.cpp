#include <gtest/gtest.h>

#include <filesystem>

#include "core/codepage.h"
#include "core/whole_file.h"
#include "notebook/address_book_files.h"
#include "support/app_fixture.h"

namespace zel {
namespace {

struct BookFixture : test::AppFixture {
  explicit BookFixture(Edition e = Edition::Russian) : AppFixture(e) {
    app->Paths.PeopleFile = dir.File("peoples.txt");
    app->Paths.OrgFile = dir.File("orgnztns.txt");
    app->Paths.PeopleBackup = dir.File("peoples.bak");
    app->Paths.OrgBackup = dir.File("orgnztns.bak");
  }
  std::unique_ptr<TBoook> book = std::make_unique<TBoook>();
};

std::string PeopleLines(int n) {
  std::string text;
  for (int i = 0; i < n; ++i) text += std::to_string(i % 70) + "\tP" + std::to_string(i) + "\r\n";
  return text;
}

TEST(AddressBookFiles, APeopleFileOf1002LinesLoads1001AndFailsAndAppendingAddsNothing) {
  BookFixture f;
  test::WriteAll(f.app->Paths.PeopleFile, PeopleLines(1002));
  EXPECT_TRUE(PeopleFileIO(f.os, *f.book, f.app->Paths.PeopleFile, false, MaxIconIndex, true));
  EXPECT_EQ(CountPeople(*f.book), 1001);
  EXPECT_EQ(f.book->People[1000].Fields[0], "P1000");
  EXPECT_TRUE(PeopleFileIO(f.os, *f.book, f.app->Paths.PeopleFile, false, MaxIconIndex, false));
  EXPECT_EQ(CountPeople(*f.book), 1001);
}

// An organization line that cannot be read fails the load while the lines
// after it still load; an empty line is no failure.
TEST(AddressBookFiles, TheOrganizationsFileFailsOnABadLineButLoadsTheRest) {
  BookFixture f;
  test::WriteAll(f.app->Paths.OrgFile, "1\tFirst\r\n\r\n2\tSecond\r\n");
  EXPECT_FALSE(OrgFileIO(f.os, *f.book, f.app->Paths.OrgFile, false, MaxIconIndex, true));
  EXPECT_EQ(CountOrgs(*f.book), 2);
  test::WriteAll(f.app->Paths.OrgFile, "1\tFirst\r\nx\tBad\r\n2\tSecond");
  EXPECT_TRUE(OrgFileIO(f.os, *f.book, f.app->Paths.OrgFile, false, MaxIconIndex, true));
  EXPECT_EQ(CountOrgs(*f.book), 2);
  EXPECT_EQ(f.book->Orgs[1].Fields[0], "Second");
  // The same bad line in the people file is only skipped.
  test::WriteAll(f.app->Paths.PeopleFile, "1\tFirst\nx\tBad\n2\tSecond\n");
  EXPECT_FALSE(PeopleFileIO(f.os, *f.book, f.app->Paths.PeopleFile, false, MaxIconIndex, true));
  EXPECT_EQ(CountPeople(*f.book), 2);
}

TEST(AddressBookFiles, ADeletedRecordsGapIsPackedByTheReloadAfterSaving) {
  BookFixture f;
  test::WriteAll(f.app->Paths.PeopleFile, PeopleLines(5));
  ASSERT_TRUE(SyncPeople(*f.app, *f.book, false, 9));
  ClearPeopleRecord(f.book->People[2]);
  ASSERT_TRUE(SyncPeople(*f.app, *f.book, true, 9));
  EXPECT_EQ(CountPeople(*f.book), 4);
  EXPECT_EQ(f.book->People[2].Fields[0], "P3");
  EXPECT_EQ(f.book->People[3].Fields[0], "P4");
  EXPECT_FALSE(f.book->People[4].Used);
  EXPECT_EQ(test::ReadAll(f.app->Paths.PeopleBackup), PeopleLines(5));  // the state before
  EXPECT_TRUE(f.os.Boxes.empty());
}

TEST(AddressBookFiles, AMissingFileIsCreatedEmptyAndAppendingFillsTheGapsFirst) {
  BookFixture f;
  EXPECT_FALSE(OrgFileIO(f.os, *f.book, f.app->Paths.OrgFile, false, MaxIconIndex, true));
  EXPECT_TRUE(test::Exists(f.app->Paths.OrgFile));
  EXPECT_EQ(test::ReadAll(f.app->Paths.OrgFile), "");

  test::WriteAll(f.app->Paths.PeopleFile, PeopleLines(3));
  ASSERT_FALSE(PeopleFileIO(f.os, *f.book, f.app->Paths.PeopleFile, false, MaxIconIndex, true));
  ClearPeopleRecord(f.book->People[1]);
  ASSERT_FALSE(PeopleFileIO(f.os, *f.book, f.app->Paths.PeopleFile, false, MaxIconIndex, false));
  EXPECT_EQ(CountPeople(*f.book), 5);
  EXPECT_EQ(f.book->People[1].Fields[0], "P0");
  EXPECT_EQ(f.book->People[3].Fields[0], "P1");
}

TEST(AddressBookFiles, SavedTextsKeepTheirBytesAndAReadOnlyFileIsReplaced) {
  BookFixture f;
  TPeopleRecord p;
  p.Icon = 12;
  p.Fields[0] = FromUtf8(Edition::Russian, "Иванов Ё");
  p.Fields[33] = "1980/12/31";
  ASSERT_FALSE(AddPeopleRecord(*f.book, p));
  test::WriteAll(f.app->Paths.PeopleFile, "old");
  ASSERT_EQ(f.os.SetAttributes(f.app->Paths.PeopleFile, kAttrReadOnly), 0);
  ASSERT_FALSE(PeopleFileIO(f.os, *f.book, f.app->Paths.PeopleFile, true, MaxIconIndex, true));
  EXPECT_EQ(test::ReadAll(f.app->Paths.PeopleFile), PeopleRecordToLine(p) + "\r\n");
  EXPECT_FALSE(test::Exists(f.app->Paths.PeopleFile + ".tmp"));

  auto back = std::make_unique<TBoook>();
  ASSERT_FALSE(PeopleFileIO(f.os, *back, f.app->Paths.PeopleFile, false, MaxIconIndex, true));
  EXPECT_EQ(back->People[0].Fields, p.Fields);
  EXPECT_EQ(back->People[0].Icon, 12);
}

// Lines a load had to leave out would be lost by the next save: the file is
// kept aside first, and the user told when the load counts as failed.
TEST(AddressBookFiles, ALoadThatLeavesLinesOutKeepsTheFileAsideAndTellsTheUser) {
  for (Edition ed : {Edition::Russian, Edition::English}) {
    BookFixture f(ed);
    const std::string orgs = "1\tFirst\r\nx\tBad\r\n";
    test::WriteAll(f.app->Paths.OrgFile, orgs);
    EXPECT_FALSE(SyncOrgs(*f.app, *f.book, false, 9));
    EXPECT_EQ(test::ReadAll(AsideName(f.app->Paths.OrgFile)), orgs);
    ASSERT_EQ(f.os.Boxes.size(), 1u);
    EXPECT_EQ(ToUtf8(ed, f.os.Boxes[0].Text), ed == Edition::Russian
                                                  ? "Невозможно загрузить книжку (организации)"
                                                  : "Impossible load book (organizations)");
    EXPECT_EQ(f.os.Boxes[0].Flags, kMbIconError);

    const std::string people = "1\tA\r\nbad\r\n";
    test::WriteAll(f.app->Paths.PeopleFile, people);
    EXPECT_TRUE(SyncPeople(*f.app, *f.book, false, 9));  // a skipped person is no failure
    EXPECT_EQ(test::ReadAll(AsideName(f.app->Paths.PeopleFile)), people);
    EXPECT_EQ(f.os.Boxes.size(), 1u);
  }
}

TEST(AddressBookFiles, AFailedSaveIsToldAndTheOldFileStaysWhole) {
  BookFixture f;
  test::WriteAll(f.app->Paths.PeopleFile, PeopleLines(2));
  ASSERT_TRUE(SyncPeople(*f.app, *f.book, false, 9));
  std::filesystem::create_directory(f.app->Paths.PeopleFile + ".tmp");  // blocks the new copy
  ClearPeopleRecord(f.book->People[0]);
  EXPECT_TRUE(SyncPeople(*f.app, *f.book, true, 9));
  ASSERT_EQ(f.os.Boxes.size(), 1u);
  EXPECT_EQ(Cp1251ToUtf8(f.os.Boxes[0].Text), "Невозможно сохранить книжку (люди)");
  EXPECT_EQ(test::ReadAll(f.app->Paths.PeopleFile), PeopleLines(2));
  EXPECT_EQ(CountPeople(*f.book), 2);  // reloaded from the file as it is
}

}  // namespace
}  // namespace zel
