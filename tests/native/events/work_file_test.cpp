#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "core/texts.h"
#include "core/whole_file.h"
#include "events/event_table.h"
#include "events/work_file.h"
#include "support/app_fixture.h"

namespace zel {
namespace {

using test::AppFixture;
using test::MakeEvent;

std::string Bytes(const TWorkRecord& w) {
  return std::string(reinterpret_cast<const char*>(&w), sizeof w);
}

TEST(WorkFile, SaveThenLoadIsByteForByte) {
  AppFixture f;
  TEventRec e = MakeEvent(2005, 3, 7, 9, 5, 9);
  e.Message.Set("hello");
  std::memset(e.Reserved136, 0x5A, sizeof e.Reserved136);
  f.Put(e, 17);
  f.app->Work.Reserved[3] = 0x77;
  AddHistoryLine(*f.app, "line");
  ASSERT_FALSE(SaveWork(*f.app));
  const std::string saved = test::ReadAll(f.app->Paths.WorkFile);
  EXPECT_EQ(saved.size(), 229808u);
  EXPECT_EQ(saved, Bytes(f.app->Work));

  AppFixture g;
  g.app->Paths = f.app->Paths;
  EXPECT_EQ(LoadWork(*g.app), WorkLoad::Loaded);
  EXPECT_EQ(Bytes(g.app->Work), saved);
  EXPECT_TRUE(f.os.Boxes.empty());
  EXPECT_FALSE(test::Exists(f.app->Paths.WorkFile + ".tmp"));
}

TEST(WorkFile, MissingFileGivesAnEmptyTableSilently) {
  AppFixture f;
  f.Put(MakeEvent(2005, 1, 1, 0, 0), 1);  // a fresh process has none; the table stays
  AddHistoryLine(*f.app, "old");
  EXPECT_EQ(LoadWork(*f.app), WorkLoad::Missing);
  EXPECT_TRUE(f.os.Boxes.empty());
  EXPECT_EQ(f.app->Work.ReminderLog[0].Size(), 0u);  // the history is cleared first
}

TEST(WorkFile, WrongSizeIsReportedKeptAsideAndEmptiesTheTable) {
  for (size_t size : {size_t{1000}, size_t{229807}, size_t{229809}}) {
    AppFixture f;
    std::string bytes(size, '\0');
    bytes[8 + 6] = 1;  // slot 1 in use
    test::WriteAll(f.app->Paths.WorkFile, bytes);
    EXPECT_EQ(LoadWork(*f.app), WorkLoad::Damaged) << size;
    ASSERT_EQ(f.os.Boxes.size(), 1u);
    EXPECT_EQ(f.os.Boxes[0].Text, "Error work in file: [Read Work File]");
    EXPECT_EQ(f.os.Boxes[0].Flags, unsigned{kMbIconError});
    EXPECT_EQ(CountEvents(*f.app), 0);
    EXPECT_EQ(test::ReadAll(AsideName(f.app->Paths.WorkFile)), bytes);
    // The next save replaces the damaged file, and the copy survives it.
    EXPECT_FALSE(SaveWork(*f.app));
    EXPECT_EQ(test::ReadAll(AsideName(f.app->Paths.WorkFile)), bytes);
  }
}

TEST(WorkFile, ReadOnlyFileIsMadeWritableForTheSave) {
  AppFixture f;
  ASSERT_FALSE(SaveWork(*f.app));
  ASSERT_EQ(f.os.SetAttributes(f.app->Paths.WorkFile, kAttrReadOnly), 0);
  f.Put(MakeEvent(2005, 1, 1, 0, 0), 2);
  EXPECT_FALSE(SaveWork(*f.app));
  EXPECT_TRUE(f.os.Boxes.empty());
  AppFixture g;
  g.app->Paths = f.app->Paths;
  EXPECT_EQ(LoadWork(*g.app), WorkLoad::Loaded);
  EXPECT_EQ(CountEvents(*g.app), 1);
}

// A save that cannot complete leaves the old file as it was, and reports
// each step as it fails.
TEST(WorkFile, FailedSaveLeavesTheOldFileIntact) {
  AppFixture f;
  f.Put(MakeEvent(2005, 1, 1, 0, 0), 1);
  ASSERT_FALSE(SaveWork(*f.app));
  const std::string before = test::ReadAll(f.app->Paths.WorkFile);

  // The temporary file's place is taken by a folder: creation fails.
  std::filesystem::create_directory(f.app->Paths.WorkFile + ".tmp");
  f.Put(MakeEvent(2006, 1, 1, 0, 0), 2);
  EXPECT_TRUE(SaveWork(*f.app));
  ASSERT_EQ(f.os.Boxes.size(), 3u);
  EXPECT_EQ(f.os.Boxes[0].Text, "Error work in file: [Rewrite Work File]");
  EXPECT_EQ(f.os.Boxes[1].Text, "Error work in file: [Write Work File]");
  EXPECT_EQ(f.os.Boxes[2].Text, "Error work in file: [Close Work File]");
  EXPECT_EQ(test::ReadAll(f.app->Paths.WorkFile), before);
}

TEST(WorkFile, FailedReplaceLeavesTheOldFileIntact) {
  struct FailingCommit : test::TestSeam {
    int CommitFile(const std::string&, const std::string&) override { return 5; }
  } os;
  AppFixture f;
  AppCore app(Edition::Russian, os);
  app.Paths = f.app->Paths;
  ASSERT_FALSE(SaveWork(*f.app));
  const std::string before = test::ReadAll(app.Paths.WorkFile);
  app.Work.Events[0].Slot = 1;
  EXPECT_TRUE(SaveWork(app));
  ASSERT_EQ(os.Boxes.size(), 1u);
  EXPECT_EQ(os.Boxes[0].Text, "Error work in file: [Close Work File]");
  EXPECT_EQ(test::ReadAll(app.Paths.WorkFile), before);
  EXPECT_FALSE(test::Exists(app.Paths.WorkFile + ".tmp"));
}

}  // namespace
}  // namespace zel
