#pragma once

#include <string>

namespace zel::test {

// The scenarios run in a child process; the answer is its exit code.
int RunChildScenario(const std::string& name);
// Runs this executable with --zel-child=<name>; answers its exit code, or -1.
int RunChild(const std::string& name, unsigned timeoutMs = 20000);

}  // namespace zel::test
