// Small helpers on texts, numbers and paths. Texts are in the edition's
// single-byte code page; case follows that page.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/edition.h"

namespace zel {

std::string UpperText(Edition edition, std::string_view text);
std::string LowerText(Edition edition, std::string_view text);
// Same length, and every character of a in upper case equals b's character
// at that place as it stands (b is not converted).
bool SameUpperText(Edition edition, std::string_view a, std::string_view b);

std::string IntText(long long n);

// The whole text as a signed 32-bit number: optional leading spaces, then an
// optional sign and decimal digits, or "$" and up to eight significant
// hexadecimal digits (a two's-complement pattern). Nothing may follow.
std::optional<std::int32_t> ParseInt32(std::string_view text);
std::int32_t TextToIntOr(std::string_view text, std::int32_t fallback);

// Without the characters of code 32 or less at both ends.
std::string TrimText(std::string_view text);
// Empty after trimming, or holding one of + % ? / | \ * < > ".
bool IsBadFileName(std::string_view text);

// Up to and including the last "\" or ":" (empty when none).
std::string FolderOf(std::string_view path);
// After the last "\" or ":".
std::string FileNameOf(std::string_view path);
// The file name after the last "\" or "/", without its last extension.
std::string BareName(std::string_view path);

}  // namespace zel
