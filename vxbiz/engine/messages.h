#pragma once
// How engine operations show a message without knowing about windows. The main program
// installs a service that shows a message box; tests install one that records.
#include <string>

#include "platform/message_style.h"

namespace vx {

class MessageService {
 public:
  virtual ~MessageService() = default;
  virtual void Show(const std::string& text, const std::string& caption, MessageStyle style) = 0;
};

// Installs the service used by ShowMessage; nullptr restores the default, which writes
// "caption: text" to standard error.
void SetMessageService(MessageService* service);

void ShowMessage(const std::string& text, const std::string& caption, MessageStyle style);

}  // namespace vx
