#include "vxbiz/ui/fMain.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>

#include "platform/files.h"
#include "platform/library.h"
#include "platform/private_profile.h"
#include "platform/qt/message_box.h"
#include "platform/qt/shell_open.h"
#include "vxbiz/engine/batch_run.h"
#include "vxbiz/ui/error_report.h"
#include "vxbiz/ui/fAbout.h"
#include "vxbiz/ui/fBlatProcessor.h"
#include "vxbiz/ui/fProfileEdit.h"
#include "vxbiz/ui/fSettings.h"
#include "vxbiz/ui/program_constants.h"
#include "platform/qt/qt_text.h"
#include "vxbiz/ui/recipient_table_model.h"
#include "vxbiz/ui/run_outcome.h"

namespace vx {
namespace {

// While a check or run works, the windows are painted but take no input.
void KeepWindowsPainted() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

QString ProfileText(const TProfile& profile) { return QString::fromUtf8("Profil: ") + QtText(profile.ProfileName); }

}  // namespace

TfrmMain::TfrmMain(ProgramState& state, std::vector<std::string> parameters, std::string programDir)
    : state_(state), parameters_(std::move(parameters)), programDir_(std::move(programDir)) {
  setObjectName("frmMain");
  setWindowTitle(QString::fromUtf8(kProductName));

  MainMenu1 = menuBar();
  MainMenu1->setObjectName("MainMenu1");
  Programm1 = AddMenu("Programm1", "Programm");
  OffneASCIIDatei1 = AddItem(Programm1, "OffneASCIIDatei1", "Öffne ASCII-Datei...", &TfrmMain::OffneASCIIDatei1Click);
  N2 = AddSeparator(Programm1, "N2");
  Einstellungen1 = AddItem(Programm1, "Einstellungen1", "Einstellungen", &TfrmMain::Einstellungen1Click);
  N1 = AddSeparator(Programm1, "N1");
  Beenden1 = AddItem(Programm1, "Beenden1", "Beenden", &TfrmMain::Beenden1Click);
  Profil1 = AddMenu("Profil1", "Profil");
  Profilladen1 = AddItem(Profil1, "Profilladen1", "Profil laden...", &TfrmMain::Profilladen1Click);
  Profilanlegenbearbeitenspeichern1 =
      AddItem(Profil1, "Profilanlegenbearbeitenspeichern1", "Profil anlegen/bearbeiten/speichern...",
              &TfrmMain::Profilanlegenbearbeitenspeichern1Click);
  VorlixProzess1 = AddMenu("VorlixProzess1", "Vorlix-Prozess");
  Prozessstarten1 = AddItem(VorlixProzess1, "Prozessstarten1", "Prozess starten...", &TfrmMain::Prozessstarten1Click);
  Profilberprfen1 = AddItem(VorlixProzess1, "Profilberprfen1", "Profil überprüfen...", &TfrmMain::Profilberprfen1Click);
  Hilfe1 = AddMenu("Hilfe1", "Hilfe");
  Info1 = AddItem(Hilfe1, "Info1", "Info", &TfrmMain::Info1Click);
  N3 = AddSeparator(Hilfe1, "N3");
  OnlineUpdate1 = AddItem(Hilfe1, "OnlineUpdate1", "Online-Update...", &TfrmMain::OnlineUpdate1Click);
  VXBIZHomepage1 = AddItem(Hilfe1, "VXBIZHomepage1", "VXBIZ - Homepage", &TfrmMain::VXBIZHomepage1Click);

  sgModel = new RecipientTableModel(state_.table, this);
  sgModel->setObjectName("sgModel");
  sg = new QTableView(this);
  sg->setObjectName("sg");
  sg->setModel(sgModel);
  sg->setShowGrid(true);
  sg->setEditTriggers(QAbstractItemView::NoEditTriggers);
  sg->setSelectionMode(QAbstractItemView::ExtendedSelection);
  sg->setSelectionBehavior(QAbstractItemView::SelectItems);
  sg->verticalHeader()->hide();
  sg->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  sg->verticalHeader()->setDefaultSectionSize(sg->fontMetrics().height() + 6);
  sg->setWordWrap(false);
  sg->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  sg->horizontalHeader()->setStretchLastSection(false);
  setCentralWidget(sg);

  sbar = statusBar();
  sbar->setObjectName("sbar");
  sbar->setSizeGripEnabled(false);
  sbarPanel0 = new QLabel(sbar);
  sbarPanel0->setObjectName("sbarPanel0");
  sbarPanel1 = new QLabel(sbar);
  sbarPanel1->setObjectName("sbarPanel1");
  sbar->addWidget(sbarPanel0);
  sbar->addWidget(sbarPanel1, 1);
  resize(634, 440);

  LoadStartupSettings(state_.config);
  state_.profile.Directory = programDir_;
  if (!state_.config.DefaultProfile.empty()) {
    if (FileExists(ResolveProfilePath(state_.config.DefaultProfile))) {
      ReadProfile(state_.config.DefaultProfile, state_.profile);
      sbarPanel0->setText(ProfileText(state_.profile));
    } else {
      sbarPanel0->setText(QString::fromUtf8("PROFIL NICHT GEFUNDEN!"));
    }
  }
  FormResize();
}

void TfrmMain::AttachWindows(TfrmSettings* settings, TfrmAbout* about, TfrmBlatProcessor* processor,
                             TfrmProfileEditor* profileEditor) {
  frmSettings_ = settings;
  frmAbout_ = about;
  frmBlatProcessor_ = processor;
  frmProfileEditor_ = profileEditor;
}

QMenu* TfrmMain::AddMenu(const char* name, const char* caption) {
  QMenu* menu = MainMenu1->addMenu(QString::fromUtf8(caption));
  menu->setObjectName(name);
  menu->menuAction()->setObjectName(name);
  return menu;
}

// Every command runs inside the general error report.
QAction* TfrmMain::AddItem(QMenu* menu, const char* name, const char* caption, void (TfrmMain::*handler)()) {
  QAction* action = menu->addAction(QString::fromUtf8(caption));
  action->setObjectName(name);
  connect(action, &QAction::triggered, this, [this, handler] { RunReportingErrors([this, handler] { (this->*handler)(); }); });
  return action;
}

QAction* TfrmMain::AddSeparator(QMenu* menu, const char* name) {
  QAction* separator = menu->addSeparator();
  separator->setObjectName(name);
  return separator;
}

void TfrmMain::FormResize() {
  const int columns = sgModel->columnCount();
  for (int c = 0; c < columns; ++c) sg->setColumnWidth(c, sg->width() / columns - 1);
  sbarPanel0->setFixedWidth(width() / 3);
}

void TfrmMain::LoadData(const std::string& fileName) {
  sgModel->BeginTableChange();
  bool loaded = false;
  try {
    loaded = LoadDataFile(fileName, state_.profile, state_.config, state_.table);
  } catch (...) {
    sgModel->EndTableChange();
    throw;
  }
  sgModel->EndTableChange();
  if (loaded) FormResize();
}

void TfrmMain::RunChecked(int mode) {
  state_.log.BeginProcessing();
  running_ = true;
  try {
    RunBatch(mode, state_.config, state_.profile, state_.table, state_.log, KeepWindowsPainted);
  } catch (...) {
    running_ = false;
    throw;
  }
  running_ = false;
}

void TfrmMain::OffneASCIIDatei1Click() {
  odlg.filter = {{"Ascii", "*.txt"}, {"Alle Dateien", "*.*"}};
  if (!odlg.Execute(this)) return;
  sbarPanel1->setText(QtText(odlg.fileName));
  LoadData(odlg.fileName);
}

void TfrmMain::Einstellungen1Click() {
  frmSettings_->EditConfig(state_.config);
  SaveSettings(state_.config);
}

void TfrmMain::Beenden1Click() { close(); }

void TfrmMain::Profilladen1Click() {
  odlg.filter = {{"Profil-Dateien", "*.prf"}};
  if (!odlg.Execute(this)) return;
  ReadProfile(odlg.fileName, state_.profile);
  sbarPanel0->setText(ProfileText(state_.profile));
  if (state_.config.ShowProfileOnLoad) frmProfileEditor_->EditProfile(state_.profile);
  // The data file is read again so that the delimiter of the new profile applies.
  if (!state_.config.DataFile.empty()) LoadData(state_.config.DataFile);
}

void TfrmMain::Profilanlegenbearbeitenspeichern1Click() { frmProfileEditor_->EditProfile(state_.profile); }

void TfrmMain::Prozessstarten1Click() { RunChecked(kCheckAndSend); }

void TfrmMain::Profilberprfen1Click() { RunChecked(kCheckOnly); }

void TfrmMain::Info1Click() {
  frmAbout_->imIcon->setPixmap(QApplication::windowIcon().pixmap(40, 49));
  frmAbout_->ShowInfo(std::string(kProductName) + "\r\nVersion: " + AppVersion);
}

void TfrmMain::OnlineUpdate1Click() {
  const std::string parameters = std::string("-progid ") + ProgramId + " -version " + AppVersion + " -registered";
  std::unique_ptr<SharedLibrary> library = SharedLibrary::Load(kUpdaterLibrary, programDir_);
  if (!library) {
    ShowMessageBox("Module could not be found!", "Module-Error", MessageStyle::None);
    return;
  }
  using Generate = bool (*)(const char*);
  const auto generate = reinterpret_cast<Generate>(library->Symbol(kUpdaterEntryPoint));
  if (!generate) {
    ShowMessageBox("API-Error: Module could not be initialized!", "Module-Error", MessageStyle::None);
    return;
  }
  const bool setupStarted = generate(parameters.c_str());
  library.reset();
  // The setup program replaces this one: the program ends as after "Beenden".
  if (setupStarted) close();
}

void TfrmMain::VXBIZHomepage1Click() { OpenWithShell(kHomepageUrl); }

void TfrmMain::FormShow() {
  if (parameters_.size() != 2) return;
  commandLineRun_ = true;
  const bool completed = RunReportingErrors([this] {
    ReadProfile(parameters_[0], state_.profile);
    LoadData(parameters_[1]);
    RunChecked(kCheckAndSend);
  });
  if (completed) {
    exitCode_ = ExitCodeOfRun(state_.log.Lines(), state_.table.RowCount() - 1);
  } else {
    exitCode_ = kExitStopped;
    // With a screen the user sees the report and the window stays open; with none, nobody
    // is there to close it, so the program saves the log and ends.
    if (!RunningWithoutScreen()) return;
  }
  frmBlatProcessor_->close();
  close();
}

void TfrmMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  shown_ = true;
  // Runs as the first thing of the message loop, before it handles any input.
  QTimer::singleShot(0, this, &TfrmMain::FormShow);
}

void TfrmMain::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  FormResize();
}

void TfrmMain::closeEvent(QCloseEvent* event) {
  // During a check or run the window takes no input, also not its close box.
  if (running_) {
    event->ignore();
    return;
  }
  // A log that cannot be saved is reported; the window closes all the same, so the program
  // can always be ended.
  if (!RunReportingErrors([this] { state_.log.SaveRunLog(state_.config.TempDir); }) && commandLineRun_)
    exitCode_ = kExitStopped;
  event->accept();
  emit Closed();
}

}  // namespace vx
