#pragma once
// The about box "Über...": product name and version beside the program's icon.
#include <QDialog>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace vx {

class TfrmAbout final : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmAbout(QWidget* parent = nullptr);

  // Puts the text (lines separated by CR LF) into taInfo and shows the box modally.
  void ShowInfo(const std::string& text);

  QGroupBox* GroupBox1;
  QPlainTextEdit* taInfo;
  QLabel* imIcon;
  QPushButton* Button1;

 public slots:
  void Button1Click();
};

}  // namespace vx
