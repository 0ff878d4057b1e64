#include "vxbiz/engine/batch_run.h"

#include "platform/files.h"
#include "platform/process.h"
#include "platform/text.h"
#include "vxbiz/engine/merge.h"
#include "vxbiz/engine/run_error.h"
#include "platform/text_lines.h"

namespace vx {
namespace {

// The check: template, mailer and recipient field. Adds its lines; true when all is in place.
bool CheckProfile(const TConfig& config, const TProfile& profile, const RecipientTable& table,
                  StatusLog& log) {
  bool ok = true;
  log.AddLine("------ Check ------");
  if (FileExists(profile.Template)) {
    log.AddLine("Template: OK");
  } else {
    log.AddLine("FEHLER: Template nicht gefunden: " + profile.Template);
    ok = false;
  }
  if (FileExists(config.BlatPath)) {
    log.AddLine("Blat.exe: OK");
  } else {
    log.AddLine("FEHLER: Blat.exe nicht gefunden: " + config.BlatPath);
    ok = false;
  }
  bool found = false;
  for (size_t c = 0; c < table.ColCount(); ++c) {
    if (SameTextIgnoringCase(table.Cell(c, 0), profile.RecipientField)) {
      log.AddLine("Empfänger-Feld gefunden in Spalte: " + std::to_string(c + 1) + " ...OK");
      found = true;
    }
  }
  if (!found) log.AddLine("Empfänger-Feld nicht gefunden! ");
  return ok && found;
}

// The line for a row whose mailer ran: sent only when it ended with exit code 0.
std::string RowResultLine(size_t row, const ProcessOutcome& outcome) {
  const std::string mail = "Mail " + std::to_string(row);
  if (outcome.kind == ProcessOutcome::Kind::Exited && outcome.code == 0) return mail + " gesendet.";
  const std::string reason = outcome.kind == ProcessOutcome::Kind::Signaled ? "Signal " : "Exit-Code ";
  return "FEHLER: " + mail + " konnte nicht gesendet werden (" + reason + std::to_string(outcome.code) + ").";
}

void SendRow(size_t row, const TConfig& config, const TProfile& profile, const RecipientTable& table,
             StatusLog& log, const std::function<void()>& keepAlive) {
  const std::string bodyPath = config.TempDir + "body.txt";
  const std::string outputPath = config.TempDir + "vxbiz.log";
  if (!WriteLinesCrLf(bodyPath, MergeTemplate(profile.Template, table, row)))
    throw RunError("Datei " + bodyPath + " kann nicht erstellt werden");
  const std::vector<std::string> argv = {
      config.BlatPath, bodyPath, "-to", FieldValue(table, profile.RecipientField, row),
      "-s", profile.Subject, "-f", profile.Sender, "-server", config.SMTP};
  const ProcessOutcome outcome = RunProcess(argv, outputPath, keepAlive);
  if (outcome.kind == ProcessOutcome::Kind::NotStarted) {
    log.AddLine("FEHLER: ...bei der Ausführung von Blat.exe!");
    return;
  }
  log.AddLine(RowResultLine(row, outcome));
  log.AppendFile(outputPath);
  log.AddLine("");
}

}  // namespace

void RunBatch(int mode, const TConfig& config, const TProfile& profile, const RecipientTable& table,
              StatusLog& log, const std::function<void()>& keepAlive) {
  if (!CheckProfile(config, profile, table, log)) return;
  log.AddLine("");
  if (mode == kCheckOnly) return;
  for (size_t row = 1; row < table.RowCount(); ++row) SendRow(row, config, profile, table, log, keepAlive);
  log.AddLine("");
  log.AddLine("Fertig!");
}

}  // namespace vx
