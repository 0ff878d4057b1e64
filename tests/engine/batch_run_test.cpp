#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/files.h"
#include "tests/support/sandbox.h"
#include "vxbiz/engine/batch_run.h"
#include "vxbiz/engine/run_error.h"

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

// A run against a data file, a template and a mailer script in the test's own folder.
class BatchRun : public ::testing::Test {
 protected:
  void SetUp() override {
    config.TempDir = sandbox.Folder("temp");
    config.SMTP = "127.0.0.1:2525";
    profile.Template = sandbox.Write("template.txt", "Hallo {Name},\nEnde\n");
    profile.Sender = "absender@example.org";
    profile.Subject = "Betreff";
    profile.RecipientField = "Email";
    profile.Delim = ";";
  }
  void LoadData(const std::string& text) {
    vxtest::MessageRecorder messages;
    ASSERT_TRUE(vx::LoadDataFile(sandbox.Write("data.txt", text), profile, config, table));
  }
  // A mailer: a shell script with the given commands, made executable.
  std::string Mailer(const std::string& relative, const std::string& commands, bool executable = true) {
    const std::string path = sandbox.Write(relative, "#!/bin/sh\n" + commands);
    fs::permissions(path, executable ? fs::perms::owner_all : fs::perms::owner_read | fs::perms::owner_write);
    return path;
  }
  // The arguments each call of a recording mailer received, one list per call.
  std::vector<Lines> RecordedCalls() const {
    std::vector<Lines> calls;
    for (const auto& line : Split(sandbox.Read("calls.rec").value_or(""), '\n')) calls.push_back(Split(line, '\0'));
    return calls;
  }
  static Lines Split(const std::string& text, char separator) {
    Lines parts;
    size_t start = 0;
    for (size_t end; (end = text.find(separator, start)) != std::string::npos; start = end + 1)
      parts.push_back(text.substr(start, end - start));
    return parts;
  }
  // Writes every argument NUL-terminated, one call per line, then reports like a mailer.
  std::string RecordingMailerCommands() const {
    return "for a in \"$0\" \"$@\"; do printf '%s\\0' \"$a\"; done >> '" + sandbox.Path("calls.rec") +
           "'\necho >> '" + sandbox.Path("calls.rec") + "'\necho \"gesendet an $3\"\n";
  }
  Lines Run(int mode) {
    vx::RunBatch(mode, config, profile, table, log);
    return log.Lines();
  }

  vxtest::Sandbox sandbox;
  vx::TConfig config;
  vx::TProfile profile;
  vx::RecipientTable table;
  vx::StatusLog log;
};

TEST_F(BatchRun, ACheckOfAValidProfileGivesFiveLinesAndWritesNothing) {
  config.BlatPath = Mailer("mailer", "echo nie\n");
  LoadData("Name;Vorname;EMail\nMeier;Anna;anna@x\n");
  EXPECT_EQ(Run(vx::kCheckOnly), (Lines{"------ Check ------", "Template: OK", "Blat.exe: OK",
                                        "Empfänger-Feld gefunden in Spalte: 3 ...OK", ""}));
  EXPECT_TRUE(fs::is_empty(config.TempDir));
}

TEST_F(BatchRun, AFailedCheckEndsTheRunBeforeAnyMail) {
  config.BlatPath = sandbox.Path("no/mailer");
  profile.Template.clear();
  LoadData("Name;Mail\nMeier;m@x\n");
  EXPECT_EQ(Run(vx::kCheckAndSend),
            (Lines{"------ Check ------", "FEHLER: Template nicht gefunden: ",
                   "FEHLER: Blat.exe nicht gefunden: " + config.BlatPath, "Empfänger-Feld nicht gefunden! "}));
  EXPECT_TRUE(fs::is_empty(config.TempDir));
}

