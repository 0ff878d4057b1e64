#pragma once
// The exit codes of vxmail; each failure has its own, so a caller can tell them apart.

namespace vx {

enum class ExitCode : int {
  Sent = 0,                // the server accepted the mail for every recipient
  WrongCall = 1,           // an option is missing, unknown, given twice, lacks its value or has a bad value
  LineBreakInHeader = 2,   // a recipient, subject or sender holds CR or LF
  BodyUnreadable = 3,      // the body file cannot be read
  NoConnection = 4,        // the server cannot be reached (refused, unknown host, timeout)
  RecipientRejected = 5,   // the server refused a recipient; the mail went to nobody
  MailRejected = 6,        // the server refused the sender or the message
  LoginFailed = 7,         // the server refused the login
  TransferFailed = 8,      // anything else on the way: TLS, a lost connection, an odd reply
};

}  // namespace vx
