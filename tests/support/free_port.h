#pragma once
// Ports for test servers on 127.0.0.1.
#include <chrono>

namespace vxtest {

// A TCP port on 127.0.0.1 that was free a moment ago (the system picks it). Another process
// may still take it before the caller binds it, so a server start retries with a new port.
int FreePort();

// True when something accepts connections on 127.0.0.1:port.
bool IsListening(int port);

}  // namespace vxtest
