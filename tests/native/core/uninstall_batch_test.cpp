#include <gtest/gtest.h>

#include <filesystem>

#include "core/app_core.h"
#include "core/codepage.h"
#include "core/uninstall_batch.h"
#include "native/core/places_seam.h"

namespace zel {
namespace {

namespace fs = std::filesystem;

// Paths of an installation in `programDir` (Windows names), data beside it.
TPaths InstallPaths(const std::string& programDir, const std::string& exe = "ORG.EXE") {
  DataPlaces d;
  d.ModulePath = programDir + exe;
  d.ProgramDir = d.DataDir = programDir;
  d.WindowsDir = "C:\\WINDOWS\\";
  d.SysTuningFile = d.SysTuningSource = "C:\\WINDOWS\\vellsys.tun";
  return MakePaths(d);
}

std::string Batch(const UninstallChoices& c, const TPaths& p, int page = 437) {
  BatchText b = BuildUninstallBatch(c, p, "c:\\vellunin.bat", page);
  EXPECT_TRUE(b.Text) << b.BadPath;
  return b.Text.value_or("");
}

UninstallChoices Everything() { return {true, true, true, true, true, true, true}; }

// The whole installation: the program's own files by name, the folders in
// their order, a bounded retry for the program file, the folder itself only
// when empty, and the batch's self-deletion without a final line end.
TEST(UninstallBatch, EverythingChosenDeletesEachPartByNameAndTheFolderWhenEmpty) {
  EXPECT_EQ(Batch(Everything(), InstallPaths("C:\\ORG\\")),
            "del \"C:\\ORG\\vell.tun\"\r\n"
            "del \"C:\\WINDOWS\\vellsys.tun\"\r\n"
            "rmdir /s /q \"C:\\ORG\\help\"\r\n"
            "rmdir /s /q \"C:\\ORG\\userdata\"\r\n"
            "rmdir /s /q \"C:\\ORG\\sounds\"\r\n"
            "rmdir /s /q \"C:\\ORG\\melodys\"\r\n"
            "rmdir /s /q \"C:\\ORG\\iconslib\"\r\n"
            "rmdir /s /q \"C:\\ORG\\batchs\"\r\n"
            "del \"C:\\ORG\\music.dll\"\r\n"
            "del \"C:\\ORG\\icons.dll\"\r\n"
            "del \"C:\\ORG\\deltree.exe\"\r\n"
            "set /a zeltries=0\r\n"
            ":try\r\n"
            "del \"C:\\ORG\\ORG.EXE\"\r\n"
            "if not exist \"C:\\ORG\\ORG.EXE\" goto gone\r\n"
            "set /a zeltries+=1\r\n"
            "if %zeltries% geq 30 goto gone\r\n"
            "ping -n 2 127.0.0.1 > nul\r\n"
            "goto try\r\n"
            ":gone\r\n"
            "rmdir \"C:\\ORG\"\r\n"
            "cls\r\n"
            "@del \"c:\\vellunin.bat\" > nul");
}

TEST(UninstallBatch, OnlySoundFilesGiveOneFolderLineClsAndTheSelfDeletion) {
  UninstallChoices c;
  c.Sounds = true;
  EXPECT_EQ(Batch(c, InstallPaths("C:\\ORG\\")),
            "rmdir /s /q \"C:\\ORG\\sounds\"\r\ncls\r\n@del \"c:\\vellunin.bat\" > nul");
}

TEST(UninstallBatch, ProgramAndHelpKeepTheSettingsLinesBeforeTheHelpFolder) {
  UninstallChoices c;
  c.Program = c.Help = true;
  const std::string b = Batch(c, InstallPaths("C:\\ORG\\"));
  EXPECT_EQ(b.rfind("del \"C:\\ORG\\vell.tun\"\r\ndel \"C:\\WINDOWS\\vellsys.tun\"\r\n"
                    "rmdir /s /q \"C:\\ORG\\help\"\r\ndel \"C:\\ORG\\music.dll\"",
                    0),
            0u)
      << b;
  EXPECT_EQ(b.find("rmdir \"C:\\ORG\""), std::string::npos);  // the folder stays
}

// Inside double quotes the command interpreter takes & ^ ! literally (it
// runs without delayed expansion); % would still expand and is doubled.
TEST(UninstallBatch, CharactersSpecialToBatchFilesStayPartOfTheQuotedPath) {
  UninstallChoices c;
  c.Help = true;
  EXPECT_EQ(Batch(c, InstallPaths("C:\\A&B %PATH% ^C!\\")),
            "rmdir /s /q \"C:\\A&B %%PATH%% ^C!\\help\"\r\ncls\r\n@del \"c:\\vellunin.bat\" > nul");
}

TEST(UninstallBatch, PathsAreWrittenInTheOemPageOrNotAtAll) {
  UninstallChoices c;
  c.Program = true;
  const TPaths russian = InstallPaths("C:\\Программы\\");
  const std::string b = Batch(c, russian, 866);
  EXPECT_NE(b.find("del \"C:\\\x8F\xE0\xAE\xA3\xE0\xA0\xAC\xAC\xEB\\vell.tun\""),
            std::string::npos);
  EXPECT_NE(Batch(c, InstallPaths("C:\\Café\\"), 437).find("\"C:\\Caf\x82\\ORG.EXE\""),
            std::string::npos);
  // A character the page lacks would become a wildcard: no batch.
  for (auto [path, page] : {std::pair<const char*, int>{"C:\\Café\\", 866},
                            {"C:\\Программы\\", 437}, {"C:\\日本\\", 932}}) {
    BatchText bad = BuildUninstallBatch(c, InstallPaths(path), "c:\\vellunin.bat", page);
    EXPECT_FALSE(bad.Text) << path;
    EXPECT_EQ(bad.BadPath, std::string(path) + "vell.tun");
  }
}

struct UninstallFixture {
  explicit UninstallFixture(Edition e = Edition::Russian) : app(e, os) {
    app.Paths = InstallPaths(dir.Path());
    app.Paths.UninstallBatch = dir.File("root/vellunin.bat");
    app.Paths.UninstallBatchFallback = dir.File("temp/vellunin.bat");
    fs::create_directories(dir.File("root"));
    fs::create_directories(dir.File("temp"));
    fs::create_directories(app.Paths.UserDataDir);
  }
  test::TempDir dir;
  test::PlacesSeam os;
  AppCore app;
};

TEST(Uninstall, NothingChosenDoesNothing) {
  UninstallFixture f;
  UninstallOutcome o = Uninstall(f.app, {}, 7);
  EXPECT_FALSE(o.Started || o.EndProgram || o.CloseSettings || o.SavedWork);
  EXPECT_TRUE(f.os.Started.empty());
  EXPECT_FALSE(test::Exists(f.app.Paths.UninstallBatch));
}

TEST(Uninstall, KeepingTheUserDataSavesTheTableAndTheProgramEnds) {
  UninstallFixture f;
  UninstallChoices c;
  c.Program = true;
  UninstallOutcome o = Uninstall(f.app, c, 7);
  EXPECT_TRUE(o.SavedWork);
  EXPECT_EQ(test::ReadAll(f.app.Paths.WorkFile).size(), sizeof(TWorkRecord));
  EXPECT_TRUE(o.Started && o.EndProgram && o.SwitchAutostartOff);
  EXPECT_FALSE(o.CloseSettings);
  ASSERT_EQ(f.os.Started, std::vector<std::string>{f.app.Paths.UninstallBatch});
  const std::string text = test::ReadAll(f.app.Paths.UninstallBatch);
  EXPECT_NE(text.find(":try\r\n"), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 5), "> nul");
}

TEST(Uninstall, WithoutTheProgramTheProgramGoesOnAndTheSettingsWindowCloses) {
  UninstallFixture f;
  UninstallChoices c;
  c.Sounds = c.UserData = true;
  UninstallOutcome o = Uninstall(f.app, c, 7);
  EXPECT_FALSE(o.SavedWork || o.EndProgram || o.SwitchAutostartOff);
  EXPECT_TRUE(o.Started && o.CloseSettings);
  EXPECT_FALSE(test::Exists(f.app.Paths.WorkFile));
  EXPECT_EQ(test::ReadAll(f.app.Paths.UninstallBatch).find("rmdir /s /q"), 0u);
}

TEST(Uninstall, ARefusedFirstPlaceMovesTheBatchToTheTemporaryFolder) {
  UninstallFixture f;
  fs::remove_all(f.dir.File("root"));  // the system refuses the first place
  UninstallOutcome o = Uninstall(f.app, Everything(), 7);
  EXPECT_TRUE(o.Started && o.EndProgram);
  ASSERT_EQ(f.os.Started, std::vector<std::string>{f.app.Paths.UninstallBatchFallback});
  const std::string text = test::ReadAll(f.app.Paths.UninstallBatchFallback);
  const std::string last = "@del \"" + f.app.Paths.UninstallBatchFallback + "\" > nul";
  EXPECT_EQ(text.substr(text.size() - last.size()), last);  // it deletes itself there
  EXPECT_EQ(f.os.Beeps, 0);
}

TEST(Uninstall, ABatchThatCannotBeWrittenAnywhereBeepsAndTheProgramGoesOn) {
  UninstallFixture f;
  fs::remove_all(f.dir.File("root"));
  fs::remove_all(f.dir.File("temp"));
  UninstallOutcome o = Uninstall(f.app, Everything(), 7);
  EXPECT_EQ(f.os.Beeps, 1);
  EXPECT_TRUE(f.os.Started.empty());
  EXPECT_FALSE(o.Started || o.EndProgram);
  EXPECT_TRUE(f.os.Boxes.empty());
}

TEST(Uninstall, APathTheOemPageLacksWritesNoBatchAndTellsTheUser) {
  for (Edition ed : {Edition::Russian, Edition::English}) {
    UninstallFixture f(ed);
    f.os.OemPage = 437;
    f.app.Paths.ModulePath = f.dir.File("Ж.exe");
    UninstallChoices c;
    c.Program = c.UserData = true;
    UninstallOutcome o = Uninstall(f.app, c, 7);
    EXPECT_FALSE(o.Started || o.EndProgram);
    EXPECT_TRUE(f.os.Started.empty());
    EXPECT_FALSE(test::Exists(f.app.Paths.UninstallBatch));
    EXPECT_EQ(f.os.Beeps, 0);
    ASSERT_EQ(f.os.Boxes.size(), 1u);
    EXPECT_NE(ToUtf8(ed, f.os.Boxes[0].Text).find(f.dir.Path()), std::string::npos);
    EXPECT_EQ(f.os.Boxes[0].Flags, kMbIconError);
  }
}

#ifdef _WIN32
// The command interpreter itself runs a batch for a folder whose name holds
// & % ^ and !: exactly the chosen folder goes.
TEST(Uninstall, TheCommandInterpreterDeletesExactlyTheChosenFolder) {
  test::TempDir dir;
  const std::string program = dir.File("a&b %PATH% ^c!\\");
  fs::create_directories(program + "help");
  fs::create_directories(program + "sounds");
  fs::create_directories(dir.File("a"));
  test::WriteAll(program + "help\\page.htm", "x");
  test::WriteAll(program + "sounds\\bell.wav", "x");
  UninstallChoices c;
  c.Help = true;
  const std::string batch = dir.File("vellunin.bat");
  BatchText b = BuildUninstallBatch(c, InstallPaths(program), batch, 437);
  ASSERT_TRUE(b.Text) << b.BadPath;
  test::WriteAll(batch, *b.Text);
  ASSERT_EQ(std::system(("cmd /d /v:off /c \"\"" + batch + "\"\" > nul 2>&1").c_str()), 0);
  EXPECT_FALSE(fs::exists(program + "help"));
  EXPECT_TRUE(fs::exists(program + "sounds\\bell.wav"));
  EXPECT_TRUE(fs::exists(dir.File("a")));
  EXPECT_FALSE(fs::exists(batch));
}
#endif

}  // namespace
}  // namespace zel
