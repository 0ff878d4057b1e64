// The splash window: placed where asked, closed by its timer only while the event loop
// runs, kept open with an interval of 0, and released when the library lets go of it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <chrono>
#include <memory>
#include <thread>

#include "orrix/fwupSplash.h"
#include "orrix/orrix.h"
#include "platform/library.h"
#include "tests/orrix_ui/event_loop.h"

namespace {

// The splash windows that exist now, newest last.
QList<vx::TfrmSplash*> SplashWindows() {
  QList<vx::TfrmSplash*> found;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (auto* splash = qobject_cast<vx::TfrmSplash*>(window)) found.append(splash);
  }
  return found;
}

class Splash : public testing::Test {
 protected:
  void TearDown() override {
    vx::ReleaseSplashWindows();
    EXPECT_TRUE(SplashWindows().isEmpty());
  }
};

TEST_F(Splash, ShowsAtThePositionAndClosesByItsTimerThroughTheEventLoop) {
  vx::ShowSplash(100, 50, 300);
  ASSERT_EQ(SplashWindows().size(), 1);
  QPointer<vx::TfrmSplash> splash = SplashWindows().first();
  EXPECT_TRUE(splash->isVisible());
  EXPECT_EQ(splash->pos(), QPoint(100, 50));
  EXPECT_EQ(splash->objectName(), "frmSplash");
  EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(splash->tiClose->interval(), 300);
  EXPECT_EQ(splash->Label1->text(), "Tavrik Web-Update-Module");
  EXPECT_EQ(splash->Label1->font().pixelSize(), 16);

  // Without the event loop the timer cannot fire, however long it has been.
  std::this_thread::sleep_for(std::chrono::milliseconds(450));
  ASSERT_FALSE(splash.isNull());
  EXPECT_TRUE(splash->isVisible());

  EXPECT_TRUE(vxtest::RunEventLoopUntil([&] { return splash.isNull(); }, 3000)) << "closed and released";
}

TEST_F(Splash, IntervalZeroNeverCloses) {
  vx::ShowSplash(10, 10, 0);
  QPointer<vx::TfrmSplash> splash = SplashWindows().first();
  EXPECT_FALSE(splash->tiClose->isActive());
  vxtest::RunEventLoopFor(500);
  ASSERT_FALSE(splash.isNull());
  EXPECT_TRUE(splash->isVisible());
  vx::ReleaseSplashWindows();
  EXPECT_TRUE(splash.isNull()) << "closed when the library lets go";
}

TEST_F(Splash, EachCallHasItsOwnWindowAndOffScreenPositionsStand) {
  vx::ShowSplash(-5000, -4000, 200);
  vx::ShowSplash(300, 200, 2000);
  const QList<vx::TfrmSplash*> windows = SplashWindows();
  ASSERT_EQ(windows.size(), 2);
  QPointer<vx::TfrmSplash> shortLived = windows[0]->pos() == QPoint(-5000, -4000) ? windows[0] : windows[1];
  QPointer<vx::TfrmSplash> longLived = shortLived == windows[0] ? windows[1] : windows[0];
  EXPECT_EQ(shortLived->pos(), QPoint(-5000, -4000));
  EXPECT_EQ(longLived->pos(), QPoint(300, 200));
  EXPECT_TRUE(vxtest::RunEventLoopUntil([&] { return shortLived.isNull(); }, 3000));
  EXPECT_FALSE(longLived.isNull()) << "its own timer has not fired yet";
}

TEST_F(Splash, IconImageStaysValidUntilReleased) {
  QLabel* image = vx::SplashIconImage();
  ASSERT_NE(image, nullptr);
  QPointer<QWidget> owner = image->window();
  EXPECT_EQ(image->objectName(), "Image1");
  EXPECT_FALSE(owner->isVisible()) << "the window behind the picture is not shown";
  EXPECT_EQ(image->pixmap().size(), QSize(32, 32));
  EXPECT_FALSE(image->pixmap().toImage().allGray()) << "the icon is drawn, not blank";
  vxtest::RunEventLoopFor(100);
  ASSERT_FALSE(owner.isNull());
  EXPECT_EQ(image->pixmap().size(), QSize(32, 32));
  vx::ReleaseSplashWindows();
  EXPECT_TRUE(owner.isNull());
}

}  // namespace

namespace {

// The exports of the real library in a Qt host: the splash closes through the host's event
// loop, and what is still there when the host releases the library goes with it.
class SplashExports : public testing::Test {
 protected:
  static QList<QWidget*> Named(const char* name) {
    QList<QWidget*> found;
    for (QWidget* window : QApplication::topLevelWidgets())
      if (window->objectName() == name) found.append(window);
    return found;
  }

  std::unique_ptr<vx::SharedLibrary> library = vx::SharedLibrary::Load("liborrix.so", VX_BIN_DIR "/");
};

TEST_F(SplashExports, TimerClosesThroughTheHostLoopAndUnloadReleasesTheRest) {
  ASSERT_TRUE(library);
  auto splash = reinterpret_cast<TavSplashFunction>(library->Symbol("_TavSplash"));
  auto getIcon = reinterpret_cast<TavGetIconFunction>(library->Symbol("_TavGetIcon"));
  ASSERT_TRUE(splash && getIcon);

  splash(100, 50, 200);
  ASSERT_EQ(Named("frmSplash").size(), 1);
  EXPECT_EQ(Named("frmSplash").first()->pos(), QPoint(100, 50));
  EXPECT_TRUE(vxtest::RunEventLoopUntil([] { return Named("frmSplash").isEmpty(); }, 3000));

  splash(10, 10, 0);
  auto* image = static_cast<QLabel*>(getIcon());
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->objectName(), "Image1");
  EXPECT_EQ(image->pixmap().size(), QSize(32, 32));
  vxtest::RunEventLoopFor(300);
  EXPECT_EQ(Named("frmSplash").size(), 2) << "a shown window with interval 0 and the picture's window";

  library.reset();
  EXPECT_TRUE(Named("frmSplash").isEmpty());
  vxtest::RunEventLoopFor(100);  // nothing of the released library is left to run
}

}  // namespace
