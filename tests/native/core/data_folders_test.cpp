#include <gtest/gtest.h>

#include <filesystem>

#include "core/data_folders.h"
#include "native/core/places_seam.h"

namespace zel {
namespace {

namespace fs = std::filesystem;
using test::PlacesSeam;
using test::TempDir;

// "C:\" + n times `letter` + "\x.exe": 9 + n characters.
std::string LongPath(int n, const std::string& letter) {
  std::string p = "C:\\";
  for (int i = 0; i < n; ++i) p += letter;
  return p + "\\x.exe";
}

TEST(DataFolders, SplitPathKeepsTheFolderWithItsSeparatorOrFallsBack) {
  const std::string at261 = LongPath(252, "a");
  // 261 characters, not bytes: 252 Cyrillic letters fit as well.
  const std::string cyrillic261 = LongPath(252, "\xd0\x96");
  struct Case {
    std::string path, folder;
  } cases[] = {
      {"C:\\ORG\\ORG.EXE", "C:\\ORG\\"},
      {"/opt/zel/vell32", "/opt/zel/"},
      {"C:\\a/b\\c.exe", "C:\\a/b\\"},
      {"vell32.exe", "v"},  // no separator: the first character
      {"", "c:\\error.err\\"},
      {at261, at261.substr(0, at261.size() - 5)},
      {cyrillic261, cyrillic261.substr(0, cyrillic261.size() - 5)},
      {LongPath(253, "a"), "c:\\error.err\\"},
  };
  ASSERT_EQ(at261.size(), 261u);
  for (const Case& c : cases) EXPECT_EQ(SplitPath(c.path), c.folder) << c.path;
}

// A relative name with the system's separator in place of each "/".
std::string S(std::string rel) {
  for (char& c : rel)
    if (c == '/') c = static_cast<char>(fs::path::preferred_separator);
  return rel;
}

// The program and the system folders in a temporary tree.
struct Places {
  TempDir root;
  PlacesSeam os;
  std::string program = root.File(S("prog/"));
  std::string windows = root.File("windows");
  std::string appData = root.File("appdata");
  Places() {
    fs::create_directories(program);
    fs::create_directories(windows);
    fs::create_directories(appData);
    os.Program = program + "vell32.exe";
    os.Windows = windows;
    os.AppData = appData;
    os.Temp = root.File("temp");
  }
  std::string Own() const { return appData + S("/Zelmora/"); }
};

TEST(DataFolders, EverythingStaysInItsFirstPlaceWhileTheSystemAllowsIt) {
  Places p;
  TPaths paths = FormPaths(p.os);
  EXPECT_EQ(paths.ProgramDir, p.program);
  EXPECT_EQ(paths.DataDir, p.program);
  EXPECT_EQ(paths.TuningFile, p.program + S("vell.tun"));
  EXPECT_EQ(paths.UserDataDir, p.program + S("userdata/"));
  EXPECT_EQ(paths.PeopleFile, p.program + S("userdata/peoples.txt"));
  EXPECT_EQ(paths.FlashDir, p.program + S("userdata/flash/"));
  EXPECT_EQ(paths.SysTuningFile, p.windows + S("/vellsys.tun"));
  EXPECT_EQ(paths.SysTuningSource, paths.SysTuningFile);
  EXPECT_EQ(paths.UninstallBatch, "c:\\vellunin.bat");
  EXPECT_EQ(paths.UninstallBatchFallback, p.root.File("temp") + S("/vellunin.bat"));
  EXPECT_FALSE(fs::exists(p.Own()));  // nothing made where nothing is needed
}

TEST(DataFolders, AWindowsFolderThatRefusesSendsTheSystemSettingsToTheUsersFolder) {
  Places p;
  p.os.Refused.insert(p.windows + S("/"));
  test::WriteAll(p.windows + S("/vellsys.tun"), "old");
  TPaths paths = FormPaths(p.os);
  // Read the shared copy until the user's own exists, and save the user's.
  EXPECT_EQ(paths.SysTuningSource, p.windows + S("/vellsys.tun"));
  EXPECT_EQ(paths.SysTuningFile, p.Own() + S("vellsys.tun"));
  EXPECT_TRUE(fs::is_directory(p.Own()));
  EXPECT_EQ(paths.DataDir, p.program);

  test::WriteAll(p.Own() + S("vellsys.tun"), "mine");
  p.os.Refused.clear();  // once the user's copy exists it is the one used
  paths = FormPaths(p.os);
  EXPECT_EQ(paths.SysTuningSource, p.Own() + S("vellsys.tun"));
  EXPECT_EQ(paths.SysTuningFile, p.Own() + S("vellsys.tun"));
}

TEST(DataFolders, AProgramFolderThatRefusesMovesTheUsersDataAndCopiesItOnce) {
  Places p;
  fs::create_directories(p.program + S("userdata/flash"));
  fs::create_directories(p.program + S("sounds"));
  test::WriteAll(p.program + S("vell.tun"), "tun");
  test::WriteAll(p.program + S("userdata/peoples.txt"), "people");
  test::WriteAll(p.program + S("userdata/flash/note.txt"), "note");
  test::WriteAll(p.program + S("sounds/bell.wav"), "wav");
  p.os.Refused.insert(p.program);

  TPaths paths = FormPaths(p.os);
  EXPECT_EQ(paths.DataDir, p.Own());
  EXPECT_EQ(paths.TuningFile, p.Own() + S("vell.tun"));
  EXPECT_EQ(paths.WorkFile, p.Own() + S("userdata/vell.rwo"));
  EXPECT_EQ(paths.SoundsDir, p.Own() + S("sounds/"));
  EXPECT_EQ(paths.BatchsDir, p.Own() + S("batchs/"));
  // The program's own parts stay where they are.
  EXPECT_EQ(paths.HelpDir, p.program + S("help/"));
  EXPECT_EQ(paths.MelodysDir, p.program + S("melodys/"));
  EXPECT_EQ(paths.IconsLibDir, p.program + S("iconslib/"));
  EXPECT_EQ(paths.MusicLibrary, p.program + S("music.dll"));
  EXPECT_EQ(paths.IconLibrary, p.program + S("icons.dll"));

  EXPECT_EQ(test::ReadAll(p.Own() + S("vell.tun")), "tun");
  EXPECT_EQ(test::ReadAll(p.Own() + S("userdata/peoples.txt")), "people");
  EXPECT_EQ(test::ReadAll(p.Own() + S("userdata/flash/note.txt")), "note");
  EXPECT_EQ(test::ReadAll(p.Own() + S("sounds/bell.wav")), "wav");
  EXPECT_TRUE(fs::is_directory(p.Own() + S("batchs")));

  // Only the first use copies: what the user changed or deleted since stays so.
  test::WriteAll(p.Own() + S("userdata/peoples.txt"), "edited");
  fs::remove(p.Own() + S("sounds/bell.wav"));
  FormPaths(p.os);
  EXPECT_EQ(test::ReadAll(p.Own() + S("userdata/peoples.txt")), "edited");
  EXPECT_FALSE(fs::exists(p.Own() + S("sounds/bell.wav")));
}

TEST(DataFolders, WithoutAUserFolderTheFirstPlacesAreKept) {
  Places p;
  p.os.AppData.clear();
  p.os.Windows.clear();
  p.os.Refused.insert(p.program);
  TPaths paths = FormPaths(p.os);
  EXPECT_EQ(paths.DataDir, p.program);
  EXPECT_EQ(paths.SysTuningFile, p.program + S("vellsys.tun"));
}

TEST(DataFolders, TheRussianEditionMakesItsSevenFoldersAtEveryStart) {
  Places p;
  TPaths paths = FormPaths(p.os);
  CreateDataFolders(p.os, paths, Edition::Russian, false);
  for (const char* f : {"userdata", "sounds", "melodys", "batchs", "iconslib", "help",
                        "userdata/flash"})
    EXPECT_TRUE(fs::is_directory(p.program + f)) << f;
}

// The English edition makes its folders only for "SETUP", by bare names in
// the current folder, and has no flash folder.
TEST(DataFolders, TheEnglishEditionMakesSixFoldersInTheCurrentFolderOnlyForSetup) {
  Places p;
  TPaths paths = FormPaths(p.os);
  const fs::path here = p.root.File("current");
  fs::create_directories(here);
  const fs::path before = fs::current_path();
  fs::current_path(here);
  CreateDataFolders(p.os, paths, Edition::English, false);
  const bool madeWithoutSetup = !fs::is_empty(here);
  CreateDataFolders(p.os, paths, Edition::English, true);
  fs::current_path(before);

  EXPECT_FALSE(madeWithoutSetup);
  for (const char* f : {"userdata", "sounds", "melodys", "batchs", "iconslib", "help"})
    EXPECT_TRUE(fs::is_directory(here / f)) << f;
  EXPECT_FALSE(fs::exists(here / "userdata" / "flash"));
  EXPECT_FALSE(fs::exists(p.program + S("userdata")));
}

}  // namespace
}  // namespace zel
