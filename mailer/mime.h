#pragma once
// MIME encodings for a plain-text mail: quoted-printable bodies and RFC 2047 encoded words.
#include <string>
#include <string_view>

namespace vx {

// The body as quoted-printable with CR LF line ends. A line break of the text (LF, or CR LF)
// stays a line break; every other byte outside printable ASCII, '=', and a blank or tab at a
// line's end are written as =XX; lines longer than 76 characters get soft breaks. A text that
// does not end with a line break ends with a soft break, so it decodes to exactly its bytes.
std::string QuotedPrintable(std::string_view text);

// A header value: the bytes unchanged when they are printable ASCII that cannot be taken for
// an encoded word; otherwise decoded (UTF-8 when valid, else Windows-1252) and written as
// UTF-8 encoded words, folded with CR LF and a blank so no line grows long.
std::string HeaderValue(std::string_view bytes);

}  // namespace vx
