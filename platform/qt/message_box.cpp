#include "platform/qt/message_box.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <cstdlib>
#include <iostream>

namespace vx {
namespace {
MessageBoxHook& Hook() {
  static MessageBoxHook hook;
  return hook;
}
}  // namespace

void SetMessageBoxHook(MessageBoxHook hook) { Hook() = std::move(hook); }

bool RunningWithoutScreen() {
  if (QGuiApplication::instance() && QGuiApplication::platformName() == QLatin1String("offscreen"))
    return true;
  const char* x11 = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return !(x11 && *x11) && !(wayland && *wayland);
}

void ShowMessageBox(const std::string& text, const std::string& caption, MessageStyle style) {
  if (Hook()) {
    Hook()(text, caption, style);
    return;
  }
  if (RunningWithoutScreen() || !QGuiApplication::instance()) {
    std::cerr << caption << ": " << text << std::endl;
    return;
  }
  const QMessageBox::Icon icon = style == MessageStyle::Exclamation ? QMessageBox::Warning
                                 : style == MessageStyle::Stop      ? QMessageBox::Critical
                                                                    : QMessageBox::NoIcon;
  QMessageBox box(icon, QString::fromStdString(caption), QString::fromStdString(text), QMessageBox::Ok);
  box.exec();
}

}  // namespace vx
