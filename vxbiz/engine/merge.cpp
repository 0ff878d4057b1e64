#include "vxbiz/engine/merge.h"

#include "platform/files.h"
#include "platform/text.h"
#include "vxbiz/engine/run_error.h"
#include "platform/text_lines.h"

namespace vx {
namespace {

constexpr size_t kKeptAfterPlaceholder = 999;
constexpr int kMaxReplacementsPerLine = 10000;

// Replaces placeholders from the left until none is left. A "{" without a "}" after it stays
// as literal text and ends the work; so does the replacement bound, which stops values that
// keep bringing in placeholders of their own.
void MergeLine(std::string& line, const RecipientTable& table, size_t row) {
  size_t open = line.find('{');
  for (int done = 0; open != std::string::npos && done < kMaxReplacementsPerLine; ++done) {
    const size_t close = line.find('}', open + 1);
    if (close == std::string::npos) return;
    const std::string value = FieldValue(table, std::string_view(line).substr(open + 1, close - open - 1), row);
    line = line.substr(0, open) + value + line.substr(close + 1, kKeptAfterPlaceholder);
    open = line.find('{', open);
  }
}

}  // namespace

std::string FieldValue(const RecipientTable& table, std::string_view name, size_t row) {
  // The rightmost matching column gives the value, so search from the right.
  for (size_t c = table.ColCount(); c-- > 0;)
    if (SameTextIgnoringCase(table.Cell(c, 0), name)) return std::string(table.Cell(c, row));
  return {};
}

std::vector<std::string> MergeTemplate(const std::string& templatePath, const RecipientTable& table,
                                       size_t row) {
  const auto text = ReadWholeFile(templatePath);
  if (!text) throw RunError("Datei " + templatePath + " kann nicht geöffnet werden");
  std::vector<std::string> lines = SplitLines(*text);
  for (auto& line : lines) MergeLine(line, table, row);
  return lines;
}

}  // namespace vx
