#pragma once
// The profile editor "Profil Editor": edits the current profile and saves it in the
// program's folder under its name.
#include <QDialog>

#include "platform/qt/file_dialog.h"
#include "vxbiz/engine/profile.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace vx {

class TfrmProfileEditor final : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmProfileEditor(QWidget* parent = nullptr);

  // Fills the dialog from profile and shows it modally. "OK" copies the six fields back and
  // saves the profile as Directory + ProfileName + ".prf"; "Abbrechen" changes nothing.
  void EditProfile(TProfile& profile);

  QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6;
  QLineEdit *tfProfileName, *tfTemplateFile, *tfSender, *tfRecipientField, *tfSubject, *tfDataDelimiter;
  QPushButton* buBrowseTemplate;
  QPushButton* Button2;
  QPushButton* buCancel;
  FileDialog odlg;

 public slots:
  void CloseButtonClick();
  void buCancelClick();
  void buBrowseTemplateClick();
};

}  // namespace vx
