// The command-line mode end to end: the real program as its own process, with no screen,
// sending through the real mailer to a real SMTP server on loopback.
#include <QProcess>
#include <QProcessEnvironment>
#include <filesystem>
#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "platform/files.h"
#include "tests/support/sandbox.h"
#include "tests/support/smtp_server.h"

namespace vxtest {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

struct ProgramRun {
  bool ended = false;
  int exitCode = -1;
  std::string errors;  // standard error
};

class CommandLineTest : public ::testing::Test {
 protected:
  CommandLineTest() : temp(sandbox.Folder("temp")) {}

  // Runs vxbiz in the sandbox's working folder as an unattended job: no screen, no platform chosen.
  ProgramRun RunVxbiz(const std::vector<std::string>& parameters) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(QString::fromStdString(sandbox.Root() + "cwd"));
    QStringList arguments;
    for (const std::string& parameter : parameters) arguments << QString::fromStdString(parameter);
    process.start(VX_BIN_DIR "/vxbiz", arguments);
    ProgramRun run;
    run.ended = process.waitForFinished(20000);
    if (!run.ended) process.kill(), process.waitForFinished();
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.errors = process.readAllStandardError().toStdString();
    return run;
  }
  void WriteLocalSettings(const std::string& smtp, const std::string& tempDir) {
    sandbox.Write("cwd/vxbiz.ini", "[config]\nSMTP=" + smtp + "\nBlatPath=" VX_BIN_DIR "/vxmail\nTempDir=" + tempDir +
                                       "\nShowProfileOnLoad=1\n");
  }
  std::string WriteProfile(const std::string& recipientField) {
    const std::string templ = sandbox.Write("data/brief.txt", "Hallo {Vorname} {Name},\nbis bald in Köln.\n");
    return sandbox.Write("data/messe.prf", "[profile]\nTemplate=" + templ + "\nSender=vertrieb@firma.example\n"
                                           "RecipientField=" + recipientField + "\nSubject=Grüße zur Messe\nDelim=;\n");
  }
  std::string WriteData() {
    return sandbox.Write("data/kunden.txt", "Vorname;Name;Email\n"
                                            "Anna;Müller;anna@kunden.example\n"
                                            "Jörg;Schäfer;joerg@kunden.example\n"
                                            "Zoë;Weiß;zoe@kunden.example\n");
  }
  // The lines of the one run log in folder (CR LF after every line).
  std::vector<std::string> SavedLog(const std::string& folder) {
    std::vector<std::string> logs;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
      if (entry.path().filename().string().starts_with("Log_")) logs.push_back(entry.path().string());
    EXPECT_EQ(logs.size(), 1u);
    if (logs.size() != 1) return {};
    const std::string text = vx::ReadWholeFile(logs[0]).value_or("");
    std::vector<std::string> lines;
    for (size_t start = 0; start < text.size();) {
      const size_t end = text.find("\r\n", start);
      EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
      if (end == std::string::npos) break;
      lines.push_back(text.substr(start, end - start));
      start = end + 2;
    }
    return lines;
  }
  static std::vector<std::string> CheckPassed() {
    return {"------ Check ------", "Template: OK", "Blat.exe: OK", "Empfänger-Feld gefunden in Spalte: 3 ...OK", ""};
  }

  Sandbox sandbox;
  std::string temp;
};

TEST_F(CommandLineTest, SendsEveryRowAndEndsWithZero) {
  SmtpServer server;
  WriteLocalSettings(server.Host(), temp);
  const ProgramRun run = RunVxbiz({WriteProfile("email"), WriteData()});
  ASSERT_TRUE(run.ended);
  EXPECT_EQ(run.exitCode, 0) << run.errors;

  const auto mails = server.Mails();
  ASSERT_EQ(mails.size(), 3u);
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"anna@kunden.example", "Hallo Anna Müller,"}, {"joerg@kunden.example", "Hallo Jörg Schäfer,"},
      {"zoe@kunden.example", "Hallo Zoë Weiß,"}};
  for (size_t i = 0; i < mails.size(); ++i) {
    EXPECT_THAT(mails[i].envelopeTo, ElementsAre(expected[i].first));
    EXPECT_EQ(mails[i].Header("Subject").value_or(""), "Grüße zur Messe");
    EXPECT_THAT(mails[i].body, HasSubstr(expected[i].second + "\nbis bald in Köln."));
  }

  const std::vector<std::string> log = SavedLog(temp);
  ASSERT_GE(log.size(), 7u);
  EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + 5), CheckPassed());
  EXPECT_EQ(log[5], "Mail 1 gesendet.");
  EXPECT_EQ(log[log.size() - 2], "");
  EXPECT_EQ(log.back(), "Fertig!");
  for (const char* line : {"Mail 2 gesendet.", "Mail 3 gesendet."})
    EXPECT_NE(std::find(log.begin(), log.end(), line), log.end()) << line;
}

