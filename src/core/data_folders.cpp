#include "core/data_folders.h"

#include "core/codepage.h"
#include "core/seam.h"
#include "core/whole_file.h"

namespace zel {
namespace {

constexpr std::size_t kMaxModulePath = 261;

// A folder from the seam (without its final separator) with one.
std::string WithSeparator(const std::string& folder) {
  if (folder.empty() || folder.back() == '\\' || folder.back() == '/') return folder;
  const bool slashes = folder.find('/') != std::string::npos &&
                       folder.find('\\') == std::string::npos;
  return folder + (slashes ? '/' : '\\');
}

bool FilePresent(Seam& os, const std::string& path) { return os.FileStamp(path) != -1; }

void CopyIfAbsent(Seam& os, const std::string& from, const std::string& to) {
  std::string bytes;
  if (FilePresent(os, to) || !ReadFileBytes(os, from, bytes)) return;
  WriteWholeFile(os, to, bytes);
}

// Copies a folder's files and subfolders, keeping whatever the target has.
void CopyTree(Seam& os, const std::string& from, const std::string& to) {
  os.MakeFolder(to);
  const std::uint32_t all = kAttrDirectory | kAttrHidden | kAttrSystem;
  for (const SearchEntry& e : os.FindFiles(from + "*", all)) {
    if (e.Attributes & kAttrDirectory)
      CopyTree(os, SubFolder(from, e.Name), SubFolder(to, e.Name));
    else
      CopyIfAbsent(os, from + e.Name, to + e.Name);
  }
}

// The first time the user's data lives in dataDir, what lay beside the
// program comes along. The user-data folder marks that this has happened.
void CopyDataOnFirstUse(Seam& os, const std::string& programDir, const std::string& dataDir) {
  const std::string userData = SubFolder(dataDir, "userdata");
  if (os.FolderExists(userData)) return;
  CopyIfAbsent(os, programDir + "vell.tun", dataDir + "vell.tun");
  CopyTree(os, SubFolder(programDir, "sounds"), SubFolder(dataDir, "sounds"));
  CopyTree(os, SubFolder(programDir, "batchs"), SubFolder(dataDir, "batchs"));
  CopyTree(os, SubFolder(programDir, "userdata"), userData);
}

}  // namespace

std::string ModulePath(Seam& os) { return os.ProgramFile(); }

std::string SplitPath(const std::string& path) {
  if (path.empty() || Utf8ToUtf16(path).size() > kMaxModulePath) return "c:\\error.err\\";
  const std::size_t p = path.find_last_of("\\/");
  if (p == std::string::npos) return path.substr(0, 1);
  return path.substr(0, p + 1);
}

// The program's own parts (help, melodies, icon libraries, music.dll,
// icons.dll) always stay in the program folder. The rest follows the
// system's refusals, and only those:
// - vell.tun, userdata\, sounds\ and batchs\ live beside the program, unless
//   the program folder may not be written (under Program Files, say); then
//   they live in the user's application-data folder, "Zelmora" subfolder,
//   under the same names.
// - vellsys.tun lives in the Windows folder, shared by every installation,
//   unless the Windows folder may not be written; then it lives in that
//   "Zelmora" folder. Once that copy exists it is the one read; until then
//   the Windows folder's copy is read and the save goes to the user's.
// - The uninstall batch goes to "c:\vellunin.bat", or to the user's temporary
//   folder when the system refuses the root of C: (decided when it is
//   written; both names are formed here).
DataPlaces DecideDataPlaces(Seam& os) {
  DataPlaces d;
  d.ModulePath = ModulePath(os);
  d.ProgramDir = SplitPath(d.ModulePath);
  d.WindowsDir = WithSeparator(os.WindowsFolder());
  d.TempDir = WithSeparator(os.TempFolder());
  const std::string appData = WithSeparator(os.AppDataFolder());
  if (!appData.empty()) d.AppDataDir = SubFolder(appData, "Zelmora");

  const bool ownPlace = !d.AppDataDir.empty();
  d.DataDir = ownPlace && !os.FolderWritable(d.ProgramDir) ? d.AppDataDir : d.ProgramDir;

  const std::string own = ownPlace ? d.AppDataDir + "vellsys.tun" : std::string();
  const std::string shared = d.WindowsDir.empty() ? std::string() : d.WindowsDir + "vellsys.tun";
  if (own.empty() && shared.empty()) {
    d.SysTuningFile = d.SysTuningSource = d.DataDir + "vellsys.tun";
  } else if (!own.empty() && FilePresent(os, own)) {
    d.SysTuningFile = d.SysTuningSource = own;
  } else if (!shared.empty() && (own.empty() || os.FolderWritable(d.WindowsDir))) {
    d.SysTuningFile = d.SysTuningSource = shared;
  } else {
    d.SysTuningFile = own;
    d.SysTuningSource = shared.empty() ? own : shared;
  }
  return d;
}

TPaths FormPaths(Seam& os) {
  DataPlaces d = DecideDataPlaces(os);
  if (!d.AppDataDir.empty() &&
      (d.DataDir == d.AppDataDir || d.SysTuningFile.rfind(d.AppDataDir, 0) == 0))
    os.MakeFolder(d.AppDataDir);
  if (d.DataDir != d.ProgramDir) CopyDataOnFirstUse(os, d.ProgramDir, d.DataDir);
  return MakePaths(d);
}

void CreateDataFolders(Seam& os, const TPaths& p, Edition edition, bool setupArgument) {
  if (edition == Edition::Russian) {
    for (const std::string* f : {&p.UserDataDir, &p.SoundsDir, &p.MelodysDir, &p.BatchsDir,
                                 &p.IconsLibDir, &p.HelpDir, &p.FlashDir})
      os.MakeFolder(*f);
  } else if (setupArgument) {
    for (const char* f : {"userdata", "sounds", "melodys", "batchs", "iconslib", "help"})
      os.MakeFolder(f);
  }
}

}  // namespace zel
