#include "orrix/wupIcon.h"

#include <QtGlobal>

// Registers the library's resources; calling it here also keeps the resource object in
// a static link of the library (the tests' orrixcore).
static void InitUpdaterResources() {
  static bool registered = false;
  if (registered) return;
  Q_INIT_RESOURCE(orrix);
  registered = true;
}

namespace vx {

QPixmap UpdaterPixmap() {
  InitUpdaterResources();
  return QPixmap(QStringLiteral(":/orrix/updater.xpm"));
}

QIcon UpdaterIcon() { return QIcon(UpdaterPixmap()); }

}  // namespace vx
