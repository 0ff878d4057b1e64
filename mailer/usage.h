#pragma once
// The help text of vxmail: how it is called and what its exit codes mean.
#include <string>

namespace vx {

std::string UsageText();

}  // namespace vx
