#include "vxbiz/engine/messages.h"

#include <iostream>

namespace vx {
namespace {
MessageService* current = nullptr;
}

void SetMessageService(MessageService* service) { current = service; }

void ShowMessage(const std::string& text, const std::string& caption, MessageStyle style) {
  if (current) {
    current->Show(text, caption, style);
  } else {
    std::cerr << caption << ": " << text << std::endl;
  }
}

}  // namespace vx
