#include "toolkit/text_utils.h"

#include "core/codepage.h"

namespace zel {
namespace {

char16_t ToUpper16(char16_t c) {
  if (c >= u'a' && c <= u'z') return c - 32;
  if ((c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 32;
  if (c == 0xFF) return 0x178;
  if (c >= 0x430 && c <= 0x44F) return c - 32;
  if (c >= 0x450 && c <= 0x45F) return c - 80;
  switch (c) {
    case 0x491: return 0x490;
    case 0x161: return 0x160;
    case 0x153: return 0x152;
    case 0x17E: return 0x17D;
    default: return c;
  }
}

char16_t ToLower16(char16_t c) {
  if (c >= u'A' && c <= u'Z') return c + 32;
  if ((c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 32;
  if (c == 0x178) return 0xFF;
  if (c >= 0x410 && c <= 0x42F) return c + 32;
  if (c >= 0x400 && c <= 0x40F) return c + 80;
  switch (c) {
    case 0x490: return 0x491;
    case 0x160: return 0x161;
    case 0x152: return 0x153;
    case 0x17D: return 0x17E;
    default: return c;
  }
}

template <typename Map>
char MapChar(Edition edition, char ch, Map map) {
  std::u16string w = ToUtf16(edition, std::string_view(&ch, 1));
  char16_t m = map(w[0]);
  if (m == w[0]) return ch;
  std::string back = FromUtf16(edition, std::u16string_view(&m, 1));
  return back[0] == '?' ? ch : back[0];
}

template <typename Map>
std::string MapText(Edition edition, std::string_view text, Map map) {
  std::string out(text);
  for (char& ch : out) ch = MapChar(edition, ch, map);
  return out;
}

}  // namespace

std::string UpperText(Edition e, std::string_view t) { return MapText(e, t, ToUpper16); }
std::string LowerText(Edition e, std::string_view t) { return MapText(e, t, ToLower16); }

bool SameUpperText(Edition e, std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (MapChar(e, a[i], ToUpper16) != b[i]) return false;
  return true;
}

std::string IntText(long long n) { return std::to_string(n); }

std::optional<std::int32_t> ParseInt32(std::string_view s) {
  size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  if (i == s.size()) return std::nullopt;
  if (s[i] == '$') {
    ++i;
    if (i == s.size()) return std::nullopt;
    std::uint64_t v = 0;
    int significant = 0;
    for (; i < s.size(); ++i) {
      char c = s[i];
      int d = c >= '0' && c <= '9'   ? c - '0'
              : c >= 'a' && c <= 'f' ? c - 'a' + 10
              : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                     : -1;
      if (d < 0) return std::nullopt;
      if (significant > 0 || d != 0) ++significant;
      if (significant > 8) return std::nullopt;
      v = v * 16 + static_cast<unsigned>(d);
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
  }
  bool negative = false;
  if (s[i] == '+' || s[i] == '-') {
    negative = s[i] == '-';
    ++i;
  }
  if (i == s.size()) return std::nullopt;
  std::int64_t v = 0;
  for (; i < s.size(); ++i) {
    char c = s[i];
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
    if (v > 2147483648LL) return std::nullopt;
  }
  if (negative) v = -v;
  if (v > 2147483647LL) return std::nullopt;
  return static_cast<std::int32_t>(v);
}

std::int32_t TextToIntOr(std::string_view text, std::int32_t fallback) {
  return ParseInt32(text).value_or(fallback);
}

std::string TrimText(std::string_view t) {
  size_t b = 0, e = t.size();
  while (b < e && static_cast<unsigned char>(t[b]) <= 32) ++b;
  while (e > b && static_cast<unsigned char>(t[e - 1]) <= 32) --e;
  return std::string(t.substr(b, e - b));
}

bool IsBadFileName(std::string_view text) {
  std::string t = TrimText(text);
  return t.empty() || t.find_first_of("+%?/|\\*<>\"") != std::string::npos;
}

std::string FolderOf(std::string_view path) {
  size_t p = path.find_last_of("\\:");
  return p == std::string_view::npos ? std::string() : std::string(path.substr(0, p + 1));
}

std::string FileNameOf(std::string_view path) {
  size_t p = path.find_last_of("\\:");
  return std::string(p == std::string_view::npos ? path : path.substr(p + 1));
}

std::string BareName(std::string_view path) {
  size_t p = path.find_last_of("\\/");
  std::string_view name = p == std::string_view::npos ? path : path.substr(p + 1);
  size_t dot = name.rfind('.');
  return std::string(dot == std::string_view::npos ? name : name.substr(0, dot));
}

}  // namespace zel
