// Every way vxmail can fail gives its own line on standard output and its own exit code, and
// no mail reaches the server.
#include "tests/mailer/vxmail_fixture.h"
#include "tests/support/free_port.h"

namespace vxtest {
namespace {

class FailureTest : public VxmailTest {
 protected:
  FailureTest() : VxmailTest(Options()) {}
  static SmtpServerOptions Options() {
    SmtpServerOptions options;
    options.rejectedRecipients = {"gone@example.org"};
    return options;
  }
};

struct Case {
  const char* name;
  std::vector<std::string> args;
  int exitCode;
  std::string line;  // a part of the report line
};

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

TEST_F(FailureTest, EachFailureHasItsLineAndExitCode) {
  const std::string body = sandbox.Write("body.txt", "Hallo\r\n");
  const std::string host = server.Host();
  const std::string closedPort = "127.0.0.1:" + std::to_string(FreePort());
  const std::string from = "info@vx-biz.de";
  const std::vector<Case> cases = {
      {"missing -to", {body, "-s", "x", "-f", from, "-server", host}, 1, "vxmail: error: missing option -to\n"},
      {"missing -f", {body, "-to", "a@example.org", "-s", "x", "-server", host}, 1,
       "vxmail: error: missing option -f\n"},
      {"missing -server", {body, "-to", "a@example.org", "-s", "x", "-f", from}, 1,
       "vxmail: error: missing option -server\n"},
      {"missing body file", {"-to", "a@example.org", "-s", "x", "-f", from, "-server", host}, 1,
       "vxmail: error: missing the body file (the first argument)\n"},
      {"no value", {body, "-to", "a@example.org", "-f", from, "-server", host, "-s"}, 1,
       "vxmail: error: option -s needs a value\n"},
      {"unknown option", With(Args(body, "a@example.org", "x"), {"-bcc", "b@example.org"}), 1,
       "vxmail: error: unknown option -bcc\n"},
      {"repeated option", With(Args(body, "a@example.org", "x"), {"-to", "b@example.org"}), 1,
       "vxmail: error: option -to is given twice\n"},
      {"second body file", With(Args(body, "a@example.org", "x"), {"other.txt"}), 1,
       "vxmail: error: unexpected argument other.txt"},
      {"bad port", With(Args(body, "a@example.org", "x"), {"-port", "25x"}), 1,
       "vxmail: error: option -port needs a number from 1 to 65535\n"},
      {"port out of range", With(Args(body, "a@example.org", "x"), {"-port", "65536"}), 1,
       "vxmail: error: option -port needs"},
      {"server with a path", {body, "-to", "a@example.org", "-f", from, "-server", host + "/x"}, 1,
       "vxmail: error: option -server needs HOST or HOST:PORT"},
      {"server with a user", {body, "-to", "a@example.org", "-f", from, "-server", "evil@" + host}, 1,
       "vxmail: error: option -server needs HOST or HOST:PORT"},
      {"bad charset", With(Args(body, "a@example.org", "x"), {"-charset", "utf-8\"; x=1"}), 1,
       "vxmail: error: option -charset needs a charset name"},
      {"no recipient", Args(body, " , ", "x"), 1, "vxmail: error: option -to names no recipient\n"},
      {"empty sender", Args(body, "a@example.org", "x", ""), 1, "vxmail: error: option -f names no sender\n"},
      {"CR LF in subject", Args(body, "a@example.org", "Hallo\r\nBcc: evil@example.org"), 2,
       "vxmail: error: the subject must not contain a line break (CR or LF)\n"},
      {"LF in recipient", Args(body, "a@example.org>\nRCPT TO:<evil@example.org", "x"), 2,
       "vxmail: error: the recipient must not contain a line break (CR or LF)\n"},
      {"CR in sender", Args(body, "a@example.org", "x", "info@vx-biz.de\rX: y"), 2,
       "vxmail: error: the sender must not contain a line break (CR or LF)\n"},
      {"no body file", Args(sandbox.Path("missing.txt"), "a@example.org", "x"), 3,
       "vxmail: error: cannot read the body file " + sandbox.Path("missing.txt") + " (No such file or directory)\n"},
      {"body is a folder", Args(sandbox.Folder("folder"), "a@example.org", "x"), 3,
       "vxmail: error: cannot read the body file " + sandbox.Path("folder/")},
      {"connection refused", {body, "-to", "a@example.org", "-f", from, "-server", closedPort}, 4,
       "vxmail: error: cannot connect to " + closedPort + ": "},
      {"refused by -port", With(Args(body, "a@example.org", "x"), {"-port", closedPort.substr(10)}), 4,
       "vxmail: error: cannot connect to " + closedPort + ": "},
      {"rejected recipient", Args(body, "a@example.org, gone@example.org, c@example.org", "x"), 5,
       "vxmail: error: recipient gone@example.org rejected by the server, the mail was sent to nobody: 550 "},
      {"rejected only recipient", Args(body, "Gone <GONE@example.org>", "x"), 5,
       "vxmail: error: recipient GONE@example.org rejected by the server"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const VxmailRun run = Run(c.args);
    EXPECT_EQ(run.exitCode, c.exitCode) << run.out;
    EXPECT_NE(run.out.find(c.line), std::string::npos) << run.out;
    EXPECT_EQ(run.err, "");
  }
  EXPECT_TRUE(server.Messages().empty());
}

TEST_F(FailureTest, AStoppedServerRefusesTheConnection) {
  const std::string body = sandbox.Write("body.txt", "Hallo\r\n");
  server.Stop();
  const VxmailRun run = Run(Args(body, "a@example.org", "x"));
  EXPECT_EQ(run.exitCode, 4);
  EXPECT_NE(run.out.find("vxmail: sending " + body + " from info@vx-biz.de to a@example.org via " + server.Host() +
                         "\nvxmail: subject: x\nvxmail: error: cannot connect to " + server.Host() + ": "),
            std::string::npos)
      << run.out;
}

}  // namespace
}  // namespace vxtest
