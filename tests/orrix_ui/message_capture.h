#pragma once
// Answers the updater's message boxes for a test and records them in order.
#include <string>
#include <vector>

#include "platform/message_style.h"

namespace vxtest {

class MessageCapture {
 public:
  struct Message {
    std::string text, caption;
  };
  MessageCapture();
  ~MessageCapture();
  MessageCapture(const MessageCapture&) = delete;
  MessageCapture& operator=(const MessageCapture&) = delete;

  // The captions in order, for a quick look at what was shown.
  std::vector<std::string> Captions() const;

  std::vector<Message> messages;
};

}  // namespace vxtest
