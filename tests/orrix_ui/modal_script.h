#pragma once
// Drives the updater's windows from a test: each step waits until a window of the given
// object name is the active modal window (or, for a window that is not modal, is visible)
// and then acts on it from the event loop, so a step may open further modal windows that
// later steps answer.
#include <QObject>
#include <QString>
#include <QWidget>
#include <deque>
#include <functional>

class QTimer;

namespace vxtest {

class ModalScript : public QObject {
  Q_OBJECT
 public:
  ModalScript();
  ~ModalScript() override;

  // Adds a step; steps run in the order they were added.
  ModalScript& Then(const QString& windowName, std::function<void(QWidget*)> action);

  // True when every step has run.
  bool Finished() const { return steps_.empty(); }

 private:
  struct Step {
    QString windowName;
    std::function<void(QWidget*)> action;
  };
  void Poll();

  QTimer* timer_;
  std::deque<Step> steps_;
  int waitedMs_ = 0;
};

// Clicks the push button of that object name inside window (fails the test when missing).
void Click(QWidget* window, const char* buttonName);

// The widget of that object name and type inside window, or nullptr.
template <typename T>
T* Find(QWidget* window, const char* name) {
  return window->findChild<T*>(QString::fromUtf8(name));
}

}  // namespace vxtest
