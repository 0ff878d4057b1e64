#pragma once
// Shows the engine's messages as the program's message boxes.
#include "vxbiz/engine/messages.h"

namespace vx {

class MessageBoxService final : public MessageService {
 public:
  MessageBoxService();   // installs itself for the engine
  ~MessageBoxService() override;
  void Show(const std::string& text, const std::string& caption, MessageStyle style) override;
};

}  // namespace vx
