#include "tests/support/http_test_server.h"

#include <fstream>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "tests/support/free_port.h"

namespace vxtest {
namespace {

using namespace std::chrono_literals;

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

std::string WithSlash(const std::string& folder) { return folder.ends_with('/') ? folder : folder + "/"; }

}  // namespace

HttpTestServer::HttpTestServer(const std::string& servedFolder, const std::string& workFolder)
    : logPath_(WithSlash(workFolder) + "http_server.log") {
  process_ = std::make_unique<BackgroundProcess>(
      std::vector<std::string>{"/usr/bin/python3", std::string(VX_SOURCE_DIR) + "/tests/support/http_server.py",
                               "--root", servedFolder},
      logPath_);
  // The server announces the port it took on its first line.
  const std::regex announced("PORT (\\d+)");
  for (auto waited = 0ms; waited < 10s && process_->Running(); waited += 20ms) {
    std::smatch match;
    const std::string log = ReadText(logPath_);
    if (std::regex_search(log, match, announced)) {
      port_ = std::stoi(match[1]);
      return;
    }
    std::this_thread::sleep_for(20ms);
  }
  throw std::runtime_error("the HTTP test server did not start: " + ReadText(logPath_));
}

std::string HttpTestServer::Url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + "/" + path;
}

std::string HttpTestServer::Log() const { return ReadText(logPath_); }

TinyProxy::TinyProxy(const std::string& workFolder) : logPath_(WithSlash(workFolder) + "tinyproxy.log") {
  const std::string folder = WithSlash(workFolder);
  // A port taken by someone else between FreePort and the start makes tinyproxy end; try again.
  for (int attempt = 0; attempt < 5; ++attempt) {
    port_ = FreePort();
    const std::string config = folder + "tinyproxy.conf";
    std::ofstream(config) << "Port " << port_ << "\nListen 127.0.0.1\nTimeout 30\nLogFile \"" << logPath_
                          << "\"\nLogLevel Info\nPidFile \"" << folder << "tinyproxy.pid\"\nMaxClients 20\n"
                          << "Allow 127.0.0.1\n";
    process_ = std::make_unique<BackgroundProcess>(
        std::vector<std::string>{"/usr/bin/tinyproxy", "-d", "-c", config}, folder + "tinyproxy.out");
    if (process_->WaitUntilListening(port_, 10s)) return;
    process_.reset();
  }
  throw std::runtime_error("tinyproxy did not start: " + ReadText(folder + "tinyproxy.out"));
}

std::string TinyProxy::Log() const { return ReadText(logPath_); }

}  // namespace vxtest
