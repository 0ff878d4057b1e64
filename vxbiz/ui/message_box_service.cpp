#include "vxbiz/ui/message_box_service.h"

#include "platform/qt/message_box.h"

namespace vx {

MessageBoxService::MessageBoxService() { SetMessageService(this); }
MessageBoxService::~MessageBoxService() { SetMessageService(nullptr); }

void MessageBoxService::Show(const std::string& text, const std::string& caption, MessageStyle style) {
  ShowMessageBox(text, caption, style);
}

}  // namespace vx
