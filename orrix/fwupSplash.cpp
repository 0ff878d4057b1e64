#include "orrix/fwupSplash.h"

#include <QCoreApplication>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "orrix/wupConstants.h"
#include "orrix/wupIcon.h"

namespace vx {
namespace {

// Every splash window the library made; entries turn null when a window is released.
// The list is never destroyed itself, so it is still there when the library is unloaded.
std::vector<QPointer<TfrmSplash>>& SplashWindows() {
  static auto* windows = new std::vector<QPointer<TfrmSplash>>;
  return *windows;
}

TfrmSplash* NewTrackedSplash() {
  auto& windows = SplashWindows();
  std::erase_if(windows, [](const QPointer<TfrmSplash>& w) { return w.isNull(); });
  auto* splash = new TfrmSplash;
  windows.emplace_back(splash);
  return splash;
}

}  // namespace

TfrmSplash::TfrmSplash() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("frmSplash"));

  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFrameShape(QFrame::Panel);
  Panel1->setFrameShadow(QFrame::Raised);

  Label1 = new QLabel(QStringLiteral("Tavrik Web-Update-Module"), Panel1);
  Label1->setObjectName(QStringLiteral("Label1"));
  QFont titleFont = Label1->font();
  titleFont.setPixelSize(16);
  Label1->setFont(titleFont);

  Image1 = new QLabel(Panel1);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setPixmap(UpdaterPixmap());
  Image1->setFixedSize(Image1->pixmap().size());

  laVersion = new QLabel(QStringLiteral("Version %1").arg(QLatin1String(kUpdaterVersion)), Panel1);
  laVersion->setObjectName(QStringLiteral("laVersion"));
  laVersion->setAlignment(Qt::AlignCenter);

  auto* panelLayout = new QVBoxLayout(Panel1);
  panelLayout->addWidget(Label1, 0, Qt::AlignHCenter);
  panelLayout->addWidget(Image1, 0, Qt::AlignHCenter);
  panelLayout->addWidget(laVersion);

  auto* formLayout = new QVBoxLayout(this);
  formLayout->setContentsMargins(10, 10, 10, 10);
  formLayout->addWidget(Panel1);
  formLayout->setSizeConstraint(QLayout::SetFixedSize);

  tiClose = new QTimer(this);
  tiClose->setObjectName(QStringLiteral("tiClose"));
  tiClose->setInterval(2000);
  tiClose->setSingleShot(true);
  connect(tiClose, &QTimer::timeout, this, &TfrmSplash::tiCloseTimer);
}

void TfrmSplash::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  FormShow();
}

// An interval of 0 means no timer at all, so such a window never closes by itself.
void TfrmSplash::FormShow() {
  if (tiClose->interval() > 0) tiClose->start();
}

void TfrmSplash::tiCloseTimer() { close(); }

void ShowSplash(int left, int top, int interval) {
  TfrmSplash* splash = NewTrackedSplash();
  splash->setAttribute(Qt::WA_DeleteOnClose);
  splash->move(left, top);
  // A negative interval counts as 0: the window then stays.
  splash->tiClose->setInterval(std::max(interval, 0));
  splash->show();
}

QLabel* SplashIconImage() { return NewTrackedSplash()->Image1; }

void ReleaseSplashWindows() {
  auto& windows = SplashWindows();
  // Without an application object (the host has already ended its own) the windows
  // cannot be released safely any more; the process is ending anyway.
  if (QCoreApplication::instance()) {
    for (const QPointer<TfrmSplash>& splash : windows) delete splash.data();
  }
  windows.clear();
}

}  // namespace vx
