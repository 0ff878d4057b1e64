#pragma once
// Starting a program with an argument vector (no shell: every argument reaches the program
// exactly as given) and waiting for it to end.
#include <functional>
#include <string>
#include <vector>

namespace vx {

struct ProcessOutcome {
  enum class Kind { Exited, Signaled, NotStarted };
  Kind kind = Kind::NotStarted;
  int code = 0;  // the exit code, the signal number, or the errno that kept it from starting
};

// Runs argv[0] (a path, not searched on PATH) with argv as its arguments, the caller's
// environment and current directory, standard input from the null device and standard
// output to stdoutPath (created or replaced). Waits for it without a time limit.
// keepAlive, when given, is called about every 100 ms while the program runs.
ProcessOutcome RunProcess(const std::vector<std::string>& argv, const std::string& stdoutPath,
                          const std::function<void()>& keepAlive = {});

}  // namespace vx
