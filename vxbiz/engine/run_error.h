#pragma once
// An error that stops the current command and reaches the main program's general error report.
#include <stdexcept>

namespace vx {

class RunError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace vx
