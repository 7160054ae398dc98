#include "toolkit/combo_files.h"

#include <cstdio>
#include <vector>

#include "toolkit/control_helpers.h"
#include "toolkit/win_text.h"

namespace zel {
namespace {

bool IsPlainFile(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Lines end at CR LF, LF or a lone CR; a last line without an end counts.
std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

// The file name without its folder and its last extension.
std::wstring BareWideName(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.rfind(L'.');
  if (dot != std::wstring::npos) name.resize(dot);
  return name;
}

}  // namespace

bool SaveComboItems(HWND combo, const std::string& fileName, int lineCount, bool pad,
                    bool overwrite, Edition edition) {
  const std::wstring path = WideFromUtf8(fileName);
  if (!overwrite && IsPlainFile(path)) return false;
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_ARCHIVE);
  const int items = ComboCount(combo);
  if (!pad && lineCount == 0) lineCount = items;
  if (lineCount <= 0) return false;
  std::FILE* file = _wfopen(path.c_str(), L"wb");
  if (!file) return true;
  bool failed = false;
  for (int i = 0; i < lineCount && !failed; ++i) {
    if (i >= items && !pad) break;
    std::string line = i < items ? PageFromWide(edition, ComboItemText(combo, i)) : std::string();
    if (i != lineCount - 1) line += "\r\n";
    failed = std::fwrite(line.data(), 1, line.size(), file) != line.size();
  }
  if (std::fclose(file) != 0) failed = true;
  return failed;
}

bool LoadComboItems(HWND combo, const std::string& fileName, int lineCount, bool fixedCount,
                    Edition edition) {
  ComboClear(combo);
  std::FILE* file = _wfopen(WideFromUtf8(fileName).c_str(), L"rb");
  if (!file) return true;
  std::string text;
  char buffer[4096];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, got);
  const bool readError = std::ferror(file) != 0;
  std::fclose(file);
  // A read error keeps what came before it.
  const std::vector<std::string> lines = SplitLines(text);
  if (fixedCount) {
    for (int i = 0; i < lineCount; ++i) {
      const std::size_t at = static_cast<std::size_t>(i);
      ComboAdd(combo, at < lines.size() ? WideFromPage(edition, lines[at]) : std::wstring());
    }
    return readError;
  }
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lineCount > 0 && i >= static_cast<std::size_t>(lineCount)) break;
    ComboAdd(combo, WideFromPage(edition, lines[i]));
  }
  return readError;
}

void ListFolderFiles(HWND list, const std::string& folder, const std::string& mask,
                     bool shortNames) {
  ListClear(list);
  const std::wstring wideFolder = WideFromUtf8(folder);
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW((wideFolder + WideFromUtf8(mask)).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  // Asking for archive files gives every plain file: hidden, system and
  // folder entries are left out.
  const DWORD excluded = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;
  do {
    if (found.dwFileAttributes & excluded) continue;
    std::wstring path = wideFolder + found.cFileName;
    if (shortNames) {
      wchar_t shortPath[MAX_PATH] = {};
      const DWORD length = GetShortPathNameW(path.c_str(), shortPath, MAX_PATH);
      if (length > 0 && length < MAX_PATH) path = shortPath;
    }
    std::wstring name = BareWideName(path);
    if (!name.empty()) CharUpperBuffW(name.data(), static_cast<DWORD>(name.size()));
    ListAdd(list, name);
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

}  // namespace zel
