// Files read and written whole. A save never leaves a truncated or mixed
// file: it writes a temporary file beside the target and puts it in place in
// one step. A file that could not be read is kept aside before anything can
// overwrite it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zel {

struct AppCore;
class Seam;

// Names of the three reported steps of a save.
struct SaveSteps {
  std::string_view Rewrite;
  std::string_view Write;
  std::string_view Close;
  // true: the steps after a failed one are skipped; false: each step still
  // runs (and reports) after a failure.
  bool StopAtFirstFailure = false;
};

// Clears the read-only attribute, writes `data` and replaces the file.
// Reports each failed step; true on failure (the old file is then untouched).
bool SaveWholeFile(AppCore& app, const std::string& path, std::string_view data,
                   const SaveSteps& steps);

// The same without reports: true on failure; notCreated (when given) tells
// whether the file could not be created at all.
bool WriteWholeFile(Seam& os, const std::string& path, std::string_view data,
                    bool* notCreated = nullptr);

enum class ReadOutcome {
  Missing,   // could not be opened
  Ok,        // exactly `size` bytes read
  BadSize,   // opened, but shorter, longer or unreadable
};

// Reads a file that must hold exactly `size` bytes. closeCode gets the result
// of closing (0 when fine or not opened).
ReadOutcome ReadExactFile(Seam& os, const std::string& path, void* buffer, std::size_t size,
                          int& closeCode);

// Reads a whole file; false when it cannot be opened or read.
bool ReadFileBytes(Seam& os, const std::string& path, std::string& out);

// Copies a file that could not be read to path + ".bad" (replacing an older
// copy), so the user's data survives the next save. True on failure.
bool KeepAside(Seam& os, const std::string& path);

// The name a damaged file is kept under.
std::string AsideName(const std::string& path);

}  // namespace zel
