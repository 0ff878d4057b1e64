#pragma once
// A test's own temporary folder, with the settings places, HOME and the current directory
// pointed into it; everything is restored and removed when the sandbox ends.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "vxbiz/engine/messages.h"

namespace vxtest {

class Sandbox {
 public:
  Sandbox();
  ~Sandbox();
  Sandbox(const Sandbox&) = delete;
  Sandbox& operator=(const Sandbox&) = delete;

  // The sandbox root with a trailing "/".
  const std::string& Root() const { return root_; }
  // Root() + relative; creates no file.
  std::string Path(const std::string& relative) const { return root_ + relative; }
  // Writes bytes to Root() + relative (folders created) and returns the full path.
  std::string Write(const std::string& relative, const std::string& bytes) const;
  // The file's bytes, or nothing when it does not exist.
  std::optional<std::string> Read(const std::string& relative) const;
  // Makes a folder Root() + relative with "/" at the end.
  std::string Folder(const std::string& relative) const;

  // Sets an environment variable until the sandbox ends.
  void SetEnv(const std::string& name, const std::string& value);
  // Changes the current directory until the sandbox ends.
  void ChangeDir(const std::string& folder);

 private:
  std::string root_;
  std::string oldCwd_;
  std::map<std::string, std::optional<std::string>> savedEnv_;
};

// Records every message an engine operation shows, for the life of the recorder.
class MessageRecorder : public vx::MessageService {
 public:
  struct Message {
    std::string text, caption;
    vx::MessageStyle style;
  };
  MessageRecorder();
  ~MessageRecorder() override;
  void Show(const std::string& text, const std::string& caption, vx::MessageStyle style) override;
  std::vector<Message> messages;
};

}  // namespace vxtest
