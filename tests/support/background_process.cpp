#include "tests/support/background_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <thread>

#include "tests/support/free_port.h"

extern char** environ;

namespace vxtest {
namespace {

using Clock = std::chrono::steady_clock;

// The caller's environment with the given variables set or replaced.
std::vector<std::string> EnvironmentWith(const std::map<std::string, std::string>& extraEnv) {
  std::vector<std::string> entries;
  for (char** entry = environ; *entry; ++entry) {
    const std::string text = *entry;
    if (!extraEnv.count(text.substr(0, text.find('=')))) entries.push_back(text);
  }
  for (const auto& [name, value] : extraEnv) entries.push_back(name + "=" + value);
  return entries;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (auto& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

}  // namespace

BackgroundProcess::BackgroundProcess(const std::vector<std::string>& argv, const std::string& logPath,
                                     const std::map<std::string, std::string>& extraEnv,
                                     const std::string& errorLogPath) {
  std::vector<std::string> args = argv;
  std::vector<std::string> env = EnvironmentWith(extraEnv);
  std::vector<char*> argPointers = Pointers(args);
  std::vector<char*> envPointers = Pointers(env);

  posix_spawn_file_actions_t actions;
  ::posix_spawn_file_actions_init(&actions);
  ::posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  ::posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, logPath.c_str(), O_WRONLY | O_CREAT | O_APPEND,
                                     0644);
  if (errorLogPath.empty()) {
    ::posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
  } else {
    ::posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errorLogPath.c_str(),
                                       O_WRONLY | O_CREAT | O_APPEND, 0644);
  }
  const int error = ::posix_spawn(&pid_, argPointers[0], &actions, nullptr, argPointers.data(), envPointers.data());
  ::posix_spawn_file_actions_destroy(&actions);
  if (error != 0) {
    pid_ = -1;
    throw std::runtime_error("cannot start " + argv.at(0) + ": " + std::strerror(error));
  }
}

BackgroundProcess::~BackgroundProcess() { Stop(); }

bool BackgroundProcess::Running() {
  if (pid_ < 0) return false;
  if (::waitpid(pid_, &status_, WNOHANG) == 0) return true;
  pid_ = -1;
  return false;
}

int BackgroundProcess::Wait() {
  if (pid_ >= 0) {
    while (::waitpid(pid_, &status_, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
  }
  return WIFSIGNALED(status_) ? 128 + WTERMSIG(status_) : WEXITSTATUS(status_);
}

bool BackgroundProcess::WaitUntilListening(int port, std::chrono::milliseconds timeout) {
  const auto deadline = Clock::now() + timeout;
  while (Running()) {
    if (IsListening(port)) return true;
    if (Clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return false;
}

void BackgroundProcess::Stop() {
  if (!Running()) return;
  ::kill(pid_, SIGTERM);
  const auto deadline = Clock::now() + std::chrono::seconds(2);
  while (Running() && Clock::now() < deadline) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  if (Running()) {
    ::kill(pid_, SIGKILL);
    Wait();
  }
}

}  // namespace vxtest
