#include "platform/process.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

extern char** environ;

namespace vx {
namespace {

constexpr int kKeepAliveMs = 100;

// Spawn attributes and file actions that are released when the start is over.
class SpawnSetup {
 public:
  SpawnSetup() {
    ::posix_spawn_file_actions_init(&actions_);
    ::posix_spawnattr_init(&attributes_);
  }
  ~SpawnSetup() {
    ::posix_spawnattr_destroy(&attributes_);
    ::posix_spawn_file_actions_destroy(&actions_);
  }
  SpawnSetup(const SpawnSetup&) = delete;
  SpawnSetup& operator=(const SpawnSetup&) = delete;

  // Standard input from /dev/null, standard output to the file; nothing else of ours is passed on.
  bool Redirect(const std::string& stdoutPath) {
    return ::posix_spawn_file_actions_addopen(&actions_, STDIN_FILENO, "/dev/null", O_RDONLY, 0) == 0 &&
           ::posix_spawn_file_actions_addopen(&actions_, STDOUT_FILENO, stdoutPath.c_str(),
                                              O_WRONLY | O_CREAT | O_TRUNC, 0666) == 0 &&
           ::posix_spawn_file_actions_addclosefrom_np(&actions_, STDERR_FILENO + 1) == 0;
  }
  // The program starts with no signal blocked and every signal at its default action,
  // whatever the caller has set for itself.
  bool CleanSignals() {
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    return ::posix_spawnattr_setsigmask(&attributes_, &none) == 0 &&
           ::posix_spawnattr_setsigdefault(&attributes_, &all) == 0 &&
           ::posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF) == 0;
  }
  const posix_spawn_file_actions_t* Actions() const { return &actions_; }
  const posix_spawnattr_t* Attributes() const { return &attributes_; }

 private:
  posix_spawn_file_actions_t actions_;
  posix_spawnattr_t attributes_;
};

ProcessOutcome OutcomeOf(int status) {
  if (WIFSIGNALED(status)) return {ProcessOutcome::Kind::Signaled, WTERMSIG(status)};
  return {ProcessOutcome::Kind::Exited, WEXITSTATUS(status)};
}

int WaitBlocking(pid_t pid) {
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return status;
}

// Waits on a descriptor for the process, so the wait itself costs no wake-ups; the callback
// runs whenever the process has been running for another interval.
int WaitWithKeepAlive(pid_t pid, const std::function<void()>& keepAlive) {
  const int pidfd = static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
  if (pidfd < 0) return WaitBlocking(pid);
  pollfd entry{pidfd, POLLIN, 0};
  for (;;) {
    const int ready = ::poll(&entry, 1, kKeepAliveMs);
    if (ready > 0) break;
    if (ready == 0) keepAlive();
    else if (errno != EINTR) break;
  }
  ::close(pidfd);
  return WaitBlocking(pid);
}

}  // namespace

ProcessOutcome RunProcess(const std::vector<std::string>& argv, const std::string& stdoutPath,
                          const std::function<void()>& keepAlive) {
  if (argv.empty()) return {ProcessOutcome::Kind::NotStarted, EINVAL};
  std::vector<char*> args;
  args.reserve(argv.size() + 1);
  for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);

  SpawnSetup setup;
  if (!setup.Redirect(stdoutPath) || !setup.CleanSignals()) return {ProcessOutcome::Kind::NotStarted, errno};
  pid_t pid = 0;
  const int error = ::posix_spawn(&pid, args[0], setup.Actions(), setup.Attributes(), args.data(), environ);
  if (error != 0) return {ProcessOutcome::Kind::NotStarted, error};
  return OutcomeOf(keepAlive ? WaitWithKeepAlive(pid, keepAlive) : WaitBlocking(pid));
}

}  // namespace vx
