// Full names of the program's folders and data files (UTF-8).
#pragma once

#include <string>

namespace zel {

struct TPaths {
  std::string ProgramDir;   // ends in a backslash (or slash)
  std::string UserDataDir;  // ProgramDir + "userdata\"
  std::string WorkFile;     // UserDataDir + "vell.rwo"
  std::string ClockFormatFile;  // UserDataDir + "format_clock_panel.txt"
};

// Fills the names from the program folder (which ends in a separator); the
// separator of the folder is used for the subfolders too.
TPaths MakePaths(const std::string& programDir);

}  // namespace zel