TEST_F(BatchRun, ASendOfTwoRowsReportsEveryMailWithTheMailersOutput) {
  config.BlatPath = Mailer("mailer", "printf 'an %s\\r\\n' \"$3\"\nprintf 'zweite Zeile\\n'\n");
  LoadData("Name;email;Email\nMeierhofer;alt1@x;meier@x\nLi;alt2@x;schulz@x\n");
  EXPECT_EQ(Run(vx::kCheckAndSend),
            (Lines{"------ Check ------", "Template: OK", "Blat.exe: OK", "Empfänger-Feld gefunden in Spalte: 2 ...OK",
                   "Empfänger-Feld gefunden in Spalte: 3 ...OK", "", "Mail 1 gesendet.", "an meier@x", "zweite Zeile",
                   "", "Mail 2 gesendet.", "an schulz@x", "zweite Zeile", "", "", "Fertig!"}));
  // The working files of the last row stay; its shorter body leaves nothing of the first.
  EXPECT_EQ(sandbox.Read("temp/body.txt"), "Hallo Li,\r\nEnde\r\n");
  EXPECT_EQ(sandbox.Read("temp/vxbiz.log"), "an schulz@x\r\nzweite Zeile\n");
}

TEST_F(BatchRun, HostileValuesReachTheMailerUnchangedAndStartNothing) {
  const std::string pwned = sandbox.Path("PWNED");
  const std::vector<std::string> hostile = {
      "\"; touch " + pwned + "; echo \"",
      "$(touch " + pwned + ")",
      "`touch " + pwned + "`",
      "a@x | touch " + pwned + " & ^ % %PATH% < > ; '",
      "-s gefälscht",
  };
  config.BlatPath = Mailer("Program Files/record mailer", RecordingMailerCommands());
  config.TempDir = sandbox.Folder("temp dir \"q\" $(x) 'y'");
  config.SMTP = "127.0.0.1:2525 > " + pwned;
  profile.Subject = hostile[0];
  profile.Sender = hostile[1];
  profile.Delim.clear();  // TAB: the values hold semicolons
  std::string data = "Name\tEmail\n";
  for (const auto& value : hostile) data += "n\t" + value + "\n";
  LoadData(data);
  const Lines lines = Run(vx::kCheckAndSend);
  ASSERT_EQ(lines.size(), 5 + hostile.size() * 3 + 2) << ::testing::PrintToString(lines);
  const auto calls = RecordedCalls();
  ASSERT_EQ(calls.size(), hostile.size());
  for (size_t row = 1; row <= hostile.size(); ++row) {
    EXPECT_EQ(calls[row - 1], (Lines{config.BlatPath, config.TempDir + "body.txt", "-to", hostile[row - 1], "-s",
                                     profile.Subject, "-f", profile.Sender, "-server", config.SMTP}));
    EXPECT_EQ(lines[5 + (row - 1) * 3], "Mail " + std::to_string(row) + " gesendet.");
    EXPECT_EQ(lines[6 + (row - 1) * 3], "gesendet an " + hostile[row - 1]);
  }
  EXPECT_FALSE(fs::exists(pwned));
  EXPECT_FALSE(fs::exists(sandbox.Path("cwd/PWNED")));
}

TEST_F(BatchRun, AMailerThatFailsOrIsKilledIsNotReportedAsSent) {
  config.BlatPath = Mailer("mailer",
                           "case \"$3\" in\n"
                           "  fail@x) echo \"abgelehnt: $3\"; exit 3;;\n"
                           "  kill@x) echo stirbt; kill -9 $$;;\n"
                           "  *) echo \"ok $3\";;\n"
                           "esac\n");
  LoadData("Email\nfail@x\nkill@x\ngood@x\n");
  const Lines lines = Run(vx::kCheckAndSend);
  EXPECT_EQ(Lines(lines.begin() + 5, lines.end()),
            (Lines{"FEHLER: Mail 1 konnte nicht gesendet werden (Exit-Code 3).", "abgelehnt: fail@x", "",
                   "FEHLER: Mail 2 konnte nicht gesendet werden (Signal 9).", "stirbt", "", "Mail 3 gesendet.",
                   "ok good@x", "", "", "Fertig!"}));
}

