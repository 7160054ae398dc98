#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "core/tuning_files.h"
#include "core/whole_file.h"
#include "support/app_fixture.h"

namespace zel {
namespace {

using test::AppFixture;

struct TunFixture : AppFixture {
  explicit TunFixture(Edition e) : AppFixture(e) {
    app->Paths.TuningFile = dir.File("vell.tun");
    app->Paths.SysTuningFile = app->Paths.SysTuningSource = dir.File("vellsys.tun");
  }
};

TEST(TuningFiles, MissingFilesGiveDefaultsSilentlyAndTheSaveWritesTheEditionsSize) {
  for (Edition ed : {Edition::Russian, Edition::English}) {
    TunFixture f(ed);
    f.app->Tuning.Hotkeys[3].Enabled = 255;
    f.app->SysTuning.PowerOff = 0;
    EXPECT_EQ(LoadTuning(*f.app), SettingsLoad::Missing);
    EXPECT_EQ(LoadSysTuning(*f.app), SettingsLoad::Missing);
    EXPECT_TRUE(f.os.Boxes.empty());
    EXPECT_EQ(f.app->Tuning.Hotkeys[3].Enabled, 0);
    EXPECT_EQ(f.app->SysTuning.PowerOff, 255);

    EXPECT_FALSE(SaveTuning(*f.app));
    EXPECT_FALSE(SaveSysTuning(*f.app));
    EXPECT_EQ(test::ReadAll(f.app->Paths.TuningFile).size(), TuningSize(ed));
    EXPECT_EQ(test::ReadAll(f.app->Paths.SysTuningFile).size(), SysTuningSize(ed));
  }
}

TEST(TuningFiles, SavedRecordsLoadBackByteForByte) {
  TunFixture f(Edition::Russian);
  DefaultTuning(Edition::Russian, f.app->Tuning);
  f.app->Tuning.Hotkeys[5] = {255, 112, 255, 0, 255, 5};
  f.app->Tuning.FlashAccumulate = 255;
  f.app->Tuning.Reserved0[2] = 7;
  DefaultSysTuning(Edition::Russian, f.app->SysTuning);
  f.app->SysTuning.BarWidth = 330;
  f.app->LastBarLeft = -12;
  f.app->LastBarTop = 640;
  ASSERT_FALSE(SaveTuning(*f.app));
  ASSERT_FALSE(SaveSysTuning(*f.app));
  const TTuning t = f.app->Tuning;
  const TSysTuning s = f.app->SysTuning;

  std::memset(&f.app->Tuning, 0, sizeof(TTuning));
  std::memset(&f.app->SysTuning, 0, sizeof(TSysTuning));
  EXPECT_EQ(LoadTuning(*f.app), SettingsLoad::Loaded);
  EXPECT_EQ(LoadSysTuning(*f.app), SettingsLoad::Loaded);
  EXPECT_EQ(std::memcmp(&t, &f.app->Tuning, sizeof t), 0);
  EXPECT_EQ(std::memcmp(&s, &f.app->SysTuning, sizeof s), 0);
  EXPECT_EQ(int(f.app->SysTuning.BarLeft), -12);
  EXPECT_EQ(int(f.app->SysTuning.BarTop), 640);
  EXPECT_EQ(f.app->LastBarTop, 640);
  EXPECT_TRUE(f.os.Boxes.empty());
}

// A file of another size (one byte short, or the other edition's record)
// gives one message, the defaults, and a copy kept aside.
TEST(TuningFiles, AFileOfAnotherSizeIsReportedOnceKeptAsideAndGivesDefaults) {
  struct Case {
    Edition ed;
    bool sys;
    std::size_t size;
    const char* step;
  } cases[] = {
      {Edition::Russian, false, 486, "[Read Tun File]"},
      {Edition::English, false, 487, "[Read Tun File]"},
      {Edition::English, false, 0, "[Read Tun File]"},
      {Edition::Russian, true, 52, "[Read SysTun File]"},
      {Edition::English, true, 64, "[Read SysTun File]"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.size);
    TunFixture f(c.ed);
    const std::string& path = c.sys ? f.app->Paths.SysTuningFile : f.app->Paths.TuningFile;
    const std::string bytes(c.size, '\x01');
    test::WriteAll(path, bytes);
    SettingsLoad r = c.sys ? LoadSysTuning(*f.app) : LoadTuning(*f.app);
    EXPECT_EQ(r, SettingsLoad::Damaged);
    ASSERT_EQ(f.os.Boxes.size(), 1u);
    EXPECT_EQ(f.os.Boxes[0].Text, std::string("Error work in file: ") + c.step);
    EXPECT_EQ(f.os.Boxes[0].Caption, "Zelmora");
    EXPECT_EQ(f.os.Boxes[0].Flags, kMbIconError);
    EXPECT_EQ(test::ReadAll(AsideName(path)), bytes);
    if (c.sys) {
      EXPECT_EQ(f.app->SysTuning.PowerOff, 255);
    } else {
      EXPECT_EQ(f.app->Tuning.Hotkeys[0].KeyCode, 32);
      EXPECT_EQ(f.app->Tuning.Hotkeys[0].Enabled, 0);
    }
  }
}

TEST(TuningFiles, AReadOnlyFileIsMadeWritableSoTheSaveSucceeds) {
  TunFixture f(Edition::Russian);
  DefaultTuning(Edition::Russian, f.app->Tuning);
  ASSERT_FALSE(SaveTuning(*f.app));
  ASSERT_EQ(f.os.SetAttributes(f.app->Paths.TuningFile, kAttrReadOnly), 0);
  EXPECT_EQ(LoadTuning(*f.app), SettingsLoad::Loaded);
  f.app->Tuning.DefaultAction = 14;
  EXPECT_FALSE(SaveTuning(*f.app));
  EXPECT_TRUE(f.os.Boxes.empty());
  EXPECT_EQ(static_cast<unsigned char>(test::ReadAll(f.app->Paths.TuningFile)[7]), 14);
}

// Every step runs after a failed one and reports, and nothing half-written
// is left behind.
TEST(TuningFiles, ASaveThatCannotCreateItsFileReportsEachStep) {
  TunFixture f(Edition::English);
  f.app->Paths.SysTuningFile = f.dir.File("missing-folder/vellsys.tun");
  EXPECT_TRUE(SaveSysTuning(*f.app));
  ASSERT_EQ(f.os.Boxes.size(), 3u);
  EXPECT_EQ(f.os.Boxes[0].Text, "Error work in file: [Rewrite SysTun File]");
  EXPECT_EQ(f.os.Boxes[1].Text, "Error work in file: [Write SysTun File]");
  EXPECT_EQ(f.os.Boxes[2].Text, "Error work in file: [Close SysTun File]");
}

TEST(TuningFiles, AFailedSaveLeavesTheOldFileWhole) {
  TunFixture f(Edition::Russian);
  DefaultTuning(Edition::Russian, f.app->Tuning);
  ASSERT_FALSE(SaveTuning(*f.app));
  const std::string before = test::ReadAll(f.app->Paths.TuningFile);
  std::filesystem::create_directory(f.app->Paths.TuningFile + ".tmp");  // blocks the new copy
  f.app->Tuning.DefaultAction = 3;
  EXPECT_TRUE(SaveTuning(*f.app));
  EXPECT_FALSE(f.os.Boxes.empty());
  EXPECT_EQ(f.os.Boxes[0].Text, "Error work in file: [Rewrite Tun File]");
  EXPECT_EQ(test::ReadAll(f.app->Paths.TuningFile), before);
}

}  // namespace
}  // namespace zel
