#pragma once
// The status lines of the last check or run, and the run log saved from them.
#include <ctime>
#include <string>
#include <vector>

namespace vx {

// Told of every change, so the processing window can show it as it happens.
class StatusLogObserver {
 public:
  virtual ~StatusLogObserver() = default;
  virtual void ProcessingBegins() = 0;                    // show the window, then it is emptied
  virtual void LineAdded(const std::string& line) = 0;    // append and select the line
  virtual void Cleared() = 0;                             // remove every line
};

class StatusLog {
 public:
  void SetObserver(StatusLogObserver* observer);

  // Shows the processing window (through the observer) and empties the list.
  void BeginProcessing();
  void AddLine(const std::string& text);
  // Adds the lines of an existing file (cut at CR LF, LF or CR; a NUL ends the text);
  // a missing file adds nothing; one that cannot be opened throws RunError.
  void AppendFile(const std::string& path);
  // Writes tempDir + "Log_" + date + "_" + time + ".log" when there is at least one line;
  // a file that cannot be created throws RunError. Returns the path written, or "".
  std::string SaveRunLog(const std::string& tempDir) const;

  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  std::vector<std::string> lines_;
  StatusLogObserver* observer_ = nullptr;
};

// tempDir + "Log_" + date + "_" + time + ".log" for the moment `when`: the user's short date
// and long time, ":" written as "." and "/" as "-", so every locale gives a usable name.
std::string RunLogPath(const std::string& tempDir, std::time_t when);

}  // namespace vx
