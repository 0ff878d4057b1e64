#include "tests/orrix_ui/modal_script.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTimer>

namespace vxtest {
namespace {

constexpr int kPollMs = 20;
// A window that never shows up fails the test instead of hanging it.
constexpr int kGiveUpMs = 15000;

QWidget* WindowNamed(const QString& name) {
  if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->objectName() == name) return modal;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible() && window->objectName() == name && !window->isModal()) return window;
  }
  return nullptr;
}

}  // namespace

ModalScript::ModalScript() : timer_(new QTimer(this)) {
  timer_->setInterval(kPollMs);
  connect(timer_, &QTimer::timeout, this, &ModalScript::Poll);
}

ModalScript::~ModalScript() { timer_->stop(); }

ModalScript& ModalScript::Then(const QString& windowName, std::function<void(QWidget*)> action) {
  steps_.push_back({windowName, std::move(action)});
  timer_->start();
  return *this;
}

void ModalScript::Poll() {
  if (steps_.empty()) {
    timer_->stop();
    return;
  }
  QWidget* window = WindowNamed(steps_.front().windowName);
  if (!window) {
    waitedMs_ += kPollMs;
    if (waitedMs_ >= kGiveUpMs) {
      ADD_FAILURE() << "window " << steps_.front().windowName.toStdString() << " never appeared";
      steps_.clear();
      if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->done(QDialog::Rejected);
    }
    return;
  }
  waitedMs_ = 0;
  auto action = std::move(steps_.front().action);
  steps_.pop_front();
  // Acting from a fresh event lets the action run nested modal loops while this timer
  // keeps polling for the next step.
  QTimer::singleShot(0, window, [window, action = std::move(action)] { action(window); });
}

void Click(QWidget* window, const char* buttonName) {
  auto* button = Find<QPushButton>(window, buttonName);
  ASSERT_NE(button, nullptr) << buttonName;
  button->click();
}

}  // namespace vxtest
