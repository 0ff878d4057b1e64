#pragma once
// The proxy configuration dialog: sets or removes the HTTP proxy of the updater's
// downloads by editing the proxy fields of an options record in place.
#include <QDialog>

#include "orrix/wupOptions.h"

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace vx {

class TwupConfig : public QDialog {
  Q_OBJECT
 public:
  explicit TwupConfig(QWidget* owner = nullptr);

  // Fills the two fields from the set proxy fields, shows the dialog modally and writes
  // the fields back: a field holding any text (blanks too) sets its flag and value, an
  // empty one clears only the flag.
  void EditProxySettings(TwupOptions& options);

  QGroupBox* GroupBox1;
  QLineEdit* tfProxy;
  QLineEdit* tfPort;
  QPushButton* buOK;
  QPushButton* buNoProxy;

 public slots:
  // Esc does nothing: the dialog ends only through its two buttons.
  void reject() override;

 private slots:
  void buOKClick();
  void buNoProxyClick();
};

}  // namespace vx
