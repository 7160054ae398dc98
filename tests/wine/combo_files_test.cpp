#include "toolkit/combo_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <vector>

#include "support/wine_paths.h"
#include "toolkit/control_helpers.h"
#include "toolkit/win_text.h"

namespace zel {
namespace {

class ComboFilesTest : public testing::Test {
 protected:
  void SetUp() override {
    folder = test::FreshTempFolder("combo");
    host = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                           nullptr, nullptr);
    combo = CreateComboBox(host, nullptr, 200, false, false, false, false, false, true, 90, 80, 0,
                           0, L"");
  }
  void TearDown() override { DestroyWindow(host); }

  void Fill(const std::vector<std::wstring>& items) {
    ComboClear(combo);
    for (const auto& item : items) ComboAdd(combo, item);
  }
  std::vector<std::wstring> Items() {
    std::vector<std::wstring> items;
    for (int i = 0; i < ComboCount(combo); ++i) items.push_back(ComboItemText(combo, i));
    return items;
  }
  std::string Bytes(const std::string& path) {
    std::ifstream in(WideFromUtf8(path).c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  void Write(const std::string& path, const std::string& bytes) {
    std::ofstream(WideFromUtf8(path).c_str(), std::ios::binary) << bytes;
  }
  bool Exists(const std::string& path) {
    return GetFileAttributesW(WideFromUtf8(path).c_str()) != INVALID_FILE_ATTRIBUTES;
  }

  std::string folder;
  HWND host = nullptr, combo = nullptr;
};

TEST_F(ComboFilesTest, SaveWritesTheItemsPaddedOrNot) {
  struct Case {
    std::vector<std::wstring> items;
    int count;
    bool pad;
    const char* bytes;
  } cases[] = {
      {{L"a", L"b", L"c"}, 0, false, "a\r\nb\r\nc"},  // all items, the last without a line end
      {{L"a", L"b", L"c"}, 2, false, "a\r\nb"},
      {{L"a", L"b"}, 4, true, "a\r\nb\r\n\r\n"},     // padded with empty lines up to the count
      {{L"a", L"b"}, 4, false, "a\r\nb\r\n"},        // stops after the items
      {{}, 3, true, "\r\n\r\n"},
  };
  int n = 0;
  for (const auto& c : cases) {
    const std::string path = folder + "save" + std::to_string(n++) + ".txt";
    Fill(c.items);
    EXPECT_FALSE(SaveComboItems(combo, path, c.count, c.pad, true, Edition::English));
    EXPECT_EQ(Bytes(path), c.bytes) << n;
  }
}

TEST_F(ComboFilesTest, SaveLeavesFilesAloneWhenAskedOrWhenThereIsNothing) {
  const std::string kept = folder + "kept.txt";
  Write(kept, "old");
  Fill({L"new"});
  EXPECT_FALSE(SaveComboItems(combo, kept, 0, false, false, Edition::English));
  EXPECT_EQ(Bytes(kept), "old");
  SetFileAttributesW(WideFromUtf8(kept).c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_FALSE(SaveComboItems(combo, kept, 0, false, true, Edition::English));
  EXPECT_EQ(Bytes(kept), "new");  // read-only was cleared first

  Fill({});
  const std::string none = folder + "none.txt";
  EXPECT_FALSE(SaveComboItems(combo, none, 0, false, true, Edition::English));
  EXPECT_FALSE(Exists(none));
  EXPECT_TRUE(SaveComboItems(combo, folder + "no\\such\\folder.txt", 2, true, true,
                             Edition::English));
}

TEST_F(ComboFilesTest, LoadReadsLinesWithOrWithoutAFixedCount) {
  const std::string path = folder + "load.txt";
  Write(path, "one\r\ntwo\r\nthree\r\n");
  struct Case {
    int count;
    bool fixed;
    std::vector<std::wstring> want;
  } cases[] = {
      {5, true, {L"one", L"two", L"three", L"", L""}},  // a short file is filled up
      {2, true, {L"one", L"two"}},
      {0, false, {L"one", L"two", L"three"}},
      {2, false, {L"one", L"two"}},
      {9, false, {L"one", L"two", L"three"}},
  };
  for (const auto& c : cases) {
    Fill({L"stale"});
    EXPECT_FALSE(LoadComboItems(combo, path, c.count, c.fixed, Edition::English));
    EXPECT_EQ(Items(), c.want) << c.count << c.fixed;
  }
  Fill({L"stale"});
  EXPECT_TRUE(LoadComboItems(combo, folder + "missing.txt", 3, true, Edition::English));
  EXPECT_EQ(ComboCount(combo), 0);
}

TEST_F(ComboFilesTest, TextsTravelInTheEditionsCodePage) {
  const std::string path = folder + "cyrillic.txt";
  Fill({L"Привет", L"мир"});
  EXPECT_FALSE(SaveComboItems(combo, path, 0, false, true, Edition::Russian));
  EXPECT_EQ(Bytes(path), "\xCF\xF0\xE8\xE2\xE5\xF2\r\n\xEC\xE8\xF0");
  EXPECT_FALSE(LoadComboItems(combo, path, 0, false, Edition::Russian));
  EXPECT_EQ(Items(), (std::vector<std::wstring>{L"Привет", L"мир"}));
}

TEST_F(ComboFilesTest, ListFolderFilesShowsUpperCaseBareNamesOfPlainFiles) {
  HWND list = CreateListBox(host, nullptr, false, false, false, false, false, false, false, 90, 80,
                            0, 0, L"");
  for (const char* name : {"alpha.wav", "Beta.Long.wav", "hidden.wav", "other.txt"})
    Write(folder + name, "x");
  SetFileAttributesW(WideFromUtf8(folder + "hidden.wav").c_str(), FILE_ATTRIBUTE_HIDDEN);
  CreateDirectoryW(WideFromUtf8(folder + "folder.wav").c_str(), nullptr);
  ListAdd(list, L"stale");

  ListFolderFiles(list, folder, "*.wav", false);
  std::vector<std::wstring> names;
  for (int i = 0; i < ListCount(list); ++i) names.push_back(ListItemText(list, i));
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::wstring>{L"ALPHA", L"BETA.LONG"}));

  ListFolderFiles(list, folder, "*.wav", true);
  ASSERT_EQ(ListCount(list), 2);
  for (int i = 0; i < 2; ++i) {
    const std::wstring name = ListItemText(list, i);
    EXPECT_LE(name.size(), 8u) << i;
    EXPECT_EQ(name.find(L'.'), std::wstring::npos) << i;
  }
}

}  // namespace
}  // namespace zel
