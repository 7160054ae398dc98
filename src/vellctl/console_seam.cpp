#include "vellctl/console_seam.h"

#include <cstdio>

#include "core/codepage.h"

namespace zel {

int ConsoleSeam::ShowMessage(WindowRef, const std::string& text, const std::string& caption,
                            unsigned flags) {
  std::string msg = ToUtf8(edition_, text);
  for (char& c : msg)
    if (c == '\n' || c == '\r') c = ' ';
  std::fprintf(stderr, "%s: %s\n", ToUtf8(edition_, caption).c_str(), msg.c_str());
  return (flags & kMbYesNo) ? kIdYes : kIdOk;
}

}  // namespace zel
