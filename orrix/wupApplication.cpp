#include "orrix/wupApplication.h"

#include <QApplication>
#include <QNetworkAccessManager>

#include "platform/library.h"
#include "platform/qt/message_box.h"

namespace vx {
namespace {

// QApplication keeps references to its argument count and vector for its whole life and
// takes the options it understands out of them, so they are filled anew for each object.
int appArgc = 0;
char appName[] = "orrix";
char platformOption[] = "-platform";
char offscreenPlatform[] = "offscreen";
char* appArgv[4] = {};

QApplication* libraryApplication = nullptr;

std::unique_ptr<QApplication> MakeApplication() {
  appArgc = 0;
  appArgv[appArgc++] = appName;
  if (RunningWithoutScreen()) {
    appArgv[appArgc++] = platformOption;
    appArgv[appArgc++] = offscreenPlatform;
  }
  appArgv[appArgc] = nullptr;
  return std::make_unique<QApplication>(appArgc, appArgv);
}

// The Qt libraries stay loaded when the host releases this library: they connect to the
// application object, and a host that had not loaded one of them itself (a Qt host
// without Qt Network, say) would otherwise call into unloaded code when its application
// object ends.
void KeepQtLoaded() {
  for (const void* address : {static_cast<const void*>(&QObject::staticMetaObject),
                              static_cast<const void*>(&QGuiApplication::staticMetaObject),
                              static_cast<const void*>(&QApplication::staticMetaObject),
                              static_cast<const void*>(&QNetworkAccessManager::staticMetaObject)}) {
    KeepLibraryLoaded(address);
  }
}

}  // namespace

CallApplication::CallApplication() {
  KeepQtLoaded();
  if (!QCoreApplication::instance()) own_ = MakeApplication();
}

CallApplication::~CallApplication() = default;

bool HasWidgetApplication() { return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr; }

void KeepLibraryApplication() {
  KeepQtLoaded();
  if (!QCoreApplication::instance()) libraryApplication = MakeApplication().release();
}

void ReleaseLibraryApplication() {
  delete libraryApplication;
  libraryApplication = nullptr;
}

}  // namespace vx
