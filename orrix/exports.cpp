// The four entry points of the library. Each one makes sure an application object exists,
// keeps every exception on this side of the boundary and answers false on any failure.
#include "orrix/orrix.h"

#include <QLabel>
#include <string>

#include "orrix/fwupSplash.h"
#include "orrix/fwupStart.h"
#include "orrix/wupApplication.h"

namespace vx {
namespace {

enum class StartMode { ShowDialog, CheckAtOnce };

bool RunUpdaterCall(const char* parameters, StartMode mode) {
  try {
    CallApplication application;
    if (!HasWidgetApplication()) return false;
    TwupStart start(parameters ? std::string(parameters) : std::string());
    if (mode == StartMode::ShowDialog) start.exec();
    else start.buStartClick();
    return start.ResultFlag;
  } catch (...) {
    return false;
  }
}

// Releases what the library keeps between calls when the library is unloaded: splash
// windows (a shown one is closed) and an application object made for them.
struct LibraryUnload {
  ~LibraryUnload() {
    try {
      ReleaseSplashWindows();
      ReleaseLibraryApplication();
    } catch (...) {
    }
  }
} libraryUnload;

}  // namespace
}  // namespace vx

bool _TavGenerate(const char* parameters) { return vx::RunUpdaterCall(parameters, vx::StartMode::ShowDialog); }

bool _TavUpdateCheck(const char* parameters) { return vx::RunUpdaterCall(parameters, vx::StartMode::CheckAtOnce); }

void _TavSplash(int32_t left, int32_t top, int32_t interval) {
  try {
    vx::KeepLibraryApplication();
    if (vx::HasWidgetApplication()) vx::ShowSplash(left, top, interval);
  } catch (...) {
  }
}

void* _TavGetIcon(void) {
  try {
    vx::KeepLibraryApplication();
    return vx::HasWidgetApplication() ? static_cast<void*>(vx::SplashIconImage()) : nullptr;
  } catch (...) {
    return nullptr;
  }
}
