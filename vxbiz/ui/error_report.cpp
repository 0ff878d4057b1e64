#include "vxbiz/ui/error_report.h"

#include <exception>

#include "platform/qt/message_box.h"
#include "vxbiz/ui/program_constants.h"

namespace vx {

std::string ErrorReportText(const std::string& text) {
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') return text + ".";
  return text;
}

void ReportError(const std::string& text) {
  ShowMessageBox(ErrorReportText(text), kApplicationTitle, MessageStyle::Stop);
}

bool RunReportingErrors(const std::function<void()>& command) {
  try {
    command();
    return true;
  } catch (const std::exception& error) {
    ReportError(error.what());
  } catch (...) {
    ReportError("Unbekannter Fehler");
  }
  return false;
}

}  // namespace vx
