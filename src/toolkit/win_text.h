// Texts at the window boundary: records and files keep code-page bytes (or
// UTF-8 paths), the window system takes UTF-16.
#pragma once

#include <string>
#include <string_view>

#include "core/codepage.h"
#include "core/edition.h"

namespace zel {

inline std::wstring WideFromPage(Edition edition, std::string_view bytes) {
  const std::u16string w = ToUtf16(edition, bytes);
  return std::wstring(w.begin(), w.end());
}
inline std::string PageFromWide(Edition edition, std::wstring_view text) {
  return FromUtf16(edition, std::u16string(text.begin(), text.end()));
}
inline std::wstring WideFromUtf8(std::string_view utf8) {
  const std::u16string w = Utf8ToUtf16(utf8);
  return std::wstring(w.begin(), w.end());
}
inline std::string Utf8FromWide(std::wstring_view text) {
  return Utf16ToUtf8(std::u16string(text.begin(), text.end()));
}

}  // namespace zel
