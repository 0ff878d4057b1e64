#pragma once
// The mail as it goes over the wire: headers and a quoted-printable text body, CR LF line ends.
#include <ctime>
#include <string>
#include <string_view>

#include "mailer/options.h"

namespace vx {

// The charset the body is labelled with: -charset when given, else utf-8 for valid UTF-8
// and windows-1252 for any other bytes.
std::string BodyCharset(const MailerOptions& options, std::string_view body);

// Date, From, To, Subject, Message-ID, MIME-Version, Content-Type and
// Content-Transfer-Encoding, an empty line, then the body. `now` gives the Date.
std::string BuildMessage(const MailerOptions& options, std::string_view body, std::time_t now);

}  // namespace vx