TEST_F(BatchRun, AMailerThatCannotBeStartedGivesAnErrorLineForEveryRow) {
  config.BlatPath = Mailer("mailer", "echo nie\n", /*executable=*/false);
  LoadData("Email\na@x\nb@x\n");
  const Lines lines = Run(vx::kCheckAndSend);
  EXPECT_EQ(Lines(lines.begin() + 4, lines.end()),
            (Lines{"", "FEHLER: ...bei der Ausführung von Blat.exe!", "FEHLER: ...bei der Ausführung von Blat.exe!",
                   "", "Fertig!"}));
}

TEST_F(BatchRun, AHeaderLineAloneGivesOneMailToAnEmptyRecipient) {
  config.BlatPath = Mailer("mailer", RecordingMailerCommands());
  LoadData("Name;Email\n");
  const Lines lines = Run(vx::kCheckAndSend);
  EXPECT_EQ(Lines(lines.begin() + 4, lines.end()), (Lines{"", "Mail 1 gesendet.", "gesendet an ", "", "", "Fertig!"}));
  ASSERT_EQ(RecordedCalls().size(), 1u);
  EXPECT_EQ(RecordedCalls()[0][3], "");
  EXPECT_EQ(sandbox.Read("temp/body.txt"), "Hallo ,\r\nEnde\r\n");
}

TEST_F(BatchRun, TheTemplateIsReadAnewForEveryRow) {
  // The first mailer call rewrites the template; the second row's body follows it.
  config.BlatPath = Mailer("mailer", "cat \"$1\" >> '" + sandbox.Path("bodies") + "'\nprintf 'Neu {Name}' > '" +
                                         profile.Template + "'\n");
  LoadData("Name;Email\nMeier;m@x\nSchulz;s@x\n");
  Run(vx::kCheckAndSend);
  EXPECT_EQ(sandbox.Read("bodies"), "Hallo Meier,\r\nEnde\r\nNeu Schulz\r\n");
}

TEST_F(BatchRun, AnUnreadableTemplateOrUnwritableBodyStopsTheRun) {
  config.BlatPath = Mailer("mailer", "rm '" + profile.Template + "'\necho weg\n");
  LoadData("Name;Email\nMeier;m@x\nSchulz;s@x\n");
  try {
    Run(vx::kCheckAndSend);
    ADD_FAILURE() << "no RunError";
  } catch (const vx::RunError& error) {
    EXPECT_EQ(std::string(error.what()), "Datei " + profile.Template + " kann nicht geöffnet werden");
  }
  EXPECT_EQ(Lines(log.Lines().begin() + 4, log.Lines().end()), (Lines{"", "Mail 1 gesendet.", "weg", ""}));

  log.BeginProcessing();
  sandbox.Write("template.txt", "Hallo\n");
  config.TempDir = sandbox.Path("missing/");
  try {
    Run(vx::kCheckAndSend);
    ADD_FAILURE() << "no RunError";
  } catch (const vx::RunError& error) {
    EXPECT_EQ(std::string(error.what()), "Datei " + config.TempDir + "body.txt kann nicht erstellt werden");
  }
  EXPECT_EQ(log.Lines().size(), 5u);
}

TEST_F(BatchRun, KeepAliveIsCalledWhileAMailerRuns) {
  config.BlatPath = Mailer("mailer", "sleep 0.45\necho fertig\n");
  LoadData("Email\na@x\n");
  int calls = 0;
  vx::RunBatch(vx::kCheckAndSend, config, profile, table, log, [&] { ++calls; });
  EXPECT_GE(calls, 2);
  EXPECT_EQ(log.Lines()[5], "Mail 1 gesendet.");
  EXPECT_EQ(log.Lines()[6], "fertig");
}

}  // namespace
