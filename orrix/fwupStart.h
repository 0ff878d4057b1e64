#pragma once
// The start dialog that every updater call passes: it parses the call's parameters into
// the start options, runs registration requests, help and the stand-alone check when it is
// shown, and starts the update check (START) or the proxy configuration (Config).
#include <QDialog>
#include <string>

class QPlainTextEdit;
class QPushButton;

namespace vx {

class TwupStart : public QDialog {
  Q_OBJECT
 public:
  // Parses parameters (ParseParameters) while the dialog is being made.
  explicit TwupStart(const std::string& parameters);

  // False until START has run; then whether a setup was started or, in check mode,
  // whether an update is available.
  bool ResultFlag = false;

  QPlainTextEdit* Memo1;
  QPushButton* buStart;
  QPushButton* buClose;
  QPushButton* buConfig;

 public slots:
  void buStartClick();
  void buCloseClick();
  void buConfigClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private slots:
  void FormShow();

 private:
  // Closes the dialog without waiting for the user; ResultFlag stays as it is.
  void EndCall();
};

// The text of the "Help" box.
extern const char* const kUpdaterHelpText;

}  // namespace vx
