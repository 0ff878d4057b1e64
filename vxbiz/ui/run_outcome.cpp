#include "vxbiz/ui/run_outcome.h"

#include <charconv>
#include <string_view>

namespace vx {
namespace {

// The row number of a line "Mail " + r + " gesendet.", or 0 for any other line.
size_t SentRowOf(std::string_view line) {
  constexpr std::string_view head = "Mail ", tail = " gesendet.";
  if (line.size() <= head.size() + tail.size() || !line.starts_with(head) || !line.ends_with(tail)) return 0;
  const std::string_view digits = line.substr(head.size(), line.size() - head.size() - tail.size());
  size_t row = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), row);
  return error == std::errc() && end == digits.data() + digits.size() ? row : 0;
}

}  // namespace

int ExitCodeOfRun(const std::vector<std::string>& lines, size_t dataRows) {
  if (lines.empty() || lines.back() != "Fertig!") return kExitNotAllSent;
  std::vector<bool> sent(dataRows + 1, false);
  for (const std::string& line : lines)
    if (const size_t row = SentRowOf(line); row >= 1 && row <= dataRows) sent[row] = true;
  for (size_t row = 1; row <= dataRows; ++row)
    if (!sent[row]) return kExitNotAllSent;
  return kExitAllSent;
}

}  // namespace vx
