// Mails that vxmail hands to a real SMTP server arrive with the right envelope, headers and
// body, as Python's mail parser decodes them.
#include <regex>
#include <set>

#include "tests/mailer/vxmail_fixture.h"

namespace vxtest {
namespace {

using DeliveryTest = VxmailTest;

std::string WithLf(std::string text) {
  for (size_t i; (i = text.find("\r\n")) != std::string::npos;) text.erase(i, 1);
  return text;
}

// A UTF-8 body with what quoted-printable and SMTP must carry through unchanged.
std::string Utf8Body() {
  std::string longLine;
  for (int i = 0; i < 6; ++i) longLine += "Äpfel und Öl kosten 10 € = viel; ";
  return "Sehr geehrte Frau Müller,\r\n"
         "\r\n" +
         longLine + "\r\n" +
         "trailing blanks   \r\n"
         "trailing tab\t\r\n"
         ".\r\n"
         ".hidden line\r\n"
         "..two dots\r\n"
         "From the start\r\n"
         "=?UTF-8?B?SGFsbG8=?=\r\n" +
         std::string(76, 'x') + "\r\n" + std::string(77, 'y') + "\r\n" + std::string(74, 'z') + "ü\r\n" +
         std::string(75, ' ') + "\r\n"
         "Mit freundlichen Grüßen\r\n";
}

struct Case {
  const char* name;
  std::string subject;          // bytes on the command line
  std::string expectedSubject;  // UTF-8
  std::string body;             // bytes of the body file
  std::string expectedBody;     // UTF-8, line ends "\n"
  std::vector<std::string> extraArgs;
  std::string expectedCharset;
};

TEST_F(DeliveryTest, SubjectsAndBodiesArriveDecodedWithTheirHeaders) {
  std::string longSubject;
  for (int i = 0; i < 40; ++i) longSubject += "Prüfung Nr. " + std::to_string(i) + " – ";
  const std::vector<Case> cases = {
      {"utf8", "Grüße aus Köln – Ihre Rechnung", "Grüße aus Köln – Ihre Rechnung", Utf8Body(), WithLf(Utf8Body()),
       {}, "utf-8"},
      {"windows-1252", "Gr\xFC\xDF" "e f\xFCr \x80 100", "Grüße für € 100",
       "Sch\xF6ne Gr\xFC\xDF" "e\n\x84Zitat\x93\n", "Schöne Grüße\n„Zitat“\n", {}, "windows-1252"},
      {"charset option", "Preis", "Preis", "Preis: 5 \xA4\r\n", "Preis: 5 €\n", {"-charset", "iso-8859-15"},
       "iso-8859-15"},
      {"no final line break", "Invoice 42", "Invoice 42", "one\r\ntwo", "one\ntwo", {}, "utf-8"},
      {"text like an encoded word", "=?UTF-8?B?SGFsbG8=?= literally", "=?UTF-8?B?SGFsbG8=?= literally", "x\r\n",
       "x\n", {}, "utf-8"},
      {"long subject", longSubject, longSubject, "x\r\n", "x\n", {}, "utf-8"},
      {"empty", "", "", "", "", {}, "utf-8"},
  };
  std::set<std::string> messageIds;
  for (size_t i = 0; i < cases.size(); ++i) {
    const Case& c = cases[i];
    SCOPED_TRACE(c.name);
    const std::string bodyFile = sandbox.Write("body" + std::to_string(i) + ".txt", c.body);
    auto args = Args(bodyFile, "kunde@example.org", c.subject);
    args.insert(args.end(), c.extraArgs.begin(), c.extraArgs.end());
    const VxmailRun run = Run(args);
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("vxmail: sending " + bodyFile + " from info@vx-biz.de to kunde@example.org via " +
                           server.Host() + "\n"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("vxmail: accepted by the server: 250 "), std::string::npos) << run.out;

    const auto mails = server.Mails();
    ASSERT_EQ(mails.size(), i + 1);
    const ReceivedMail& mail = mails.back();
    EXPECT_EQ(mail.defects, "");
    EXPECT_EQ(mail.envelopeFrom, "info@vx-biz.de");
    EXPECT_EQ(mail.envelopeTo, std::vector<std::string>{"kunde@example.org"});
    EXPECT_EQ(mail.Header("From"), "info@vx-biz.de");
    EXPECT_EQ(mail.Header("To"), "kunde@example.org");
    EXPECT_EQ(mail.Header("Subject"), c.expectedSubject);
    EXPECT_EQ(mail.Header("MIME-Version"), "1.0");
    EXPECT_EQ(mail.Header("Content-Transfer-Encoding"), "quoted-printable");
    EXPECT_EQ(mail.charset, c.expectedCharset);
    EXPECT_EQ(mail.body, c.expectedBody);
    const std::regex date(R"((Mon|Tue|Wed|Thu|Fri|Sat|Sun), \d\d )"
                          R"((Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) \d{4} \d\d:\d\d:\d\d [+-]\d{4})");
    EXPECT_TRUE(std::regex_match(mail.Header("Date").value_or(""), date)) << mail.Header("Date").value_or("(none)");
    const std::string id = mail.Header("Message-ID").value_or("");
    EXPECT_TRUE(std::regex_match(id, std::regex(R"(<[^<>@\s]+@vx-biz\.de>)"))) << id;
    messageIds.insert(id);
    for (const char* header : {"Date", "From", "To", "Subject", "Message-ID", "MIME-Version", "Content-Type",
                               "Content-Transfer-Encoding"}) {
      EXPECT_EQ(mail.HeaderCount(header), 1) << header;
    }
    ExpectWireSafe(mail.raw);
  }
  EXPECT_EQ(messageIds.size(), cases.size()) << "every mail has its own Message-ID";
}

TEST_F(DeliveryTest, OneMailReachesEveryRecipient) {
  const std::string bodyFile = sandbox.Write("body.txt", "Hallo\r\n");
  const VxmailRun run =
      Run(Args(bodyFile, "a@example.org, Jörg Müller <joerg@example.org> ,, c@example.org", "Rundschreiben"));
  ASSERT_EQ(run.exitCode, 0) << run.out;
  EXPECT_NE(run.out.find(" to a@example.org, Jörg Müller <joerg@example.org>, c@example.org via "),
            std::string::npos)
      << run.out;
  const auto mails = server.Mails();
  ASSERT_EQ(mails.size(), 1u);
  EXPECT_EQ(mails[0].envelopeTo,
            (std::vector<std::string>{"a@example.org", "joerg@example.org", "c@example.org"}));
  EXPECT_EQ(mails[0].Header("To"), "a@example.org, Jörg Müller <joerg@example.org>, c@example.org");
  EXPECT_EQ(mails[0].defects, "");
  ExpectWireSafe(mails[0].raw);
}

TEST_F(DeliveryTest, ValuesArriveExactlyAsGiven) {
  // Whatever a shell would make of these, each is one argument and one value.
  const std::string subject = "\"Angebot\" 100% & mehr | ; $(touch pwned) `touch pwned2` > x < y ^ %PATH%";
  const std::string bodyFile = sandbox.Write("body with blanks.txt", "Text\r\n");
  struct Values {
    std::string to, subject, sender;
  };
  const std::vector<Values> cases = {
      {"kunde@example.org", subject, "info@vx-biz.de"},
      {"-rcpt@example.org", "-to", "-f@vx-biz.de"},
      {"kunde@example.org", "-server", "Verkauf <verkauf@vx-biz.de>"},
  };
  for (size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(cases[i].subject);
    const VxmailRun run = Run(Args(bodyFile, cases[i].to, cases[i].subject, cases[i].sender));
    ASSERT_EQ(run.exitCode, 0) << run.out;
    const auto mails = server.Mails();
    ASSERT_EQ(mails.size(), i + 1);
    EXPECT_EQ(mails[i].Header("Subject"), cases[i].subject);
    EXPECT_EQ(mails[i].Header("To"), cases[i].to);
    EXPECT_EQ(mails[i].Header("From"), cases[i].sender);
    EXPECT_EQ(mails[i].body, "Text\n");
  }
  EXPECT_EQ(server.Mails()[2].envelopeFrom, "verkauf@vx-biz.de");
  EXPECT_FALSE(sandbox.Read("cwd/pwned").has_value());
  EXPECT_FALSE(sandbox.Read("cwd/pwned2").has_value());
}

TEST_F(DeliveryTest, HelpNamesEveryExitCode) {
  const VxmailRun run = Run({"--help"});
  EXPECT_EQ(run.exitCode, 0);
  for (int code = 0; code <= 8; ++code) {
    EXPECT_NE(run.out.find("\n  " + std::to_string(code) + "  "), std::string::npos) << code;
  }
  EXPECT_TRUE(server.Messages().empty());
}

class StartTlsTest : public VxmailTest {
 protected:
  StartTlsTest() : VxmailTest(Options()) {}
  static SmtpServerOptions Options() {
    SmtpServerOptions options;
    options.startTls = true;
    return options;
  }
};

TEST_F(StartTlsTest, UsesStartTlsWhenOfferedAndChecksTheCertificate) {
  const std::string bodyFile = sandbox.Write("body.txt", "Geheim: Grüße\r\n");
  auto withOption = Args(bodyFile, "kunde@example.org", "TLS");
  withOption.insert(withOption.end(), {"-cacert", server.CertificateFile()});
  const VxmailRun byOption = Run(withOption);
  ASSERT_EQ(byOption.exitCode, 0) << byOption.out;
  EXPECT_NE(byOption.out.find("vxmail: connection secured with STARTTLS\n"), std::string::npos) << byOption.out;

  const VxmailRun byEnvironment =
      Run(Args(bodyFile, "kunde@example.org", "TLS"), {{"VXMAIL_CACERT", server.CertificateFile()}});
  ASSERT_EQ(byEnvironment.exitCode, 0) << byEnvironment.out;

  // A certificate nobody vouches for stops the mail; it is not sent without TLS instead.
  const VxmailRun untrusted = Run(Args(bodyFile, "kunde@example.org", "TLS"));
  EXPECT_EQ(untrusted.exitCode, 8) << untrusted.out;
  EXPECT_NE(untrusted.out.find("vxmail: error: sending failed: "), std::string::npos) << untrusted.out;

  const auto mails = server.Mails();
  ASSERT_EQ(mails.size(), 2u);
  for (const auto& mail : mails) {
    EXPECT_TRUE(mail.tls);
    EXPECT_EQ(mail.body, "Geheim: Grüße\n");
  }
}

class LoginTest : public VxmailTest {
 protected:
  LoginTest() : VxmailTest(Options()) {}
  static SmtpServerOptions Options() {
    SmtpServerOptions options;
    options.startTls = true;
    options.login = "vxuser";
    options.password = "ge:he1m $x \"ü\"";
    return options;
  }
};

TEST_F(LoginTest, LogsInFromTheEnvironmentOrTheOptions) {
  const std::string bodyFile = sandbox.Write("body.txt", "Hallo\r\n");
  const std::string password = "ge:he1m $x \"ü\"";
  const std::map<std::string, std::string> trust = {{"VXMAIL_CACERT", server.CertificateFile()}};
  auto withEnv = [&](std::map<std::string, std::string> env) {
    env.insert(trust.begin(), trust.end());
    return env;
  };
  const auto args = Args(bodyFile, "kunde@example.org", "Login");

  const VxmailRun fromEnvironment =
      Run(args, withEnv({{"VXMAIL_USER", "vxuser"}, {"VXMAIL_PASSWORD", password}}));
  EXPECT_EQ(fromEnvironment.exitCode, 0) << fromEnvironment.out;

  auto withOptions = args;
  withOptions.insert(withOptions.end(), {"-u", "vxuser", "-pw", password});
  const VxmailRun fromOptions = Run(withOptions, withEnv({{"VXMAIL_USER", "other"}, {"VXMAIL_PASSWORD", "wrong"}}));
  EXPECT_EQ(fromOptions.exitCode, 0) << fromOptions.out;

  const VxmailRun wrongPassword = Run(args, withEnv({{"VXMAIL_USER", "vxuser"}, {"VXMAIL_PASSWORD", "wrong"}}));
  EXPECT_EQ(wrongPassword.exitCode, 7) << wrongPassword.out;
  EXPECT_NE(wrongPassword.out.find("vxmail: error: the server refused the login for vxuser: 535 "), std::string::npos)
      << wrongPassword.out;
  EXPECT_EQ(wrongPassword.out.find(password), std::string::npos) << "the report never shows the password";

  const VxmailRun noLogin = Run(args, trust);
  EXPECT_EQ(noLogin.exitCode, 6) << noLogin.out;
  EXPECT_NE(noLogin.out.find("vxmail: error: sender info@vx-biz.de rejected by the server: 530 "), std::string::npos)
      << noLogin.out;

  const auto mails = server.Mails();
  ASSERT_EQ(mails.size(), 2u);
  for (const auto& mail : mails) EXPECT_EQ(mail.login, "vxuser");
}

}  // namespace
}  // namespace vxtest
