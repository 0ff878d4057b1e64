#pragma once
// Texts as lists of lines, the way templates, mailer reports and log files are read and written.
#include <string>
#include <string_view>
#include <vector>

namespace vx {

// Cuts a text into lines at every CR LF, LF or CR; a NUL ends the text. A line end at the very
// end opens no further line, so an empty text gives no lines.
std::vector<std::string> SplitLines(std::string_view text);

// The lines, each followed by CR LF (the last one too).
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

// Creates or replaces the file with the lines, each followed by CR LF; false when it cannot.
bool WriteLinesCrLf(const std::string& path, const std::vector<std::string>& lines);

}  // namespace vx
