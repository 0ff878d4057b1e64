#pragma once
// The splash window: a borderless window with the updater's name, icon and version that
// closes itself when its timer fires. Host programs reach it through _TavSplash and
// _TavGetIcon; the library keeps track of every splash window until it is unloaded.
#include <QWidget>

class QFrame;
class QLabel;
class QTimer;

namespace vx {

class TfrmSplash : public QWidget {
  Q_OBJECT
 public:
  TfrmSplash();

  QFrame* Panel1;
  QLabel* Label1;
  QLabel* Image1;
  QLabel* laVersion;
  QTimer* tiClose;

 protected:
  void showEvent(QShowEvent* event) override;

 private slots:
  void tiCloseTimer();

 private:
  void FormShow();
};

// Shows a new splash window with its left edge at left and its top edge at top for
// interval milliseconds (0: it stays until the library is unloaded) and returns at once.
void ShowSplash(int left, int top, int interval);

// The picture of a new, hidden splash window; it stays valid until the library is unloaded.
QLabel* SplashIconImage();

// Closes and releases every splash window that still exists (the library is being unloaded).
void ReleaseSplashWindows();

}  // namespace vx
