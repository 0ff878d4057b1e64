#include "vxbiz/ui/fProfileEdit.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "vxbiz/ui/dialog_rows.h"
#include "platform/qt/qt_text.h"

namespace vx {
TfrmProfileEditor::TfrmProfileEditor(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName("frmProfileEditor");
  setWindowTitle(QString::fromUtf8("Profil Editor"));

  Label1 = NewLabel(this, "Label1", "Profil-Name:");
  Label2 = NewLabel(this, "Label2", "Template-Datei:");
  Label3 = NewLabel(this, "Label3", "Absender:");
  Label4 = NewLabel(this, "Label4", "Feld mit Empfängeradresse:");
  Label5 = NewLabel(this, "Label5", "Betreff:");
  Label6 = NewLabel(this, "Label6", "Datensatz-Trennzeichen:");
  tfProfileName = NewEditField(this, "tfProfileName");
  tfTemplateFile = NewEditField(this, "tfTemplateFile");
  tfSender = NewEditField(this, "tfSender");
  tfRecipientField = NewEditField(this, "tfRecipientField");
  tfSubject = NewEditField(this, "tfSubject");
  tfDataDelimiter = NewEditField(this, "tfDataDelimiter");
  buBrowseTemplate = NewButton(this, "buBrowseTemplate", "...");
  Button2 = NewButton(this, "Button2", "OK");
  Button2->setDefault(true);
  buCancel = NewButton(this, "buCancel", "Abbrechen");

  auto* form = new QFormLayout;
  form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
  form->addRow(Label1, tfProfileName);
  form->addRow(Label2, FieldWithBrowseButton(tfTemplateFile, buBrowseTemplate));
  form->addRow(Label3, tfSender);
  form->addRow(Label4, tfRecipientField);
  form->addRow(Label5, tfSubject);
  form->addRow(Label6, tfDataDelimiter);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Button2);
  buttons->addWidget(buCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(Button2, &QPushButton::clicked, this, &TfrmProfileEditor::CloseButtonClick);
  connect(buCancel, &QPushButton::clicked, this, &TfrmProfileEditor::buCancelClick);
  connect(buBrowseTemplate, &QPushButton::clicked, this, &TfrmProfileEditor::buBrowseTemplateClick);
}

void TfrmProfileEditor::EditProfile(TProfile& profile) {
  tfProfileName->setText(QtText(profile.ProfileName));
  tfTemplateFile->setText(QtText(profile.Template));
  tfSender->setText(QtText(profile.Sender));
  tfRecipientField->setText(QtText(profile.RecipientField));
  tfSubject->setText(QtText(profile.Subject));
  tfDataDelimiter->setText(QtText(profile.Delim));
  tfProfileName->setFocus();
  // Esc and the window manager's close reject: the edits are discarded.
  if (exec() != QDialog::Accepted) return;
  profile.ProfileName = EditedBytes(tfProfileName->text(), profile.ProfileName);
  profile.Template = EditedBytes(tfTemplateFile->text(), profile.Template);
  profile.Sender = EditedBytes(tfSender->text(), profile.Sender);
  profile.RecipientField = EditedBytes(tfRecipientField->text(), profile.RecipientField);
  profile.Subject = EditedBytes(tfSubject->text(), profile.Subject);
  profile.Delim = EditedBytes(tfDataDelimiter->text(), profile.Delim);
  SaveProfile(profile);
}

void TfrmProfileEditor::CloseButtonClick() { accept(); }

void TfrmProfileEditor::buCancelClick() { reject(); }

void TfrmProfileEditor::buBrowseTemplateClick() {
  odlg.filter = {{"*.txt,*.tpl", "*.txt;*.tpl"}, {"Alle Dateien (*.*)", "*.*"}};
  odlg.fileName.clear();
  if (!odlg.Execute(this)) return;
  tfTemplateFile->setText(QtText(odlg.fileName));
}

}  // namespace vx
