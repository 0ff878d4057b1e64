#pragma once
// Runs a check in a child process that has no write permission beyond what "nobody" has, so
// permission tests mean the same when the suite runs as root. Returns the child's exit code
// (the check's result: 0 for true, 1 for false), or -1 when it could not run.
#include <functional>

namespace vxtest {

int RunAsUnprivileged(const std::function<bool()>& check);

}  // namespace vxtest
