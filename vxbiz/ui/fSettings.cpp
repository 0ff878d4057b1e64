#include "vxbiz/ui/fSettings.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/files.h"
#include "vxbiz/ui/dialog_rows.h"
#include "platform/qt/qt_text.h"

namespace vx {
TfrmSettings::TfrmSettings(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setObjectName("frmSettings");
  setWindowTitle(QString::fromUtf8("Einstellungen"));

  Label1 = NewLabel(this, "Label1", "SMTP-Server:");
  Label2 = NewLabel(this, "Label2", "Temporäres Verzeichnis:");
  Label3 = NewLabel(this, "Label3", "Pfad zu Blat.exe");
  Label4 = NewLabel(this, "Label4", "Mit diesem Profil starten:");
  tfSMTPSrv = NewEditField(this, "tfSMTPSrv");
  tfTempDir = NewEditField(this, "tfTempDir");
  tfBlatPath = NewEditField(this, "tfBlatPath");
  tfDefaultProfile = NewEditField(this, "tfDefaultProfile");
  buBrowseTemp = NewButton(this, "buBrowseTemp", "...");
  buBrowseBlat = NewButton(this, "buBrowseBlat", "...");
  buBrowseDefaultProfile = NewButton(this, "buBrowseDefaultProfile", "...");
  cbxNetExecAvailable = new QCheckBox(QString::fromUtf8("Ausführen von VXBIZ aus dem Netzwerk ermöglichen"), this);
  cbxNetExecAvailable->setObjectName("cbxNetExecAvailable");
  cbxShowProfileOnLoad = new QCheckBox(QString::fromUtf8("Profil beim Laden anzeigen"), this);
  cbxShowProfileOnLoad->setObjectName("cbxShowProfileOnLoad");
  buOK = NewButton(this, "buOK", "OK");

  auto* form = new QFormLayout;
  form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
  form->addRow(Label1, tfSMTPSrv);
  form->addRow(Label2, FieldWithBrowseButton(tfTempDir, buBrowseTemp));
  form->addRow(Label3, FieldWithBrowseButton(tfBlatPath, buBrowseBlat));
  form->addRow(Label4, FieldWithBrowseButton(tfDefaultProfile, buBrowseDefaultProfile));
  form->addRow(nullptr, cbxNetExecAvailable);
  form->addRow(nullptr, cbxShowProfileOnLoad);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(buOK);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(buOK, &QPushButton::clicked, this, &TfrmSettings::buOKClick);
  connect(buBrowseTemp, &QPushButton::clicked, this, &TfrmSettings::buBrowseTempClick);
  connect(buBrowseBlat, &QPushButton::clicked, this, &TfrmSettings::buBrowseBlatClick);
  connect(buBrowseDefaultProfile, &QPushButton::clicked, this, &TfrmSettings::buBrowseDefaultProfileClick);
}

void TfrmSettings::EditConfig(TConfig& config) {
  tfSMTPSrv->setText(QtText(config.SMTP));
  tfTempDir->setText(QtText(config.TempDir));
  tfBlatPath->setText(QtText(config.BlatPath));
  tfDefaultProfile->setText(QtText(config.DefaultProfile));
  cbxNetExecAvailable->setChecked(config.NetExecAvailable);
  cbxShowProfileOnLoad->setChecked(config.ShowProfileOnLoad);
  exec();
  config.SMTP = EditedBytes(tfSMTPSrv->text(), config.SMTP);
  config.TempDir = EditedBytes(tfTempDir->text(), config.TempDir);
  config.BlatPath = EditedBytes(tfBlatPath->text(), config.BlatPath);
  config.DefaultProfile = EditedBytes(tfDefaultProfile->text(), config.DefaultProfile);
  config.NetExecAvailable = cbxNetExecAvailable->isChecked();
  config.ShowProfileOnLoad = cbxShowProfileOnLoad->isChecked();
}

void TfrmSettings::buOKClick() { close(); }

void TfrmSettings::buBrowseTempClick() {
  odlg.filter.clear();
  odlg.fileName = "DIRECTORY";
  if (!odlg.Execute(this)) return;
  tfTempDir->setText(QtText(FolderOf(odlg.fileName)));
}

void TfrmSettings::buBrowseBlatClick() {
  // On this platform the mailer has no ".exe": the second filter shows it.
  odlg.filter = {{"Blat.exe", "blat.exe"}, {"Alle Dateien", "*.*"}};
  odlg.fileName = "blat.exe";
  if (!odlg.Execute(this)) return;
  tfBlatPath->setText(QtText(odlg.fileName));
}

void TfrmSettings::buBrowseDefaultProfileClick() {
  odlg.filter = {{"Profiles", "*.prf"}};
  if (!odlg.Execute(this)) return;
  tfDefaultProfile->setText(QtText(odlg.fileName));
}

// Neither Enter nor Esc closes this dialog: it has no default and no cancel button.
void TfrmSettings::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace vx
