#pragma once
// What the command-line mode tells its caller through the exit code.
#include <cstddef>
#include <string>
#include <vector>

namespace vx {

inline constexpr int kExitAllSent = 0;
inline constexpr int kExitNotAllSent = 1;  // the check failed or a row's mail was not sent
inline constexpr int kExitStopped = 2;     // an error stopped the run or kept the program from starting

// The exit code of a send that no error stopped, from its status lines: kExitAllSent when
// the run came to "Fertig!" and every data row 1..dataRows has its "Mail r gesendet." line.
int ExitCodeOfRun(const std::vector<std::string>& lines, size_t dataRows);

}  // namespace vx
