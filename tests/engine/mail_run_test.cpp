// A check and send through the real mailer vxmail and a real SMTP server on loopback.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mailer/exit_codes.h"
#include "platform/files.h"
#include "tests/support/sandbox.h"
#include "tests/support/smtp_server.h"
#include "vxbiz/engine/batch_run.h"

namespace {

using Lines = std::vector<std::string>;

class MailRun : public ::testing::Test {
 protected:
  void SetUp() override {
    config.BlatPath = std::string(VX_BIN_DIR) + "/vxmail";
    ASSERT_TRUE(vx::FileExists(config.BlatPath)) << "build the target vxmail first";
    config.TempDir = sandbox.Folder("temp");
    profile.Template = sandbox.Write("template.txt", "Hallo {Vorname} {Name},\nIhre Adresse: {Email}\n");
    profile.Sender = "absender@example.org";
    profile.Subject = "Grüße aus Köln";
    profile.RecipientField = "email";
    profile.Delim = ";";
    vxtest::MessageRecorder messages;
    ASSERT_TRUE(vx::LoadDataFile(sandbox.Write("data.txt",
                                               "Vorname;Name;Email\n"
                                               "Anna;Meier;meier@example.org\n"
                                               "Jörg;Müller;abgelehnt@example.org\n"
                                               "Eva;Schulz;schulz@example.org\n"),
                                 profile, config, table));
  }
  // The lines that follow the check, one group per row: its first line and whether the
  // mailer reported anything after it.
  void ExpectRows(const std::vector<std::string>& firstLines) {
    const Lines& lines = log.Lines();
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 5),
              (Lines{"------ Check ------", "Template: OK", "Blat.exe: OK", "Empfänger-Feld gefunden in Spalte: 3 ...OK", ""}));
    size_t at = 5;
    for (const auto& first : firstLines) {
      ASSERT_LT(at, lines.size());
      EXPECT_EQ(lines[at], first);
      size_t end = at + 1;
      while (end < lines.size() && !lines[end].empty()) ++end;
      EXPECT_GT(end, at + 1) << "no mailer report after " << first;
      at = end + 1;
    }
    EXPECT_EQ(Lines(lines.begin() + static_cast<long>(std::min(at, lines.size())), lines.end()), (Lines{"", "Fertig!"}));
  }
  std::string Report() const {
    std::string text;
    for (const auto& line : log.Lines()) text += line + "\n";
    return text;
  }

  vxtest::Sandbox sandbox;
  vx::TConfig config;
  vx::TProfile profile;
  vx::RecipientTable table;
  vx::StatusLog log;
};

TEST_F(MailRun, EveryRowArrivesWithItsHeadersAndMergedBody) {
  vxtest::SmtpServer server;
  config.SMTP = server.Host();
  vx::RunBatch(vx::kCheckAndSend, config, profile, table, log);
  ExpectRows({"Mail 1 gesendet.", "Mail 2 gesendet.", "Mail 3 gesendet."});
  const auto mails = server.Mails();
  ASSERT_EQ(mails.size(), 3u) << Report();
  const std::vector<std::vector<std::string>> expected = {
      {"meier@example.org", "Hallo Anna Meier,\nIhre Adresse: meier@example.org\n"},
      {"abgelehnt@example.org", "Hallo Jörg Müller,\nIhre Adresse: abgelehnt@example.org\n"},
      {"schulz@example.org", "Hallo Eva Schulz,\nIhre Adresse: schulz@example.org\n"}};
  for (size_t i = 0; i < mails.size(); ++i) {
    EXPECT_EQ(mails[i].envelopeTo, Lines{expected[i][0]});
    EXPECT_EQ(mails[i].envelopeFrom, "absender@example.org");
    EXPECT_NE(mails[i].Header("To").value_or("").find(expected[i][0]), std::string::npos);
    EXPECT_NE(mails[i].Header("From").value_or("").find("absender@example.org"), std::string::npos);
    EXPECT_EQ(mails[i].Header("Subject"), "Grüße aus Köln");
    EXPECT_EQ(mails[i].body, expected[i][1]);
    EXPECT_EQ(mails[i].defects, "");
  }
}

TEST_F(MailRun, ARejectedRecipientGivesTheErrorLineAndTheMailersReport) {
  vxtest::SmtpServer server(vxtest::SmtpServerOptions{{"abgelehnt@example.org"}, false});
  config.SMTP = server.Host();
  vx::RunBatch(vx::kCheckAndSend, config, profile, table, log);
  ExpectRows({"Mail 1 gesendet.",
              "FEHLER: Mail 2 konnte nicht gesendet werden (Exit-Code " +
                  std::to_string(static_cast<int>(vx::ExitCode::RecipientRejected)) + ").",
              "Mail 3 gesendet."});
  const auto mails = server.Mails();
  ASSERT_EQ(mails.size(), 2u) << Report();
  EXPECT_EQ(mails[0].envelopeTo, Lines{"meier@example.org"});
  EXPECT_EQ(mails[1].envelopeTo, Lines{"schulz@example.org"});
}

TEST_F(MailRun, AStoppedServerGivesTheErrorLineAndTheMailersReportForEveryRow) {
  vxtest::SmtpServer server;
  config.SMTP = server.Host();
  server.Stop();
  vx::RunBatch(vx::kCheckAndSend, config, profile, table, log);
  std::vector<std::string> firstLines;
  for (int row = 1; row <= 3; ++row)
    firstLines.push_back("FEHLER: Mail " + std::to_string(row) + " konnte nicht gesendet werden (Exit-Code " +
                         std::to_string(static_cast<int>(vx::ExitCode::NoConnection)) + ").");
  ExpectRows(firstLines);
}

}  // namespace
