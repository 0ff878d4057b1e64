#pragma once
// The settings dialog "Einstellungen": edits the program's TConfig.
#include <QDialog>

#include "platform/qt/file_dialog.h"
#include "vxbiz/engine/config.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vx {

class TfrmSettings final : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmSettings(QWidget* parent = nullptr);

  // Fills the dialog from config, shows it modally and copies all six values back, however
  // the dialog was closed: it has no way to discard edits.
  void EditConfig(TConfig& config);

  QLabel *Label1, *Label2, *Label3, *Label4;
  QLineEdit *tfSMTPSrv, *tfTempDir, *tfBlatPath, *tfDefaultProfile;
  QPushButton *buBrowseTemp, *buBrowseBlat, *buBrowseDefaultProfile;
  QCheckBox *cbxNetExecAvailable, *cbxShowProfileOnLoad;
  QPushButton* buOK;
  FileDialog odlg;

 public slots:
  void buOKClick();
  void buBrowseTempClick();
  void buBrowseBlatClick();
  void buBrowseDefaultProfileClick();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace vx
