#pragma once
// Real HTTP servers for tests, on 127.0.0.1: the test server of http_server.py (files of a
// folder, redirects, a body without Content-Length, error statuses with a body, a slow
// trickle, a connection reset; see that script for its paths) and a tinyproxy in front of
// anything. Each keeps its configuration and log in a work folder and is stopped when the
// object ends.
#include <memory>
#include <string>

#include "tests/support/background_process.h"

namespace vxtest {

class HttpTestServer {
 public:
  // Serves servedFolder on a free port; the request log goes to workFolder. Throws when the
  // server does not start.
  HttpTestServer(const std::string& servedFolder, const std::string& workFolder);

  int Port() const { return port_; }
  // "http://127.0.0.1:PORT/" followed by path.
  std::string Url(const std::string& path = "") const;
  // The server's output so far: one line per request ("GET /path HTTP/1.1" 200 -).
  std::string Log() const;

 private:
  std::string logPath_;
  std::unique_ptr<BackgroundProcess> process_;
  int port_ = 0;
};

class TinyProxy {
 public:
  // Starts tinyproxy on a free port with its configuration and log in workFolder. Throws when
  // it does not start.
  explicit TinyProxy(const std::string& workFolder);

  int Port() const { return port_; }
  // tinyproxy's log; a request through the proxy shows as "Request (...): GET <url> HTTP/1.1".
  std::string Log() const;

 private:
  std::string logPath_;
  std::unique_ptr<BackgroundProcess> process_;
  int port_ = 0;
};

}  // namespace vxtest
