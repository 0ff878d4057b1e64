#include "tests/support/sandbox.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace vxtest {

Sandbox::Sandbox() {
  std::string pattern = (fs::temp_directory_path() / "vxtest-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  root_ = pattern + "/";
  // Others may traverse it, so a check run as an unprivileged user reaches its folders.
  fs::permissions(pattern, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
  oldCwd_ = fs::current_path().string();
  SetEnv("VXBIZ_SHARED_DIR", Folder("shared"));
  SetEnv("ORRIX_REGISTRY_DIR", Folder("registry"));
  SetEnv("HOME", Folder("home"));
  SetEnv("XDG_CONFIG_HOME", Folder("home/.config"));
  ChangeDir(Folder("cwd"));
}

Sandbox::~Sandbox() {
  std::error_code ec;
  fs::current_path(oldCwd_, ec);
  for (const auto& [name, value] : savedEnv_) {
    if (value) ::setenv(name.c_str(), value->c_str(), 1);
    else ::unsetenv(name.c_str());
  }
  // A test may have taken the write bit from a folder; give it back so it can be removed.
  for (auto it = fs::recursive_directory_iterator(root_, ec); it != fs::recursive_directory_iterator();
       it.increment(ec)) {
    fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
  }
  fs::remove_all(root_, ec);
}

std::string Sandbox::Write(const std::string& relative, const std::string& bytes) const {
  const fs::path path = root_ + relative;
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
  return path.string();
}

std::optional<std::string> Sandbox::Read(const std::string& relative) const {
  std::ifstream in(root_ + relative, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

std::string Sandbox::Folder(const std::string& relative) const {
  fs::create_directories(root_ + relative);
  return root_ + relative + "/";
}

void Sandbox::SetEnv(const std::string& name, const std::string& value) {
  if (!savedEnv_.count(name)) {
    const char* old = std::getenv(name.c_str());
    savedEnv_[name] = old ? std::optional<std::string>(old) : std::nullopt;
  }
  ::setenv(name.c_str(), value.c_str(), 1);
}

void Sandbox::ChangeDir(const std::string& folder) { fs::current_path(folder); }

MessageRecorder::MessageRecorder() { vx::SetMessageService(this); }
MessageRecorder::~MessageRecorder() { vx::SetMessageService(nullptr); }

void MessageRecorder::Show(const std::string& text, const std::string& caption, vx::MessageStyle style) {
  messages.push_back({text, caption, style});
}

}  // namespace vxtest
