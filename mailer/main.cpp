// vxmail: sends one plain-text mail through an SMTP server and reports on standard output.
#include <curl/curl.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <iostream>
#include <string>
#include <vector>

#include "mailer/message.h"
#include "mailer/options.h"
#include "mailer/smtp_send.h"
#include "mailer/usage.h"
#include "platform/files.h"

namespace {

void Report(const std::string& line) { std::cout << "vxmail: " << line << '\n' << std::flush; }

std::string Joined(const std::vector<std::string>& items) {
  std::string text;
  for (const auto& item : items) text += (text.empty() ? "" : ", ") + item;
  return text;
}

int Run(const std::vector<std::string>& args) {
  const vx::ParsedCommandLine parsed = vx::ParseCommandLine(args);
  if (parsed.help) {
    std::cout << vx::UsageText();
    return 0;
  }
  if (!parsed.options) {
    Report("error: " + parsed.error);
    if (parsed.failure == vx::ExitCode::WrongCall) {
      Report("usage: vxmail BODYFILE -to ADDR -s SUBJECT -f SENDER -server HOST[:PORT] (vxmail --help)");
    }
    return static_cast<int>(parsed.failure);
  }
  const vx::MailerOptions& options = *parsed.options;

  errno = 0;
  std::optional<std::string> body;
  if (vx::FileExists(options.bodyFile)) body = vx::ReadWholeFile(options.bodyFile);
  if (!body) {
    const std::string reason = errno != 0 ? std::strerror(errno) : "not a regular file";
    Report("error: cannot read the body file " + options.bodyFile + " (" + reason + ")");
    return static_cast<int>(vx::ExitCode::BodyUnreadable);
  }

  Report("sending " + options.bodyFile + " from " + options.sender + " to " + Joined(options.recipients) + " via " +
         vx::ServerText(options));
  Report("subject: " + options.subject);
  const vx::SendOutcome outcome = vx::SendMail(options, vx::BuildMessage(options, *body, std::time(nullptr)));
  if (outcome.usedTls) Report("connection secured with STARTTLS");
  Report(outcome.verdict);
  return static_cast<int>(outcome.code);
}

}  // namespace

int main(int argc, char** argv) {
  curl_global_init(CURL_GLOBAL_DEFAULT);
  const int code = Run(std::vector<std::string>(argv + 1, argv + argc));
  curl_global_cleanup();
  return code;
}
