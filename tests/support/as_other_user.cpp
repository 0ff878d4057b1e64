#include "tests/support/as_other_user.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vxtest {

int RunAsUnprivileged(const std::function<bool()>& check) {
  const pid_t pid = ::fork();
  if (pid < 0) return -1;
  if (pid == 0) {
    constexpr uid_t kNobody = 65534;
    if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setresgid(kNobody, kNobody, kNobody) != 0 ||
                             ::setresuid(kNobody, kNobody, kNobody) != 0)) {
      ::_exit(3);
    }
    ::_exit(check() ? 0 : 1);
  }
  int status = 0;
  if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

}  // namespace vxtest
