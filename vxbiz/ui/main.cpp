// vxbiz: sends personalised mails in bulk. Started with a profile file and a data file it
// performs one unattended run and ends; otherwise it is a windowed program.
#include <QApplication>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "platform/qt/message_box.h"
#include "vxbiz/engine/profile.h"
#include "vxbiz/ui/error_report.h"
#include "vxbiz/ui/fMain.h"
#include "vxbiz/ui/program.h"
#include "vxbiz/ui/program_constants.h"
#include "vxbiz/ui/run_outcome.h"

namespace {

// With no screen, standard error carries the program's own messages only: the offscreen
// platform's notes about what it cannot do are dropped.
void KeepSeriousQtMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtCriticalMsg || type == QtFatalMsg) fprintf(stderr, "%s\n", qPrintable(text));
}

}  // namespace

int main(int argc, char** argv) {
  // Taken before Qt removes its own options from the command line.
  const std::vector<std::string> parameters(argv + 1, argv + argc);
  // With no screen the program runs on the offscreen platform, so it works from cron or SSH.
  if (vx::RunningWithoutScreen() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  if (vx::RunningWithoutScreen()) qInstallMessageHandler(KeepSeriousQtMessages);
  QApplication app(argc, argv);

  if (vx::RunningWithoutScreen() && parameters.size() != 2) {
    vx::ShowMessageBox("Ohne Bildschirm arbeitet das Programm nur mit zwei Parametern: Profil-Datei und Daten-Datei.",
                       vx::kApplicationTitle, vx::MessageStyle::Stop);
    return vx::kExitStopped;
  }

  std::unique_ptr<vx::VxBizProgram> program;
  if (!vx::RunReportingErrors([&] { program = std::make_unique<vx::VxBizProgram>(parameters, vx::ProgramDir()); }))
    return vx::kExitStopped;
  QObject::connect(program->frmMain, &vx::TfrmMain::Closed, &app, &QApplication::quit, Qt::QueuedConnection);
  program->Start();
  app.exec();
  return program->frmMain->ExitCode();
}
