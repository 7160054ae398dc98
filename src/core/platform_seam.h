// The operating-system half of the seam for the platform being built: POSIX
// for the native tools and tests, Win32 for the Windows builds. The window
// half stays abstract; each program or test supplies its own.
#pragma once

#include "core/seam.h"

namespace zel {

class PlatformSeam : public Seam {
 public:
  LocalTime Now() override;
  std::FILE* OpenStream(const std::string& path, const char* mode) override;
  int CommitFile(const std::string& temp, const std::string& target) override;
  int RemoveFile(const std::string& path) override;
  int SetAttributes(const std::string& path, std::uint32_t attributes) override;
  std::int32_t FileStamp(const std::string& path) override;
  bool MakeFolder(const std::string& path) override;
  std::vector<SearchEntry> FindFiles(const std::string& folderAndMask,
                                     std::uint32_t attributes) override;
  std::string ShortPathName(const std::string& path) override;
  std::string ProgramFile() override;
  std::string WindowsFolder() override;
  std::string AppDataFolder() override;
  std::string TempFolder() override;
  bool FolderExists(const std::string& path) override;
  bool FolderWritable(const std::string& path) override;
  int OemCodePage() override;
  int StartHiddenBatch(const std::string& path) override;
  void DefaultBeep() override;
};

// Wildcard match of a file name against a mask of "*" and "?", ignoring ASCII
// case as the Windows file system does.
bool MaskMatches(const std::string& mask, const std::string& name);

}  // namespace zel
