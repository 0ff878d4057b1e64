// A check and send of ROWS data rows through MAILER, working files in TEMPDIR.
// usage: batch_send_bench MAILER TEMPDIR ROWS
#include <cstdio>
#include <cstdlib>
#include <string>

#include "vxbiz/engine/batch_run.h"
#include "platform/text_lines.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s MAILER TEMPDIR ROWS\n", argv[0]);
    return 2;
  }
  vx::TConfig config;
  config.BlatPath = argv[1];
  config.TempDir = argv[2];
  config.SMTP = "127.0.0.1:25";
  vx::TProfile profile;
  profile.Template = config.TempDir + "template.txt";
  profile.Sender = "absender@example.org";
  profile.Subject = "Betreff";
  profile.RecipientField = "Email";
  if (!vx::WriteLinesCrLf(profile.Template, {"Sehr geehrte {Anrede} {Name},", "", "wir freuen uns.", "Gruss"}))
    return 1;
  vx::RecipientTable table;
  table.Clear();
  table.BeginRow();
  for (const char* field : {"Anrede", "Name", "Email"}) table.AddCell(field);
  const long rows = std::atol(argv[3]);
  for (long i = 1; i <= rows; ++i) {
    table.BeginRow();
    table.AddCell("Frau");
    table.AddCell("Meier" + std::to_string(i));
    table.AddCell("meier" + std::to_string(i) + "@example.org");
  }
  vx::StatusLog log;
  long keptAlive = 0;
  vx::RunBatch(vx::kCheckAndSend, config, profile, table, log, [&] { ++keptAlive; });
  const bool done = !log.Lines().empty() && log.Lines().back() == "Fertig!";
  std::printf("%zu lines, last: %s\n", log.Lines().size(), done ? "Fertig!" : "(not finished)");
  return done && log.Lines().size() == 5 + 3 * static_cast<size_t>(rows) + 2 ? 0 : 1;
}
