// The general error report's full stop, and the command-line mode's exit code from a run's lines.
#include <gtest/gtest.h>

#include "vxbiz/ui/error_report.h"
#include "vxbiz/ui/run_outcome.h"

namespace vxtest {
namespace {

TEST(ErrorReportText, AppendsAFullStopOnlyAfterCharactersAboveIt) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"Datei /tmp/body.txt kann nicht erstellt werden", "Datei /tmp/body.txt kann nicht erstellt werden."},
      {"Fertig.", "Fertig."},
      {"Achtung!", "Achtung!"},
      {"Exit-Code 3)", "Exit-Code 3)"},  // ")" comes before "."
      {"Pfad /tmp/", "Pfad /tmp/."},     // "/" comes after "."
      {"Größe", "Größe."},
      {"Straße ß", "Straße ß."},         // a multi-byte last character is above "." too
      {"", ""},
  };
  for (const auto& [text, shown] : cases) EXPECT_EQ(vx::ErrorReportText(text), shown) << text;
}

TEST(ExitCodeOfRun, ZeroOnlyWhenTheRunEndedAndEveryRowWasSent) {
  const std::vector<std::string> check = {"------ Check ------", "Template: OK", "Blat.exe: OK",
                                          "Empfänger-Feld gefunden in Spalte: 1 ...OK", ""};
  auto with = [&](std::vector<std::string> more) {
    std::vector<std::string> lines = check;
    lines.insert(lines.end(), more.begin(), more.end());
    return lines;
  };
  struct Case { const char* what; std::vector<std::string> lines; size_t rows; int code; };
  const std::vector<Case> cases = {
      {"all sent", with({"Mail 1 gesendet.", "250 OK", "", "Mail 2 gesendet.", "", "", "Fertig!"}), 2, 0},
      {"a mailer failed",
       with({"Mail 1 gesendet.", "", "FEHLER: Mail 2 konnte nicht gesendet werden (Exit-Code 3).", "", "", "Fertig!"}),
       2, 1},
      {"a mailer not started", with({"FEHLER: ...bei der Ausführung von Blat.exe!", "", "Fertig!"}), 1, 1},
      {"a mailer's output pretends another row", with({"Mail 2 gesendet.", "", "", "Fertig!"}), 2, 1},
      {"check failed", {"------ Check ------", "FEHLER: Template nicht gefunden: "}, 2, 1},
      {"nothing at all", {}, 1, 1},
  };
  for (const Case& c : cases) EXPECT_EQ(vx::ExitCodeOfRun(c.lines, c.rows), c.code) << c.what;
}

}  // namespace
}  // namespace vxtest
