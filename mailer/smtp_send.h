#pragma once
// Handing a finished mail to the SMTP server through libcurl.
#include <string>

#include "mailer/exit_codes.h"
#include "mailer/options.h"

namespace vx {

struct SendOutcome {
  ExitCode code = ExitCode::TransferFailed;
  std::string verdict;   // one line: the server's acceptance or what went wrong
  bool usedTls = false;  // the session was switched to TLS with STARTTLS
};

// Sends `message` (CR LF line ends) from options.sender to every recipient through
// options.host:options.port, with STARTTLS when the server offers it and a login when a user
// is given. The mail goes to all recipients or, when the server refuses one, to none.
SendOutcome SendMail(const MailerOptions& options, const std::string& message);

// "host:port", an IPv6 address in brackets.
std::string ServerText(const MailerOptions& options);

}  // namespace vx
