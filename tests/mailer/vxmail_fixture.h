#pragma once
// Runs the built vxmail as a separate process, each argument handed over as it is, beside a
// real SMTP server on 127.0.0.1.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "tests/support/sandbox.h"
#include "tests/support/smtp_server.h"

namespace vxtest {

struct VxmailRun {
  int exitCode = -1;
  std::string out;  // standard output: the report
  std::string err;  // standard error
};

class VxmailTest : public ::testing::Test {
 protected:
  explicit VxmailTest(SmtpServerOptions options = {}) : server(std::move(options)) {}

  // Runs vxmail with these arguments; the VXMAIL_ variables are empty unless env sets them.
  VxmailRun Run(const std::vector<std::string>& args, const std::map<std::string, std::string>& env = {});
  // The usual call: body file, -to, -s, -f, -server in the order the batch run gives them.
  std::vector<std::string> Args(const std::string& bodyFile, const std::string& to, const std::string& subject,
                                const std::string& sender = "info@vx-biz.de") const;

  Sandbox sandbox;
  SmtpServer server;

 private:
  int runs_ = 0;
};

// Every line ends with CR LF, every byte is 7-bit, no header line is longer than 78
// characters and no body line longer than quoted-printable's 76 or ending with a blank or tab.
void ExpectWireSafe(const std::string& raw);

}  // namespace vxtest
