#include <gtest/gtest.h>

#include "core/codepage.h"
#include "toolkit/text_utils.h"

namespace zel {
namespace {

TEST(TextUtils, TextToIntOrGrammar) {
  struct Case { const char* text; std::int32_t want; } cases[] = {
      {"12", 12},           {"  -7", -7},          {"+8", 8},
      {"$A", 10},           {"$ff", 255},          {"$FFFFFFFF", -1},
      {"$0000000012", 18},  {"2147483647", 2147483647}, {"-2147483648", INT32_MIN},
      {"12x", 99},          {"12 ", 99},           {"", 99},
      {" ", 99},            {"-", 99},             {"+$A", 99},
      {"$", 99},            {"$123456789", 99},    {"2147483648", 99},
      {"-2147483649", 99},  {"1 2", 99},           {"0x10", 99},
  };
  for (const Case& c : cases) EXPECT_EQ(TextToIntOr(c.text, 99), c.want) << c.text;
}

TEST(TextUtils, CaseFollowsTheEditionsPage) {
  const Edition ru = Edition::Russian;
  EXPECT_EQ(UpperText(ru, Utf8ToCp1251("абв ёж xyz")), Utf8ToCp1251("АБВ ЁЖ XYZ"));
  EXPECT_EQ(LowerText(ru, Utf8ToCp1251("АБВ Ё")), Utf8ToCp1251("абв ё"));
  EXPECT_EQ(UpperText(Edition::English, "\xE9t\xE9"), "\xC9T\xC9");
  EXPECT_TRUE(SameUpperText(ru, "abc", "ABC"));
  EXPECT_FALSE(SameUpperText(ru, "ABC", "abc"));
  EXPECT_TRUE(SameUpperText(ru, "", ""));
  EXPECT_FALSE(SameUpperText(ru, "ab", "ABC"));
}

TEST(TextUtils, FileNameCheck) {
  for (const char* bad : {"", "   ", "a+b", "a\"b", "x%", "?", "a/b", "a|b", "a\\b", "*",
                          "<", ">"})
    EXPECT_TRUE(IsBadFileName(bad)) << bad;
  for (const char* good : {"abc", " name ", "a.b-c_d"}) EXPECT_FALSE(IsBadFileName(good)) << good;
}

TEST(TextUtils, PathParts) {
  EXPECT_EQ(BareName("c:\\a\\b.c.txt"), "b.c");
  EXPECT_EQ(BareName("c:\\a\\b"), "b");
  EXPECT_EQ(BareName("name.wav"), "name");
  EXPECT_EQ(BareName("c:/x/y.txt"), "y");
  EXPECT_EQ(BareName(""), "");
  EXPECT_EQ(FolderOf("c:\\a\\b.txt"), "c:\\a\\");
  EXPECT_EQ(FolderOf("c:b.txt"), "c:");
  EXPECT_EQ(FolderOf("b.txt"), "");
  EXPECT_EQ(FileNameOf("c:\\a\\b.txt"), "b.txt");
  EXPECT_EQ(TrimText("\t a b \r\n"), "a b");
}

}  // namespace
}  // namespace zel
