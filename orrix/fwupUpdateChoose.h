#pragma once
// The update-choice window: shows the program's installed and published versions, what the
// new version brings and its release notes, and offers the update.
#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace vx {

class TwupUpdateChoose : public QDialog {
  Q_OBJECT

 public:
  explicit TwupUpdateChoose(QWidget* owner = nullptr);

  QPlainTextEdit* taSoftInfo;
  QPlainTextEdit* taInfo;
  QPlainTextEdit* taDetails;
  QPushButton* buUpdate;
};

}  // namespace vx
