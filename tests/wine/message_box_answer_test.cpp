#include "support/message_box_answer.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

TEST(MessageBoxAnswer, FindsTheBoxReadsItAndPressesTheChosenButton) {
  struct Case {
    UINT style;
    int button;
  } cases[] = {{MB_YESNO | MB_ICONQUESTION, IDNO},
               {MB_YESNO | MB_ICONQUESTION, IDYES},
               {MB_OK | MB_ICONERROR, IDOK}};
  for (const auto& c : cases) {
    test::MessageBoxAnswer answer(L"Zelmora", c.button);
    EXPECT_EQ(MessageBoxW(nullptr, L"Really exit ?", L"Zelmora", c.style), c.button);
    const test::SeenBox box = answer.Result();
    ASSERT_TRUE(box.Found);
    EXPECT_EQ(box.Text, L"Really exit ?");
    EXPECT_EQ(box.Icon, test::SystemIconFor(c.style));
  }
}

}  // namespace
}  // namespace zel
