#include "platform/text.h"

#include <clocale>
#include <cwctype>
#include <locale.h>

namespace vx {
namespace {

// Windows-1252 code points for the bytes 0x80..0x9F; the rest match Latin-1.
constexpr char32_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Reads one UTF-8 sequence at bytes[i]; returns its length, or 0 when it is not valid.
size_t Utf8Sequence(std::string_view bytes, size_t i, char32_t& cp) {
  const auto b0 = static_cast<unsigned char>(bytes[i]);
  if (b0 < 0x80) {
    cp = b0;
    return 1;
  }
  size_t len;
  char32_t min;
  if ((b0 & 0xE0) == 0xC0) {
    len = 2, cp = b0 & 0x1F, min = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    len = 3, cp = b0 & 0x0F, min = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    len = 4, cp = b0 & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (i + len > bytes.size()) return 0;
  for (size_t k = 1; k < len; ++k) {
    const auto b = static_cast<unsigned char>(bytes[i + k]);
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return len;
}

// Case folding needs Unicode-aware character classes whatever the user's LC_CTYPE is.
locale_t UnicodeCtype() {
  static locale_t loc = [] {
    locale_t l = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
    return l ? l : newlocale(LC_CTYPE_MASK, "C", static_cast<locale_t>(0));
  }();
  return loc;
}

char32_t Fold(char32_t c) {
  if (c < 0x80) return (c >= 'A' && c <= 'Z') ? c + 32 : c;
  const auto loc = UnicodeCtype();
  return static_cast<char32_t>(towlower_l(towupper_l(static_cast<wint_t>(c), loc), loc));
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
  char32_t cp;
  for (size_t i = 0; i < bytes.size();) {
    const size_t n = Utf8Sequence(bytes, i, cp);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

std::u32string DecodeText(std::string_view bytes) {
  std::u32string out;
  out.reserve(bytes.size());
  if (IsValidUtf8(bytes)) {
    char32_t cp;
    for (size_t i = 0; i < bytes.size(); i += Utf8Sequence(bytes, i, cp)) {
      Utf8Sequence(bytes, i, cp);
      out.push_back(cp);
    }
    return out;
  }
  for (const char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    out.push_back(b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : char32_t{b});
  }
  return out;
}

std::string EncodeUtf8(std::u32string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char32_t c : text) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::string TextToUtf8(std::string_view bytes) {
  if (IsValidUtf8(bytes)) return std::string(bytes);
  return EncodeUtf8(DecodeText(bytes));
}

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
  // Fast path: plain ASCII on both sides.
  bool ascii = true;
  for (const char c : a) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  for (const char c : b) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (ascii) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
      if (Fold(static_cast<unsigned char>(a[i])) != Fold(static_cast<unsigned char>(b[i]))) return false;
    return true;
  }
  const std::u32string da = DecodeText(a), db = DecodeText(b);
  if (da.size() != db.size()) return false;
  for (size_t i = 0; i < da.size(); ++i)
    if (Fold(da[i]) != Fold(db[i])) return false;
  return true;
}

}  // namespace vx
