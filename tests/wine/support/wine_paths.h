// Paths of the build tree as the Windows side sees them (Wine maps the Unix
// root to drive Z:), in UTF-8 as the program's paths are.
#pragma once

#include <string>

namespace zel::test {

inline std::string WindowsPath(std::string unixPath) {
  for (char& c : unixPath)
    if (c == '/') c = '\\';
  return "Z:" + unixPath;
}

// A fresh empty folder under the system's temporary folder, ending in "\".
std::string FreshTempFolder(const char* name);

}  // namespace zel::test
