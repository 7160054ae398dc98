// POSIX side of the seam. File attributes map onto the owner's write bit
// (read-only) and a leading dot (hidden).
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>

#include "core/platform_seam.h"

namespace zel {
namespace {

std::int32_t DosStamp(std::time_t t) {
  std::tm tm{};
  localtime_r(&t, &tm);
  std::uint32_t date = static_cast<std::uint32_t>(((tm.tm_year - 80) << 9) | ((tm.tm_mon + 1) << 5) | tm.tm_mday);
  std::uint32_t time = static_cast<std::uint32_t>((tm.tm_hour << 11) | (tm.tm_min << 5) | (tm.tm_sec / 2));
  return static_cast<std::int32_t>((date << 16) | time);
}

int SyncPath(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY);
  if (fd < 0) return errno;
  int rc = ::fsync(fd) == 0 ? 0 : errno;
  ::close(fd);
  return rc;
}

std::string DirOf(const std::string& path) {
  size_t p = path.find_last_of('/');
  return p == std::string::npos ? "." : p == 0 ? "/" : path.substr(0, p);
}

}  // namespace

LocalTime PlatformSeam::Now() {
  std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

std::FILE* PlatformSeam::OpenStream(const std::string& path, const char* mode) {
  return std::fopen(path.c_str(), mode);
}

int PlatformSeam::CommitFile(const std::string& temp, const std::string& target) {
  if (int rc = SyncPath(temp)) return rc;
  if (std::rename(temp.c_str(), target.c_str()) != 0) return errno;
  SyncPath(DirOf(target));  // best effort: the rename itself is already atomic
  return 0;
}

int PlatformSeam::RemoveFile(const std::string& path) {
  return ::unlink(path.c_str()) == 0 ? 0 : errno;
}

int PlatformSeam::SetAttributes(const std::string& path, std::uint32_t attributes) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return errno;
  mode_t mode = st.st_mode & 07777;
  mode = (attributes & kAttrReadOnly) ? mode & ~mode_t(0222) : mode | S_IWUSR;
  return ::chmod(path.c_str(), mode) == 0 ? 0 : errno;
}

std::int32_t PlatformSeam::FileStamp(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return -1;
  return DosStamp(st.st_mtime);
}

bool PlatformSeam::MakeFolder(const std::string& path) {
  return ::mkdir(path.c_str(), 0777) == 0;
}

std::vector<SearchEntry> PlatformSeam::FindFiles(const std::string& folderAndMask,
                                                 std::uint32_t attributes) {
  std::vector<SearchEntry> found;
  size_t p = folderAndMask.find_last_of('/');
  std::string folder = p == std::string::npos ? "." : folderAndMask.substr(0, p + 1);
  std::string mask = p == std::string::npos ? folderAndMask : folderAndMask.substr(p + 1);
  DIR* d = ::opendir(folder.c_str());
  if (!d) return found;
  while (dirent* ent = ::readdir(d)) {
    std::string name = ent->d_name;
    if (name == "." || name == ".." || !MaskMatches(mask, name)) continue;
    struct stat st {};
    if (::stat((folder + name).c_str(), &st) != 0) continue;
    std::uint32_t attr = 0;
    if (S_ISDIR(st.st_mode)) attr |= kAttrDirectory;
    if (name[0] == '.') attr |= kAttrHidden;
    if (!(st.st_mode & S_IWUSR)) attr |= kAttrReadOnly;
    if (!S_ISDIR(st.st_mode)) attr |= kAttrArchive;
    const std::uint32_t special = kAttrHidden | kAttrSystem | kAttrVolume | kAttrDirectory;
    if ((attr & special & ~attributes) != 0) continue;
    found.push_back({name, static_cast<std::uint64_t>(st.st_size), attr, DosStamp(st.st_mtime)});
  }
  ::closedir(d);
  return found;
}

std::string PlatformSeam::ShortPathName(const std::string& path) { return path; }

}  // namespace zel

namespace zel {
namespace {

std::string EnvOr(const char* name, const std::string& fallback) {
  const char* v = std::getenv(name);
  return v && *v ? std::string(v) : fallback;
}

std::string WithoutFinalSlash(std::string s) {
  while (s.size() > 1 && s.back() == '/') s.pop_back();
  return s;
}

}  // namespace

std::string PlatformSeam::ProgramFile() {
  char buf[4096];
  ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
  return n > 0 ? std::string(buf, static_cast<size_t>(n)) : std::string();
}

// There is no Windows folder here: the settings of the system go with the
// user's own.
std::string PlatformSeam::WindowsFolder() { return std::string(); }

std::string PlatformSeam::AppDataFolder() {
  std::string home = EnvOr("HOME", "");
  return WithoutFinalSlash(EnvOr("XDG_CONFIG_HOME", home.empty() ? "" : home + "/.config"));
}

std::string PlatformSeam::TempFolder() { return WithoutFinalSlash(EnvOr("TMPDIR", "/tmp")); }

bool PlatformSeam::FolderExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool PlatformSeam::FolderWritable(const std::string& path) {
  std::string probe = path;
  if (!probe.empty() && probe.back() != '/') probe += '/';
  probe += ".zelmora-probe-" + std::to_string(::getpid());
  int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
  if (fd < 0) return false;
  ::close(fd);
  ::unlink(probe.c_str());
  return true;
}

int PlatformSeam::OemCodePage() { return 0; }

// Batch files are for the Windows command interpreter only.
int PlatformSeam::StartHiddenBatch(const std::string&) { return ENOSYS; }

void PlatformSeam::DefaultBeep() {}

}  // namespace zel
