#pragma once
// Lets the event loop run in a test, as a host program's message loop would.
#include <functional>

namespace vxtest {

// Runs the event loop for ms milliseconds.
void RunEventLoopFor(int ms);

// Runs the event loop until done() holds or timeoutMs pass; returns done().
bool RunEventLoopUntil(const std::function<bool()>& done, int timeoutMs);

}  // namespace vxtest
