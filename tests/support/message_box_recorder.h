#pragma once
// Records every message box of the Qt programs and the updater (platform/qt/message_box.h)
// for the life of the recorder, instead of showing it.
#include <string>
#include <vector>

#include "platform/qt/message_box.h"

namespace vxtest {

class MessageBoxRecorder {
 public:
  struct Box {
    std::string text, caption;
    vx::MessageStyle style;
  };
  MessageBoxRecorder() {
    vx::SetMessageBoxHook([this](const std::string& text, const std::string& caption, vx::MessageStyle style) {
      boxes.push_back({text, caption, style});
    });
  }
  ~MessageBoxRecorder() { vx::SetMessageBoxHook(nullptr); }
  MessageBoxRecorder(const MessageBoxRecorder&) = delete;
  MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

  std::vector<Box> boxes;
};

}  // namespace vxtest
