#pragma once
// The update-choice window: carries out one update run for the program named in its
// options. It fetches the update database and checks the program, shows the installed and
// published versions, what the new version brings and its release notes, and installs the
// update at once or downloads the setup program for later use (from a chosen mirror where
// the database offers mirrors). In check mode it only decides whether an update is available.
#include <QDialog>

#include "orrix/wupOptions.h"

class QComboBox;
class QGroupBox;
class QPlainTextEdit;
class QPushButton;

namespace vx {

class TwupUpdateChoose : public QDialog {
  Q_OBJECT

 public:
  // Items of cbxUpdateAction.
  enum UpdateAction { InstallNow = 0, DownloadForLater = 1 };

  explicit TwupUpdateChoose(QWidget* owner = nullptr);

  // Copies the whole record into the window's options (the unit's instance).
  void SetOptions(const TwupOptions& options);
  // One update run: fetch the database, check the program, and outside check mode show the
  // window modally unless the run ended early.
  void RunUpdate();
  // The window's options after the run (the check has set UpdateAvailable).
  const TwupOptions& GetOptions() const;

  // The downloaded setup program was handed to the shell and the shell started it.
  bool SetupStarted = false;
  // The run was ended early by the database fetch or the program check; the window was not shown.
  bool RunEnded = false;

  QGroupBox* GroupBox1;
  QPlainTextEdit* taSoftInfo;
  QGroupBox* GroupBox2;
  QPlainTextEdit* taInfo;
  QGroupBox* GroupBox3;
  QPlainTextEdit* taDetails;
  QComboBox* cbxUpdateAction;
  QPushButton* buUpdate;
  QPushButton* buCancel;

 public slots:
  void cbxUpdateActionChange();
  void buUpdateClick();
  void buCancelClick();

 private:
  // Downloads the setup program as cbxUpdateAction says and opens what the options name.
  void RunUpdateAction();
};

}  // namespace vx
