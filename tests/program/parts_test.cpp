// Parts of the program tested in this process, against the Russian
// edition's program library.
#include <gtest/gtest.h>

#include "alarm/event_file_name.h"
#include "core/win_app.h"
#include "setup/help_window.h"

namespace zel {
namespace {

TEST(MenuSwitches, CheckMarksFollowTheirFlagsAndActionsOffAlsoMutes) {
  TApp& app = App();
  app.Instance = GetModuleHandleW(nullptr);
  BuildPopupMenu();
  ASSERT_EQ(GetMenuItemCount(app.PopupMenu), kMenuItems);
  auto checked = [&](UINT id) { return (GetMenuState(app.PopupMenu, id, MF_BYCOMMAND) & MF_CHECKED) != 0; };
  // Three columns of four: items 5 and 9 start a column.
  for (UINT position : {4u, 8u})
    EXPECT_NE(GetMenuState(app.PopupMenu, position, MF_BYPOSITION) & MF_MENUBARBREAK, 0u);

  SetActionsOff(true);
  EXPECT_TRUE(checked(101));
  EXPECT_TRUE(checked(100));
  EXPECT_NE(app.Core.Tuning.SoundsOff, 0);
  SetActionsOff(false);
  EXPECT_FALSE(checked(101));
  EXPECT_FALSE(checked(100));
  SetSoundsOff(true);
  EXPECT_TRUE(checked(100));
  EXPECT_FALSE(checked(101));
  SetPositionLocked(true);
  EXPECT_TRUE(checked(109));
  EXPECT_NE(app.Core.SysTuning.PositionLocked, 0);
  SetPositionLocked(false);
  EXPECT_FALSE(checked(109));
}

TEST(EventFileNames, OnlyPlainNamesArePlayedOrRun) {
  const struct {
    const char* name;
    bool safe;
  } cases[] = {{"alarm", true}, {"", true},           {"a.b", true},    {"..", false},
               {"..\\x", false}, {"a/b", false},      {"c:evil", false}, {"x\\y", false},
               {"a..b", false}};
  for (const auto& c : cases) EXPECT_EQ(SafeEventFileName(c.name), c.safe) << c.name;
}

TEST(HelpFiles, TitlesAndTopicTextsSkipEmptyLinesAndJoinRepeatedTitles) {
  const std::vector<std::string> lines = {"before",   "=Start", "Line one", "", "Line two",
                                          "=Next",    "Other",  "=Start",  "More", "="};
  EXPECT_EQ(HelpTitles(lines), (std::vector<std::string>{"Start", "Next", "Start", "="}));
  EXPECT_EQ(HelpTopicText(lines, "Start"), "Line one\r\nLine two\r\nMore\r\n");
  EXPECT_EQ(HelpTopicText(lines, "Next"), "Other\r\n");
  EXPECT_EQ(HelpTopicText(lines, "Missing"), "");
}

}  // namespace
}  // namespace zel
