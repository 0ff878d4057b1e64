// Shows the real main window with the demo data loaded through "Öffne ASCII-Datei...", for
// the README's screenshot (scripts/screenshot runs it under Xvfb):
//   vxbiz_showcase PROFILE DATAFILE
// The profile is loaded through "Profil laden..." first, so the grid uses its delimiter.
#include <QAction>
#include <QApplication>
#include <QTimer>

#include "platform/qt/file_dialog.h"
#include "vxbiz/engine/profile.h"
#include "vxbiz/ui/fMain.h"
#include "vxbiz/ui/program.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 3) return 2;
  std::vector<std::string> answers = {argv[1], argv[2]};
  vx::SetFileDialogHook([&answers](const vx::FileDialog&) -> std::optional<std::string> {
    if (answers.empty()) return std::nullopt;
    std::string answer = answers.front();
    answers.erase(answers.begin());
    return answer;
  });
  vx::VxBizProgram program({}, vx::ProgramDir());
  program.state.config.ShowProfileOnLoad = false;
  program.frmMain->resize(760, 300);
  program.Start();
  program.frmMain->findChild<QAction*>("Profilladen1")->trigger();
  program.frmMain->findChild<QAction*>("OffneASCIIDatei1")->trigger();
  return app.exec();
}
