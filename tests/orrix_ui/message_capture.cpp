#include "tests/orrix_ui/message_capture.h"

#include "platform/qt/message_box.h"

namespace vxtest {

MessageCapture::MessageCapture() {
  vx::SetMessageBoxHook([this](const std::string& text, const std::string& caption, vx::MessageStyle) {
    messages.push_back({text, caption});
  });
}

MessageCapture::~MessageCapture() { vx::SetMessageBoxHook({}); }

std::vector<std::string> MessageCapture::Captions() const {
  std::vector<std::string> captions;
  for (const Message& message : messages) captions.push_back(message.caption);
  return captions;
}

}  // namespace vxtest
