// A host program without Qt (orrix_host.c) loads liborrix.so with dlopen and calls its
// entry points against the local HTTP server. With no screen the library makes its own
// application object on the offscreen platform and writes its messages to standard error.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "orrix/wupConstants.h"
#include "platform/registry.h"
#include "tests/support/background_process.h"
#include "tests/support/http_test_server.h"
#include "tests/support/sandbox.h"

namespace {

const char* const kDatabase =
    "[ORRIX_PROGS]\r\n"
    "VXBiz=VX-BIZ Serienmail\r\n"
    "[VXBiz]\r\n"
    "ActVers=0.9.3\r\n"
    "DLURL=files/setup.sh\r\n";

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

struct HostRun {
  int exitCode = -1;
  std::string out, err;
};

class CHost : public testing::Test {
 protected:
  void SetUp() override {
    // The library must find no screen, whatever the test runner had.
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) sandbox_.SetEnv(name, "");
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) ::unsetenv(name);
    sandbox_.Write("www/_softupdate_/updinfo.ini", kDatabase);
    server_ = std::make_unique<vxtest::HttpTestServer>(sandbox_.Folder("www"), sandbox_.Folder("work"));
    updateUrl_ = server_->Url();
  }

  // Runs the host with the given call and parameter text (nullptr: none) and host arguments.
  HostRun Run(const std::string& call, const char* parameters, const std::vector<std::string>& hostArgs = {}) {
    std::vector<std::string> argv{std::string(VX_BIN_DIR) + "/orrix_host"};
    argv.insert(argv.end(), hostArgs.begin(), hostArgs.end());
    std::map<std::string, std::string> env{{"ORRIX_HOST_LIBRARY", std::string(VX_BIN_DIR) + "/liborrix.so"},
                                           {"ORRIX_HOST_CALL", call},
                                           {"ORRIX_UPDATE_URL", updateUrl_}};
    if (parameters) env["ORRIX_HOST_PARAMETERS"] = parameters;
    const std::string outPath = sandbox_.Path("host.out"), errPath = sandbox_.Path("host.err");
    std::remove(outPath.c_str());
    std::remove(errPath.c_str());
    HostRun run;
    {
      vxtest::BackgroundProcess host(argv, outPath, env, errPath);
      run.exitCode = host.Wait();
    }
    run.out = ReadText(outPath);
    run.err = ReadText(errPath);
    return run;
  }

  vxtest::Sandbox sandbox_;
  std::unique_ptr<vxtest::HttpTestServer> server_;
  std::string updateUrl_;
};

TEST_F(CHost, CheckReportsAPublishedUpdate) {
  const HostRun run = Run("check", "-progid VXBiz -version 0.9.2 -check");
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "result=1\nunloaded\n");
  EXPECT_NE(server_->Log().find("GET /_softupdate_/updinfo.ini"), std::string::npos);
  EXPECT_EQ(server_->Log().find("setup.sh"), std::string::npos) << "a check downloads nothing";
}

TEST_F(CHost, CheckReportsNoUpdateForTheSameOrAnUnlistedProgram) {
  for (const char* parameters : {"-progid VXBiz -version 0.9.3 -check", "-progid vxbiz -version 0.9.3 -check",
                                 "-progid Other -version 1.0 -check"}) {
    const HostRun run = Run("check", parameters);
    EXPECT_EQ(run.exitCode, 0) << parameters << run.err;
    EXPECT_EQ(run.out, "result=0\nunloaded\n") << parameters;
  }
}

TEST_F(CHost, CheckWithAnUnreachableServerReportsTheProblemAndNoUpdate) {
  server_.reset();  // nothing listens on its port any more
  const HostRun run = Run("check", "-progid VXBiz -version 0.9.2 -check");
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "result=0\nunloaded\n");
  EXPECT_NE(run.err.find("Problem: Could not open online database."), std::string::npos) << run.err;
}

// With an empty text the host's own arguments are read: "-help" shows the help and ends
// the call, "-register" records the host, and nothing at all fails the stand-alone check.
TEST_F(CHost, GenerateEndsByItselfForHelpRegisterAndTheStandAloneCheck) {
  HostRun run = Run("generate", nullptr, {"-help"});
  EXPECT_EQ(run.out, "result=0\nunloaded\n");
  EXPECT_NE(run.err.find("Help: Parameters:\n-progid [PROGID]\n-version [INSTALLED VERSION]\n"
                         "-register > Register ORRIX in registry\n-unregister > Unregister ORRIX in registry\n"
                         "-check > Checks whether a new update is available\n-config > Configurate ORRIX\n"
                         "-proxy [SERVER OR IP]\n-proxyport [PORT]\n-start [EXEC] (DO NOT USE)\n"
                         "-end [EXEC] (DO NOT USE)\n-restart [EXEC] (DO NOT USE)\n"
                         "-debug > Enable debug/verbose Mode\n\n"),
            std::string::npos)
      << run.err;
  EXPECT_EQ(run.err.find("Error:"), std::string::npos) << "no further message";

  run = Run("generate", "", {"-register"});
  EXPECT_EQ(run.out, "result=0\nunloaded\n");
  EXPECT_EQ(run.err.find("Error: "), std::string::npos) << "no message: " << run.err;
  vx::RegistryKey key;
  ASSERT_TRUE(key.OpenKey(vx::kRegistryKey, false));
  EXPECT_EQ(key.ReadString("Exec"), std::string(VX_BIN_DIR) + "/orrix_host");

  run = Run("generate", nullptr);
  EXPECT_EQ(run.out, "result=0\nunloaded\n");
  EXPECT_NE(run.err.find("Error: This application isn't set up for Stand alone Execution\n"
                         "OR You didn't use the Start-Menu Symbol to open.\n"),
            std::string::npos)
      << run.err;
}

// An empty text with no host arguments still runs START; the listed programs then need a
// program id and version, so the run ends with "Update-Process error".
TEST_F(CHost, UpdateCheckWithoutParametersEndsWithTheProcessError) {
  const HostRun run = Run("check", "");
  EXPECT_EQ(run.out, "result=0\nunloaded\n");
  EXPECT_NE(run.err.find("Error: Update-Process error"), std::string::npos) << run.err;
}

// A shown splash and a handed-out picture belong to an application object the library made;
// unloading releases them without harm to the host.
TEST_F(CHost, SplashAndIconAreReleasedAtUnload) {
  HostRun run = Run("splash", nullptr);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "unloaded\n");
  run = Run("icon", nullptr);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "icon=1\nunloaded\n");
}

}  // namespace
