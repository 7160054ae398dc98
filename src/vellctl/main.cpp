#include <cstdio>
#include <string>
#include <vector>

#include "vellctl/commands.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include "toolkit/win_text.h"

// Wide arguments, so that UTF-8 texts survive any system code page; standard
// output in binary mode, so that lines end exactly as written.
int wmain(int argc, wchar_t** argv) {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(zel::Utf8FromWide(argv[i]));
  return zel::RunVellctl(args);
}
#else
int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return zel::RunVellctl(args);
}
#endif
