#include "vxbiz/ui/program.h"

#include <QApplication>
#include <QIcon>

#include "vxbiz/ui/fAbout.h"
#include "vxbiz/ui/fBlatProcessor.h"
#include "vxbiz/ui/fMain.h"
#include "vxbiz/ui/fProfileEdit.h"
#include "vxbiz/ui/fSettings.h"
#include "vxbiz/ui/program_constants.h"

// The icon lives in a static library, whose resources are registered by hand.
static void InitialiseResources() { Q_INIT_RESOURCE(vxbiz); }

namespace vx {

VxBizProgram::VxBizProgram(std::vector<std::string> parameters, const std::string& programDir) {
  InitialiseResources();
  QApplication::setApplicationName(QString::fromUtf8(kApplicationTitle));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/vxbiz/vxbiz.svg")));

  mainWindow_ = std::make_unique<TfrmMain>(state, std::move(parameters), programDir);
  frmMain = mainWindow_.get();
  frmSettings = new TfrmSettings(frmMain);
  frmAbout = new TfrmAbout(frmMain);
  frmBlatProcessor = new TfrmBlatProcessor(frmMain);
  frmProfileEditor = new TfrmProfileEditor(frmMain);
  frmMain->AttachWindows(frmSettings, frmAbout, frmBlatProcessor, frmProfileEditor);
  state.log.SetObserver(frmBlatProcessor);
}

VxBizProgram::~VxBizProgram() { state.log.SetObserver(nullptr); }

void VxBizProgram::Start() { frmMain->show(); }

}  // namespace vx
