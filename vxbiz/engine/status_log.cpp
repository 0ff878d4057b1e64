#include "vxbiz/engine/status_log.h"

#include <algorithm>

#include "platform/datetime.h"
#include "platform/files.h"
#include "vxbiz/engine/run_error.h"
#include "platform/text_lines.h"

namespace vx {
namespace {

std::string FileNameSafe(std::string text) {
  std::replace(text.begin(), text.end(), ':', '.');
  std::replace(text.begin(), text.end(), '/', '-');
  return text;
}

}  // namespace

void StatusLog::SetObserver(StatusLogObserver* observer) { observer_ = observer; }

void StatusLog::BeginProcessing() {
  if (observer_) observer_->ProcessingBegins();
  lines_.clear();
  if (observer_) observer_->Cleared();
}

void StatusLog::AddLine(const std::string& text) {
  lines_.push_back(text);
  if (observer_) observer_->LineAdded(lines_.back());
}

void StatusLog::AppendFile(const std::string& path) {
  if (!FileExists(path)) return;
  const auto text = ReadWholeFile(path);
  if (!text) throw RunError("Datei " + path + " kann nicht geöffnet werden");
  for (const auto& line : SplitLines(*text)) AddLine(line);
}

std::string StatusLog::SaveRunLog(const std::string& tempDir) const {
  if (lines_.empty()) return {};
  const std::string path = RunLogPath(tempDir, std::time(nullptr));
  if (!WriteFileAtomically(path, JoinLinesCrLf(lines_)))
    throw RunError("Datei " + path + " kann nicht erstellt werden");
  return path;
}

std::string RunLogPath(const std::string& tempDir, std::time_t when) {
  return tempDir + "Log_" + FileNameSafe(ShortDateText(when)) + "_" + FileNameSafe(LongTimeText(when)) +
         ".log";
}

}  // namespace vx
