#include "core/paths.h"

namespace zel {

std::string SubFolder(const std::string& dir, const std::string& name) {
  const char sep = !dir.empty() && dir.back() == '/' ? '/' : '\\';
  return dir + name + sep;
}

TPaths MakePaths(const std::string& programDir) {
  DataPlaces d;
  d.ProgramDir = programDir;
  d.DataDir = programDir;
  d.SysTuningFile = d.SysTuningSource = programDir + "vellsys.tun";
  return MakePaths(d);
}

TPaths MakePaths(const DataPlaces& d) {
  TPaths p;
  p.ModulePath = d.ModulePath;
  p.ProgramDir = d.ProgramDir;
  p.WindowsDir = d.WindowsDir;
  p.DataDir = d.DataDir;
  p.AppDataDir = d.AppDataDir;

  p.TuningFile = d.DataDir + "vell.tun";
  p.SysTuningFile = d.SysTuningFile;
  p.SysTuningSource = d.SysTuningSource;

  p.UserDataDir = SubFolder(d.DataDir, "userdata");
  p.SoundsDir = SubFolder(d.DataDir, "sounds");
  p.BatchsDir = SubFolder(d.DataDir, "batchs");
  p.FlashDir = SubFolder(p.UserDataDir, "flash");

  p.MelodysDir = SubFolder(d.ProgramDir, "melodys");
  p.IconsLibDir = SubFolder(d.ProgramDir, "iconslib");
  p.HelpDir = SubFolder(d.ProgramDir, "help");
  p.MusicLibrary = d.ProgramDir + "music.dll";
  p.IconLibrary = d.ProgramDir + "icons.dll";

  p.WorkFile = p.UserDataDir + "vell.rwo";
  p.ClockFormatFile = p.UserDataDir + "format_clock_panel.txt";
  p.MessageHistoryFile = p.UserDataDir + "vell.sav";
  p.FlashFile = p.UserDataDir + "flash.txt";
  p.FlashTempFile = p.UserDataDir + "tflash.txt";
  p.FlashHistoryFile = p.UserDataDir + "flash.sav";
  p.FlashDividerFile = p.UserDataDir + "flash_str_divider.txt";
  p.PeopleFile = p.UserDataDir + "peoples.txt";
  p.OrgFile = p.UserDataDir + "orgnztns.txt";
  p.PeopleBackup = p.UserDataDir + "peoples.bak";
  p.OrgBackup = p.UserDataDir + "orgnztns.bak";

  p.UninstallBatch = "c:\\vellunin.bat";
  if (!d.TempDir.empty()) p.UninstallBatchFallback = d.TempDir + "vellunin.bat";
  return p;
}

}  // namespace zel
