// Full names of the program's folders and data files (UTF-8). Every folder
// name ends in a separator; subfolders take the separator of their parent.
#pragma once

#include <string>

namespace zel {

struct TPaths {
  std::string ProgramDir;   // ends in a backslash (or slash)
  std::string UserDataDir;  // DataDir + "userdata\"
  std::string WorkFile;     // UserDataDir + "vell.rwo"
  std::string ClockFormatFile;  // UserDataDir + "format_clock_panel.txt"

  std::string ModulePath;  // the program file itself
  std::string WindowsDir;  // empty where the system has none
  // Where the user's own data lives: ProgramDir, or the "Zelmora" folder in
  // the user's application data when the program folder may not be written.
  std::string DataDir;
  std::string AppDataDir;  // that "Zelmora" folder (empty when unknown)

  std::string TuningFile;       // DataDir + "vell.tun"
  std::string SysTuningFile;    // where vellsys.tun is saved
  std::string SysTuningSource;  // where it is read (SysTuningFile unless moving)

  // Data folders of the user (under DataDir).
  std::string SoundsDir, BatchsDir, FlashDir;
  // The program's own read-only parts (under ProgramDir).
  std::string MelodysDir, IconsLibDir, HelpDir, MusicLibrary, IconLibrary;

  // Files in UserDataDir.
  std::string MessageHistoryFile;  // vell.sav
  std::string FlashFile, FlashTempFile, FlashHistoryFile, FlashDividerFile;
  std::string PeopleFile, OrgFile, PeopleBackup, OrgBackup;

  // The uninstall batch: the first place, and the user's temporary folder
  // when the system refuses the first.
  std::string UninstallBatch, UninstallBatchFallback;
};

// Where the parts live; MakePaths forms every name from these.
struct DataPlaces {
  std::string ModulePath;
  std::string ProgramDir;
  std::string DataDir;
  std::string AppDataDir;
  std::string WindowsDir;
  std::string SysTuningFile, SysTuningSource;
  std::string TempDir;
};

// Everything beside the program folder (which ends in a separator),
// vellsys.tun included.
TPaths MakePaths(const std::string& programDir);
TPaths MakePaths(const DataPlaces& places);

// dir + name + the separator dir ends in.
std::string SubFolder(const std::string& dir, const std::string& name);

}  // namespace zel
