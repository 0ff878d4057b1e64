#pragma once
// The updater's own icon (a globe with a download arrow, 32 x 32), shown by its windows.
#include <QIcon>
#include <QPixmap>

namespace vx {

QPixmap UpdaterPixmap();
QIcon UpdaterIcon();

}  // namespace vx
