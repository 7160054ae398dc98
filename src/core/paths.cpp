#include "core/paths.h"

namespace zel {

TPaths MakePaths(const std::string& programDir) {
  TPaths p;
  p.ProgramDir = programDir;
  const char sep = !programDir.empty() && programDir.back() == '/' ? '/' : '\\';
  p.UserDataDir = programDir + "userdata" + sep;
  p.WorkFile = p.UserDataDir + "vell.rwo";
  p.ClockFormatFile = p.UserDataDir + "format_clock_panel.txt";
  return p;
}

}  // namespace zel
