#pragma once
// The application object the updater's windows need. A Qt host has its own; for any other
// host the library makes one: for the length of one entry point call, or, for the splash
// window, until the library is unloaded. With no screen it runs on the offscreen platform.
#include <memory>

class QApplication;

namespace vx {

// Holds an application object for one entry point call and removes it again at the end,
// unless the host's own or one kept by the library was there already.
class CallApplication {
 public:
  CallApplication();
  ~CallApplication();
  CallApplication(const CallApplication&) = delete;
  CallApplication& operator=(const CallApplication&) = delete;

 private:
  std::unique_ptr<QApplication> own_;
};

// True when windows can be made: the application object is a QApplication (a host that
// runs only a QCoreApplication cannot get a second, widget-capable one).
bool HasWidgetApplication();

// Makes sure an application object exists; one made here stays until ReleaseLibraryApplication.
void KeepLibraryApplication();

// Removes the application object that KeepLibraryApplication made, if any (at unload).
void ReleaseLibraryApplication();

}  // namespace vx
