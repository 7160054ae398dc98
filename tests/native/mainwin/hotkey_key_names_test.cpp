#include <gtest/gtest.h>

#include "core/codepage.h"
#include "mainwin/hotkey_entries.h"

namespace zel {
namespace {

TEST(KeyNames, EveryCodeHasTheNameTheKeyListShowsAtItsPosition) {
  struct Case {
    int code;
    const char* name;
  } cases[] = {
      {0, "0"},        {1, "mouse lbutton"}, {5, "5"},          {13, "return"},
      {32, "space"},   {47, "help"},         {48, "0"},         {57, "9"},
      {58, "58"},      {65, "A"},            {90, "Z"},         {91, "lwin"},
      {94, "94"},      {96, "numpad0"},      {105, "numpad9"},  {111, "divide"},
      {112, "f1"},     {135, "f24"},         {136, "136"},      {157, "157"},
      {158, "158"},    {165, "rmenu"},       {166, "166"},      {192, "~"},
      {193, "193"},    {229, "processkey"},  {230, "230"},      {246, "attn"},
      {254, "oem_clear"}, {255, "255"},
  };
  for (const Case& c : cases) EXPECT_EQ(KeyName(c.code), c.name) << c.code;
  for (int code = 0; code < 256; ++code) EXPECT_FALSE(KeyName(code).empty()) << code;
}

TEST(HotkeyEntries, TheTenCommandsAreNamedInBothEditionsAndTheRestAreEmpty) {
  EXPECT_EQ(Cp1251ToUtf8(HotkeyCommandName(Edition::Russian, kHotkeyFlash)), "Молния");
  EXPECT_EQ(HotkeyCommandName(Edition::English, kHotkeyFlash), "Flash");
  EXPECT_EQ(HotkeyCommandName(Edition::English, kHotkeyEditorAll), "Editor - all actions");
  EXPECT_EQ(Cp1251ToUtf8(HotkeyCommandName(Edition::Russian, kHotkeySettings)), "Настройки");
  for (int id = kHotkeyCommands; id < kHotkeyEntries; ++id) {
    EXPECT_TRUE(HotkeyCommandName(Edition::Russian, id).empty());
    EXPECT_TRUE(HotkeyCommandName(Edition::English, id).empty());
  }
  EXPECT_TRUE(HotkeyCommandName(Edition::English, 31).empty());
}

TEST(HotkeyEntries, CtrlAltF1GivesModifiersThreeAndADefaultEntryIsSpaceAlone) {
  THotkeyEntry e = DefaultHotkeyEntry(5);
  EXPECT_EQ(e.Enabled, 0);
  EXPECT_EQ(e.KeyCode, 32);
  EXPECT_EQ(HotkeyModifiers(e), 0u);
  EXPECT_EQ(int(e.Index), 5);
  e = {255, 112, 255, 0, 255, 5};
  EXPECT_EQ(HotkeyModifiers(e), 3u);
  e.Shift = 1;  // any nonzero byte is true
  EXPECT_EQ(HotkeyModifiers(e), 7u);
}

}  // namespace
}  // namespace zel
