#pragma once
// The command line of vxmail: BODYFILE -to ADDR[,ADDR...] -s SUBJECT -f SENDER -server HOST[:PORT]
// and the optional -port, -u, -pw, -charset and -cacert. Every argument is taken as one value,
// exactly as given.
#include <optional>
#include <string>
#include <vector>

#include "mailer/exit_codes.h"

namespace vx {

struct MailerOptions {
  std::string bodyFile;
  std::vector<std::string> recipients;  // as given between the commas, blanks around them removed
  std::string subject;                  // bytes as given; may be empty
  std::string sender;
  std::string host;                     // a name or address, IPv6 without brackets
  int port = 25;
  std::string user, password;           // from -u/-pw, else VXMAIL_USER/VXMAIL_PASSWORD
  std::string charset;                  // the body's charset label; empty: chosen from the bytes
  std::string caFile;                   // certificates to trust for STARTTLS, from -cacert or VXMAIL_CACERT
};

struct ParsedCommandLine {
  bool help = false;                     // --help, -h or -?: show the usage and stop
  std::optional<MailerOptions> options;  // set when the command line is complete and sound
  ExitCode failure = ExitCode::Sent;     // otherwise why not
  std::string error;                     // and the line that says so
};

// Reads the arguments after the program name.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args);

}  // namespace vx
