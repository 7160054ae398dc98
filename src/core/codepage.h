// Conversions between the editions' single-byte code pages and Unicode.
// Records and files keep code-page bytes; the window layer and console output
// convert at the boundary.
#pragma once

#include <string>
#include <string_view>

#include "core/edition.h"

namespace zel {

// Windows-1251 (Russian edition).
std::string Cp1251ToUtf8(std::string_view bytes);
std::u16string Cp1251ToUtf16(std::string_view bytes);
// Characters the page lacks become '?'.
std::string Utf8ToCp1251(std::string_view utf8);
std::string Utf16ToCp1251(std::u16string_view text);

// Windows-1252 (English edition).
std::string Cp1252ToUtf8(std::string_view bytes);
std::u16string Cp1252ToUtf16(std::string_view bytes);
std::string Utf8ToCp1252(std::string_view utf8);
std::string Utf16ToCp1252(std::u16string_view text);

// The edition's own page.
std::string ToUtf8(Edition edition, std::string_view bytes);
std::u16string ToUtf16(Edition edition, std::string_view bytes);
std::string FromUtf8(Edition edition, std::string_view utf8);
std::string FromUtf16(Edition edition, std::u16string_view text);

// UTF-8 <-> UTF-16. Malformed UTF-8 sequences become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace zel
