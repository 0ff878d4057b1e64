#pragma once
// The main window "Vorlix - Business Edition": the recipient grid, the status bar and the
// menu with every command of the program, and the command-line mode.
#include <QMainWindow>
#include <string>
#include <vector>

#include "platform/qt/file_dialog.h"
#include "vxbiz/ui/program_state.h"

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QStatusBar;
class QTableView;

namespace vx {

class RecipientTableModel;
class TfrmAbout;
class TfrmBlatProcessor;
class TfrmProfileEditor;
class TfrmSettings;

class TfrmMain final : public QMainWindow {
  Q_OBJECT
 public:
  // Builds the window, reads the settings and the default profile. programDir (with "/")
  // is where profiles are saved and the updater library is looked for first.
  TfrmMain(ProgramState& state, std::vector<std::string> parameters, std::string programDir);

  // The other windows, created after this one.
  void AttachWindows(TfrmSettings* settings, TfrmAbout* about, TfrmBlatProcessor* processor,
                     TfrmProfileEditor* profileEditor);

  // The program's exit code: that of the command-line run, else 0.
  int ExitCode() const { return exitCode_; }

  // Column widths of sg and the width of status panel 0 for the current sizes.
  void FormResize();

  QMenuBar* MainMenu1;
  QMenu *Programm1, *Profil1, *VorlixProzess1, *Hilfe1;
  QAction *OffneASCIIDatei1, *N2, *Einstellungen1, *N1, *Beenden1;
  QAction *Profilladen1, *Profilanlegenbearbeitenspeichern1;
  QAction *Prozessstarten1, *Profilberprfen1;
  QAction *Info1, *N3, *OnlineUpdate1, *VXBIZHomepage1;
  QTableView* sg;
  RecipientTableModel* sgModel;
  QStatusBar* sbar;
  QLabel* sbarPanel0;  // the profile
  QLabel* sbarPanel1;  // the data file
  FileDialog odlg;

 signals:
  // The main window was closed: the program ends.
  void Closed();

 public slots:
  void OffneASCIIDatei1Click();
  void Einstellungen1Click();
  void Beenden1Click();
  void Profilladen1Click();
  void Profilanlegenbearbeitenspeichern1Click();
  void Prozessstarten1Click();
  void Profilberprfen1Click();
  void Info1Click();
  void OnlineUpdate1Click();
  void VXBIZHomepage1Click();
  // Runs the command-line mode when there are exactly two parameters.
  void FormShow();

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;  // FormClose: saves the run log

 private:
  QMenu* AddMenu(const char* name, const char* caption);
  QAction* AddItem(QMenu* menu, const char* name, const char* caption, void (TfrmMain::*handler)());
  QAction* AddSeparator(QMenu* menu, const char* name);
  void LoadData(const std::string& fileName);
  void RunChecked(int mode);

  ProgramState& state_;
  const std::vector<std::string> parameters_;
  const std::string programDir_;
  TfrmSettings* frmSettings_ = nullptr;
  TfrmAbout* frmAbout_ = nullptr;
  TfrmBlatProcessor* frmBlatProcessor_ = nullptr;
  TfrmProfileEditor* frmProfileEditor_ = nullptr;
  bool shown_ = false;
  bool running_ = false;
  bool commandLineRun_ = false;
  int exitCode_ = 0;
};

}  // namespace vx
