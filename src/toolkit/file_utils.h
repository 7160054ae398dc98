// File helpers that need the operating system; they reach it through the seam.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/seam.h"

namespace zel {

inline int SetAttributes(Seam& os, const std::string& path, std::uint32_t attributes) {
  return os.SetAttributes(path, attributes);
}
inline std::int32_t FileStamp(Seam& os, const std::string& path) { return os.FileStamp(path); }
// Folders do not count.
inline bool IsFilePresent(Seam& os, const std::string& path) { return os.FileStamp(path) != -1; }
inline bool MakeFolder(Seam& os, const std::string& path) { return os.MakeFolder(path); }

// A folder search: the entry found, and what is left of the search.
struct TSearchRec {
  std::string Name;
  std::uint64_t Size = 0;
  std::uint32_t Attributes = 0;
  std::int32_t DosTime = -1;
  std::vector<SearchEntry> Rest;
};

inline constexpr int kNoMoreFiles = 18;  // the system's "no more files"

// 0 and the first entry of the mask, or kNoMoreFiles (the search is then
// already ended). Entries that are hidden, system, volume labels or folders
// are skipped unless their attribute is in `attributes`.
int StartSearch(Seam& os, const std::string& mask, std::uint32_t attributes, TSearchRec& rec);
int NextMatch(TSearchRec& rec);
void EndSearch(TSearchRec& rec);

}  // namespace zel
