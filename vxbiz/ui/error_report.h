#pragma once
// The general error report: an error that stops a menu command, the command-line mode or
// the start-up is shown with the application title as caption, an OK button and the stop icon.
#include <functional>
#include <string>

namespace vx {

// The text as the report shows it: a full stop is appended when the last character has a
// higher character code than ".", so a text ending in "." or "!" gets none.
std::string ErrorReportText(const std::string& text);

void ReportError(const std::string& text);

// Runs a command; an error escaping it is reported. False when that happened.
bool RunReportingErrors(const std::function<void()>& command);

}  // namespace vx