TEST_F(CommandLineTest, FailedCheckOrMissingProfileSendsNothingAndEndsWithOne) {
  struct Case { const char* what; std::string profile; const char* tempFolder; std::vector<std::string> log; };
  const std::vector<Case> cases = {
      {"recipient field missing", WriteProfile("Fax"), "temp-check",
       {"------ Check ------", "Template: OK", "Blat.exe: OK", "Empfänger-Feld nicht gefunden! "}},
      {"profile file missing", sandbox.Path("data/gibtsnicht.prf"), "temp-profile",
       {"------ Check ------", "FEHLER: Template nicht gefunden: ", "Blat.exe: OK", "Empfänger-Feld nicht gefunden! "}},
  };
  SmtpServer server;
  for (const Case& c : cases) {
    const std::string tempDir = sandbox.Folder(c.tempFolder);
    WriteLocalSettings(server.Host(), tempDir);
    const ProgramRun run = RunVxbiz({c.profile, WriteData()});
    ASSERT_TRUE(run.ended) << c.what;
    EXPECT_EQ(run.exitCode, 1) << c.what << run.errors;
    EXPECT_EQ(SavedLog(tempDir), c.log) << c.what;
  }
  EXPECT_TRUE(server.Mails().empty());
}

TEST_F(CommandLineTest, RejectedRecipientEndsWithOneAfterTheOtherMails) {
  SmtpServerOptions options;
  options.rejectedRecipients = {"joerg@kunden.example"};
  SmtpServer server(options);
  WriteLocalSettings(server.Host(), temp);
  const ProgramRun run = RunVxbiz({WriteProfile("Email"), WriteData()});
  ASSERT_TRUE(run.ended);
  EXPECT_EQ(run.exitCode, 1) << run.errors;
  EXPECT_EQ(server.Mails().size(), 2u);
  const std::vector<std::string> log = SavedLog(temp);
  EXPECT_EQ(std::count_if(log.begin(), log.end(),
                          [](const std::string& line) { return line.starts_with("FEHLER: Mail 2 konnte nicht gesendet"); }),
            1);
  EXPECT_EQ(log.back(), "Fertig!");
}

TEST_F(CommandLineTest, ErrorThatStopsTheRunIsReportedOnStandardErrorAndEndsWithTwo) {
  SmtpServer server;
  // TempDir missing: neither the body file nor the log can be written.
  const std::string missing = sandbox.Path("fehlt/");
  WriteLocalSettings(server.Host(), missing);
  ProgramRun run = RunVxbiz({WriteProfile("Email"), WriteData()});
  ASSERT_TRUE(run.ended) << "the program must not wait for a user";
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_THAT(run.errors, HasSubstr("VX - BIZ: Datei " + missing + "body.txt kann nicht erstellt werden.\n"));
  EXPECT_THAT(run.errors, HasSubstr("VX - BIZ: Datei " + missing + "Log_"));

  // The body file's place is taken by a folder: the run stops, and the log of the lines so far is saved.
  sandbox.Folder("temp/body.txt");
  WriteLocalSettings(server.Host(), temp);
  run = RunVxbiz({WriteProfile("Email"), WriteData()});
  ASSERT_TRUE(run.ended);
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_THAT(run.errors, HasSubstr("VX - BIZ: Datei " + temp + "body.txt kann nicht erstellt werden.\n"));
  EXPECT_EQ(SavedLog(temp), CheckPassed());
  EXPECT_TRUE(server.Mails().empty());
}

TEST_F(CommandLineTest, WithoutScreenOtherParameterCountsEndAtOnce) {
  for (const auto& parameters : {std::vector<std::string>{}, std::vector<std::string>{"a.prf"},
                                 std::vector<std::string>{"a.prf", "b.txt", "c"}}) {
    const ProgramRun run = RunVxbiz(parameters);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_THAT(run.errors, HasSubstr("VX - BIZ: Ohne Bildschirm"));
  }
  EXPECT_FALSE(vx::FileExists(sandbox.Path("cwd/vxbiz.ini")));
}

}  // namespace
}  // namespace vxtest
