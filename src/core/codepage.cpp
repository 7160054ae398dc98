#include "core/codepage.h"

#include <array>
#include <cstdint>

namespace zel {
namespace {

// Upper halves of the two pages. Bytes the page leaves undefined map to the
// C1 control of the same value, as Windows does, so every byte round-trips.
constexpr std::array<char16_t, 128> kCp1251High = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,  // C0
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,  // C8
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,  // D0
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,  // D8
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,  // E0
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,  // E8
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,  // F0
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,  // F8
};

constexpr std::array<char16_t, 128> MakeCp1252High() {
  std::array<char16_t, 128> t{};
  constexpr char16_t c1[32] = {
      0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
  for (int i = 0; i < 32; ++i) t[i] = c1[i];
  for (int i = 32; i < 128; ++i) t[i] = static_cast<char16_t>(0x80 + i);
  return t;
}
constexpr std::array<char16_t, 128> kCp1252High = MakeCp1252High();

std::u16string PageToUtf16(const std::array<char16_t, 128>& high, std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  for (unsigned char c : bytes) out.push_back(c < 0x80 ? char16_t(c) : high[c - 0x80]);
  return out;
}

std::string Utf16ToPage(const std::array<char16_t, 128>& high, std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char16_t ch : text) {
    if (ch < 0x80) {
      out.push_back(static_cast<char>(ch));
      continue;
    }
    char found = '?';
    for (int i = 0; i < 128; ++i) {
      if (high[i] == ch) {
        found = static_cast<char>(0x80 + i);
        break;
      }
    }
    out.push_back(found);
  }
  return out;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view s) {
  std::u16string out;
  out.reserve(s.size());
  size_t i = 0;
  while (i < s.size()) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    char32_t cp = 0xFFFD;
    size_t len = 1;
    if (c < 0x80) {
      cp = c;
    } else if (c >= 0xC2 && c <= 0xF4) {
      size_t need = c < 0xE0 ? 1 : c < 0xF0 ? 2 : 3;
      char32_t v = c & (0x3F >> need);
      bool ok = true;
      if (ok) {
        for (size_t k = 1; k <= need; ++k) {
          if (i + k >= s.size()) { ok = false; break; }
          unsigned char cc = static_cast<unsigned char>(s[i + k]);
          if ((cc & 0xC0) != 0x80) { ok = false; break; }
          v = (v << 6) | (cc & 0x3F);
        }
      }
      if (ok) {
        bool overlong = (need == 2 && v < 0x800) || (need == 3 && v < 0x10000);
        bool bad = overlong || v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF);
        if (!bad) {
          cp = v;
          len = need + 1;
        }
      }
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
    i += len;
  }
  return out;
}

std::string Utf16ToUtf8(std::u16string_view s) {
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    char32_t cp = s[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 &&
        s[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (s[i + 1] - 0xDC00);
      ++i;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = 0xFFFD;
    }
    AppendUtf8(out, cp);
  }
  return out;
}

std::u16string Cp1251ToUtf16(std::string_view b) { return PageToUtf16(kCp1251High, b); }
std::u16string Cp1252ToUtf16(std::string_view b) { return PageToUtf16(kCp1252High, b); }
std::string Utf16ToCp1251(std::u16string_view t) { return Utf16ToPage(kCp1251High, t); }
std::string Utf16ToCp1252(std::u16string_view t) { return Utf16ToPage(kCp1252High, t); }
std::string Cp1251ToUtf8(std::string_view b) { return Utf16ToUtf8(Cp1251ToUtf16(b)); }
std::string Cp1252ToUtf8(std::string_view b) { return Utf16ToUtf8(Cp1252ToUtf16(b)); }
std::string Utf8ToCp1251(std::string_view u) { return Utf16ToCp1251(Utf8ToUtf16(u)); }
std::string Utf8ToCp1252(std::string_view u) { return Utf16ToCp1252(Utf8ToUtf16(u)); }

std::string ToUtf8(Edition e, std::string_view b) {
  return e == Edition::Russian ? Cp1251ToUtf8(b) : Cp1252ToUtf8(b);
}
std::u16string ToUtf16(Edition e, std::string_view b) {
  return e == Edition::Russian ? Cp1251ToUtf16(b) : Cp1252ToUtf16(b);
}
std::string FromUtf8(Edition e, std::string_view u) {
  return e == Edition::Russian ? Utf8ToCp1251(u) : Utf8ToCp1252(u);
}
std::string FromUtf16(Edition e, std::u16string_view t) {
  return e == Edition::Russian ? Utf16ToCp1251(t) : Utf16ToCp1252(t);
}

}  // namespace zel
