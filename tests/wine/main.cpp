// The Win32 tests. Run with --zel-child=<scenario> the executable plays a
// scenario that ends its own process, for a test that watches it from outside.
#include <gtest/gtest.h>

#include <cstring>

#include "child_scenarios.h"

int main(int argc, char** argv) {
  const char kChild[] = "--zel-child=";
  for (int i = 1; i < argc; ++i)
    if (std::strncmp(argv[i], kChild, sizeof kChild - 1) == 0)
      return zel::test::RunChildScenario(argv[i] + sizeof kChild - 1);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
