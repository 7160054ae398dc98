// vellctl, the command-line companion: the event engine on a work file.
#pragma once

#include <string>
#include <vector>

namespace zel {

// Exit status: 0 success, 1 ran but not everything succeeded, 2 usage or file
// error. args excludes the program name; all texts are UTF-8.
int RunVellctl(const std::vector<std::string>& args);

}  // namespace zel
