#include "tests/orrix_ui/event_loop.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace vxtest {

void RunEventLoopFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

bool RunEventLoopUntil(const std::function<bool()>& done, int timeoutMs) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < timeoutMs) RunEventLoopFor(10);
  return done();
}

}  // namespace vxtest
