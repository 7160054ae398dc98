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

}  // namespace zel
