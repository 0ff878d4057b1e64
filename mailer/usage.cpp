#include "mailer/usage.h"

namespace vx {

std::string UsageText() {
  return R"(Usage: vxmail BODYFILE -to ADDR[,ADDR...] -s SUBJECT -f SENDER -server HOST[:PORT]
              [-port N] [-u USER] [-pw PASSWORD] [-charset NAME] [-cacert FILE]

Sends the text of BODYFILE as one plain-text mail to every address after -to,
through the SMTP server after -server (port 25 unless given), using STARTTLS
when the server offers it. Each argument is one value, taken exactly as given.

  -to ADDR[,ADDR...]  recipients, separated by commas ("Name <addr>" allowed)
  -s SUBJECT          the subject (UTF-8, or Windows-1252 when not valid UTF-8)
  -f SENDER           the sender
  -server HOST[:PORT] the SMTP server; -port N overrides its port
  -u USER, -pw PASSWORD
                      login; default: the environment's VXMAIL_USER and VXMAIL_PASSWORD
  -charset NAME       charset of the body; default utf-8 when the body is valid
                      UTF-8, else windows-1252
  -cacert FILE        certificates to trust for STARTTLS (default: VXMAIL_CACERT,
                      else the system's)

The report goes to standard output: what is sent to whom, then the server's verdict.

Exit codes:
  0  the server accepted the mail
  1  wrong call: an option missing, unknown, repeated, without value or with a bad value
  2  a recipient, the subject or the sender holds a line break (CR or LF)
  3  the body file cannot be read
  4  no connection to the server (refused, unknown host, timeout)
  5  the server rejected a recipient; the mail was sent to nobody
  6  the server rejected the sender or the message
  7  the server refused the login
  8  another transfer failure (TLS, connection lost, unexpected reply)
)";
}

}  // namespace vx
