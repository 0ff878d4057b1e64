#pragma once
// A program a test runs beside itself, such as a test server; stopped at the latest when the
// object ends.
#include <chrono>
#include <map>
#include <string>
#include <sys/types.h>
#include <vector>

namespace vxtest {

class BackgroundProcess {
 public:
  // Starts argv[0] (a path, not searched on PATH) with the caller's environment plus extraEnv,
  // standard input from the null device, standard output appended to logPath and standard
  // error to errorLogPath (to logPath as well when that is empty). Throws when it cannot be started.
  BackgroundProcess(const std::vector<std::string>& argv, const std::string& logPath,
                    const std::map<std::string, std::string>& extraEnv = {},
                    const std::string& errorLogPath = {});
  ~BackgroundProcess();
  BackgroundProcess(const BackgroundProcess&) = delete;
  BackgroundProcess& operator=(const BackgroundProcess&) = delete;

  // True while the program has not ended.
  bool Running();
  // Waits until the program accepts connections on 127.0.0.1:port; false when it ends first
  // or the time runs out.
  bool WaitUntilListening(int port, std::chrono::milliseconds timeout);
  // Waits for the program to end; its exit code, or 128 + the signal that ended it.
  int Wait();
  // Ends the program (SIGTERM, SIGKILL after two seconds) and waits for it. Safe to repeat.
  void Stop();

 private:
  pid_t pid_ = -1;
  int status_ = 0;
};

}  // namespace vxtest
