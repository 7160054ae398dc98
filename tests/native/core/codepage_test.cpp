#include <gtest/gtest.h>

#include "core/codepage.h"
#include "core/texts.h"

namespace zel {
namespace {

TEST(CodePage, EveryByteRoundTripsThroughUnicode) {
  for (Edition e : {Edition::Russian, Edition::English}) {
    for (int b = 0; b < 256; ++b) {
      std::string one(1, static_cast<char>(b));
      EXPECT_EQ(FromUtf16(e, ToUtf16(e, one)), one) << b;
      EXPECT_EQ(FromUtf8(e, ToUtf8(e, one)), one) << b;
    }
  }
}

TEST(CodePage, KnownLetters) {
  EXPECT_EQ(Utf8ToCp1251("Ёё Яя"), "\xA8\xB8 \xDF\xFF");
  EXPECT_EQ(Cp1251ToUtf8("\xC0\xE0\xB9"), "Аа№");
  EXPECT_EQ(Utf8ToCp1252("é€"), "\xE9\x80");
  EXPECT_EQ(Utf8ToCp1251("é"), "?");  // not in the page
}

TEST(CodePage, MalformedUtf8BecomesReplacementCharacter) {
  EXPECT_EQ(Utf8ToUtf16("a\xC3"), u"a\uFFFD");
  EXPECT_EQ(Utf8ToUtf16("\xE0\x80\x80"), u"\uFFFD\uFFFD\uFFFD");  // overlong
  EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16("\xF0\x9F\x98\x80")), "\xF0\x9F\x98\x80");
}

TEST(TextTable, RussianTextsAreWindows1251Bytes) {
  const Texts& ru = TextsOf(Edition::Russian);
  EXPECT_EQ(ru.MonthNames[2], "\xCC\xE0\xF0\xF2");  // "Март"
  EXPECT_EQ(ru.OutdatedQuestion, Utf8ToCp1251("Устаревшие дата\\время\nВсё равно продолжить ?"));
  EXPECT_EQ(ru.AppCaption, "Zelmora");
}

TEST(TextTable, EnglishEditionLacksSomeEntries) {
  const Texts& en = TextsOf(Edition::English);
  EXPECT_EQ(en.AmPmMarks[0], "a");
  EXPECT_TRUE(en.FlashAccumulateText.empty());
  EXPECT_TRUE(en.DefaultClockFormat.empty());
  EXPECT_EQ(en.ActionNames[4], "Run *.BAT " + Utf8ToCp1251("файл"));
  EXPECT_EQ(en.HotkeyCommandNames[9], "Options");
  EXPECT_TRUE(en.HotkeyCommandNames[10].empty());
}

TEST(TextTable, NameOrNumberNeverIndexesPastTheTable) {
  const Texts& en = TextsOf(Edition::English);
  EXPECT_EQ(NameOrNumber(en.PeriodNames, 10), "Period hours");
  EXPECT_EQ(NameOrNumber(en.PeriodNames, 11), "11");
  EXPECT_EQ(NameOrNumber(en.PeriodNames, -1), "-1");
}

}  // namespace
}  // namespace zel
