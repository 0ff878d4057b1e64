#include "platform/host_args.h"

#include "platform/files.h"

namespace vx {

std::vector<std::string> HostArguments() {
  // /proc/self/cmdline holds every argument followed by a NUL, argument 0 first.
  const std::string raw = ReadWholeFile("/proc/self/cmdline").value_or(std::string());
  std::vector<std::string> args;
  size_t start = 0;
  while (start < raw.size()) {
    size_t end = raw.find('\0', start);
    if (end == std::string::npos) end = raw.size();
    args.push_back(raw.substr(start, end - start));
    start = end + 1;
  }
  if (!args.empty()) args.erase(args.begin());
  return args;
}

int ParamCount() { return static_cast<int>(HostArguments().size()); }

std::string ParamStr(int i) {
  if (i == 0) return ExecutablePath();
  const std::vector<std::string> args = HostArguments();
  return i > 0 && i <= static_cast<int>(args.size()) ? args[static_cast<size_t>(i - 1)] : std::string();
}

}  // namespace vx
