// The seam's file services, on whichever platform the tests run (natively and
// under Wine).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/platform_seam.h"
#include "support/test_seam.h"
#include "toolkit/file_utils.h"

namespace zel {
namespace {

TEST(FileUtils, PresenceStampsAndFolders) {
  test::TempDir dir;
  test::TestSeam os;
  const std::string file = dir.File("a.wav"), folder = dir.File("sub");
  test::WriteAll(file, "x");
  EXPECT_TRUE(IsFilePresent(os, file));
  EXPECT_NE(FileStamp(os, file), -1);
  EXPECT_TRUE(MakeFolder(os, folder));
  EXPECT_FALSE(MakeFolder(os, folder));  // already there
  EXPECT_FALSE(IsFilePresent(os, folder));
  EXPECT_EQ(FileStamp(os, dir.File("none")), -1);
  EXPECT_NE(SetAttributes(os, dir.File("none"), kAttrNormal), 0);
}

TEST(FileUtils, SearchSkipsFoldersAndMatchesTheMask) {
  test::TempDir dir;
  test::TestSeam os;
  for (const char* name : {"one.wav", "TWO.WAV", "three.txt"}) test::WriteAll(dir.File(name), "x");
  std::filesystem::create_directory(dir.File("four.wav"));
  TSearchRec rec;
  std::vector<std::string> found;
  for (int rc = StartSearch(os, dir.File("*.wav"), kAttrArchive, rec); rc == 0; rc = NextMatch(rec))
    found.push_back(rec.Name);
  EndSearch(rec);
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found, (std::vector<std::string>{"TWO.WAV", "one.wav"}));
  EXPECT_EQ(StartSearch(os, dir.File("*.mid"), 0, rec), kNoMoreFiles);
}

TEST(FileUtils, MaskMatching) {
  EXPECT_TRUE(MaskMatches("*.wav", "Ring.WAV"));
  EXPECT_TRUE(MaskMatches("r?ng*", "ring.wav"));
  EXPECT_FALSE(MaskMatches("*.wav", "ring.wave"));
  EXPECT_TRUE(MaskMatches("*", ""));
  EXPECT_FALSE(MaskMatches("?", ""));
}

}  // namespace
}  // namespace zel
