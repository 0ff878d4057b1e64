// Opening a large data file in the main window: the real windows on the offscreen platform,
// the file chosen through "Öffne ASCII-Datei..." (";"-delimited), then the first paint.
//   open_window_bench open FILE            opens it once (for the peak memory)
//   open_window_bench compare FILE ROUNDS  in one process, taking turns: the engine's load
//                                          alone and the window's open, load + model + paint;
//                                          prints the medians and their ratio
#include <QAction>
#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/qt/file_dialog.h"
#include "vxbiz/engine/profile.h"
#include "vxbiz/engine/recipient_table.h"
#include "vxbiz/ui/fMain.h"
#include "vxbiz/ui/program.h"
#include "vxbiz/ui/recipient_table_model.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// The user's command and the paint that shows its result.
void OpenInWindow(vx::VxBizProgram& program) {
  program.frmMain->findChild<QAction*>("OffneASCIIDatei1")->trigger();
  program.frmMain->repaint();
  QApplication::processEvents();
}

double EngineLoadAlone(const std::string& file) {
  vx::TProfile profile;
  profile.Delim = ";";
  vx::TConfig config;
  const auto start = Clock::now();
  vx::RecipientTable table;
  vx::LoadDataFile(file, profile, config, table);
  return Seconds(start);
}

}  // namespace

int main(int argc, char** argv) {
  const bool open = argc == 3 && std::strcmp(argv[1], "open") == 0;
  const bool compare = argc == 4 && std::strcmp(argv[1], "compare") == 0;
  if (!open && !compare) {
    std::fprintf(stderr, "usage: %s open FILE | compare FILE ROUNDS\n", argv[0]);
    return 2;
  }
  const std::string file = argv[2];
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  vx::SetFileDialogHook([&file](const vx::FileDialog&) { return std::optional<std::string>(file); });
  vx::VxBizProgram program({}, vx::ProgramDir());
  program.state.profile.Delim = ";";
  program.Start();
  QApplication::processEvents();
  const auto* model = program.frmMain->sgModel;

  if (open) {
    OpenInWindow(program);
  } else {
    std::vector<double> engine, window;
    for (int round = 0; round < std::atoi(argv[3]); ++round) {
      engine.push_back(EngineLoadAlone(file));
      const auto start = Clock::now();
      OpenInWindow(program);
      window.push_back(Seconds(start));
    }
    const double ratio = Median(window) / Median(engine);
    std::printf("engine load alone: %.3f s, open in the main window: %.3f s (medians of %zu), ratio %.2f\n",
                Median(engine), Median(window), engine.size(), ratio);
  }
  std::printf("%d rows, %d columns; first cell: %s\n", model->rowCount(), model->columnCount(),
              qPrintable(model->data(model->index(0, 0)).toString()));
  return model->rowCount() > 1 ? 0 : 1;
}
