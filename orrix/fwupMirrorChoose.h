#pragma once
// The mirror-choice dialog: the user picks one download mirror by name. "Next" becomes
// usable only once a row is selected, so the dialog always ends with a chosen mirror.
#include <QDialog>
#include <string>
#include <vector>

class QListWidget;
class QPushButton;

namespace vx {

class TfrmMirrorChoose : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmMirrorChoose(QWidget* owner = nullptr);

  QListWidget* lbMirrors;
  QPushButton* buNext;

  // The index of the selected row, -1 while none is selected.
  int SelectedRow() const;

 public slots:
  void reject() override;

 private slots:
  void buNextClick();
  void lbMirrorsSelectionChange();
};

// Shows the names in the given order and returns the index of the row the user chose.
int ChooseMirror(const std::vector<std::string>& names, QWidget* owner = nullptr);

}  // namespace vx
