#include "support/wine_paths.h"

#include <windows.h>

#include <string>

#include "toolkit/win_text.h"

namespace zel::test {
namespace {

void RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + name;
      SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(path + L"\\");
      else
        DeleteFileW(path.c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(folder.c_str());
}

}  // namespace

std::string FreshTempFolder(const char* name) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + L"zelmora-" + WideFromUtf8(name) + L"\\";
  RemoveTree(folder);
  CreateDirectoryW(folder.c_str(), nullptr);
  return Utf8FromWide(folder);
}

}  // namespace zel::test
