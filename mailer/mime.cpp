#include "mailer/mime.h"

#include "platform/text.h"

namespace vx {
namespace {

constexpr size_t kMaxQpLine = 76;       // characters before the line break, soft break included
constexpr size_t kMaxPlainHeader = 900;  // longer values are folded as encoded words
constexpr size_t kMaxWordBytes = 42;     // UTF-8 bytes per encoded word: 56 base64 characters
constexpr char kHex[] = "0123456789ABCDEF";

bool IsLiteral(unsigned char c) { return c >= 33 && c <= 126 && c != '='; }

std::string Escaped(unsigned char c) { return {'=', kHex[c >> 4], kHex[c & 15]}; }

// One line of text (no line break in it) as quoted-printable, soft-broken at 76 characters.
void AppendQpLine(std::string_view line, std::string& out) {
  size_t column = 0;
  for (size_t i = 0; i < line.size(); ++i) {
    const auto c = static_cast<unsigned char>(line[i]);
    const bool atEnd = i + 1 == line.size();
    const bool blank = c == ' ' || c == '\t';
    const std::string piece = IsLiteral(c) || (blank && !atEnd) ? std::string(1, static_cast<char>(c)) : Escaped(c);
    // Room must remain for the '=' of a soft break unless this piece ends the line.
    const size_t limit = atEnd ? kMaxQpLine : kMaxQpLine - 1;
    if (column + piece.size() > limit) {
      out += "=\r\n";
      column = 0;
    }
    out += piece;
    column += piece.size();
  }
}

std::string Base64(std::string_view bytes) {
  static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  for (size_t i = 0; i < bytes.size(); i += 3) {
    unsigned value = static_cast<unsigned char>(bytes[i]) << 16;
    if (i + 1 < bytes.size()) value |= static_cast<unsigned char>(bytes[i + 1]) << 8;
    if (i + 2 < bytes.size()) value |= static_cast<unsigned char>(bytes[i + 2]);
    out += kAlphabet[(value >> 18) & 63];
    out += kAlphabet[(value >> 12) & 63];
    out += i + 1 < bytes.size() ? kAlphabet[(value >> 6) & 63] : '=';
    out += i + 2 < bytes.size() ? kAlphabet[value & 63] : '=';
  }
  return out;
}

bool IsPlainHeaderText(std::string_view bytes) {
  if (bytes.size() > kMaxPlainHeader || bytes.find("=?") != std::string_view::npos) return false;
  for (const char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    if ((c < 32 && c != '\t') || c > 126) return false;
  }
  return true;
}

}  // namespace

std::string QuotedPrintable(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8 + 16);
  size_t start = 0;
  while (start < text.size()) {
    const size_t newline = text.find('\n', start);
    if (newline == std::string_view::npos) {
      AppendQpLine(text.substr(start), out);
      out += "=\r\n";
      break;
    }
    size_t end = newline;
    if (end > start && text[end - 1] == '\r') --end;
    AppendQpLine(text.substr(start, end - start), out);
    out += "\r\n";
    start = newline + 1;
  }
  return out;
}

std::string HeaderValue(std::string_view bytes) {
  if (IsPlainHeaderText(bytes)) return std::string(bytes);
  // Words are cut between characters, never inside one, so each decodes on its own.
  std::string words;
  std::string chunk;
  const auto flush = [&] {
    if (!words.empty()) words += "\r\n ";
    words += "=?UTF-8?B?" + Base64(chunk) + "?=";
    chunk.clear();
  };
  for (const char32_t c : DecodeText(bytes)) {
    const std::string encoded = EncodeUtf8(std::u32string_view(&c, 1));
    if (chunk.size() + encoded.size() > kMaxWordBytes) flush();
    chunk += encoded;
  }
  if (!chunk.empty()) flush();
  return words;
}

}  // namespace vx
