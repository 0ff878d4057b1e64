#pragma once
// The host process's own command line, as the platform hands it to the process: read from
// the operating system, not from a window library, so hosts of any kind see the same.
#include <string>
#include <vector>

namespace vx {

// The arguments after argument 0.
std::vector<std::string> HostArguments();

// The number of arguments after argument 0.
int ParamCount();

// Argument i; argument 0 is the full path of the host's executable file. An index outside
// 0..ParamCount() yields an empty text.
std::string ParamStr(int i);

}  // namespace vx
