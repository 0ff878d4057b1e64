#pragma once
// Message boxes for the Qt programs and the updater. On a screen: a QMessageBox with the
// caption, text, OK button and icon. With no screen (the offscreen platform, as in an
// unattended run): the line "caption: text" on standard error, and the call returns at once.
#include <functional>
#include <string>

#include "platform/message_style.h"

namespace vx {

void ShowMessageBox(const std::string& text, const std::string& caption, MessageStyle style);

// True when there is no screen to show windows on.
bool RunningWithoutScreen();

// Tests answer message boxes here: while a hook is set, every message goes to it instead.
using MessageBoxHook = std::function<void(const std::string& text, const std::string& caption, MessageStyle style)>;
void SetMessageBoxHook(MessageBoxHook hook);

}  // namespace vx
