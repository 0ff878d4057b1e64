// The main program's "Online-Update..." end to end: the real program loads the real
// liborrix.so from its folder, the user presses START and "Update NOW", the setup program
// (a small script) is downloaded from the local HTTP server into the temporary folder and
// opened through $VXBIZ_SHELL_OPEN, and the main window closes and saves its run log.
#include <QAction>
#include <filesystem>
#include <sys/stat.h>

#include "platform/files.h"
#include "tests/orrix_ui/event_loop.h"
#include "tests/orrix_ui/modal_script.h"
#include "tests/support/http_test_server.h"
#include "tests/ui/ui_fixture.h"
#include "vxbiz/ui/fMain.h"

namespace vxtest {
namespace {

namespace fs = std::filesystem;

class OnlineUpdateEndToEnd : public UiTest {
 protected:
  OnlineUpdateEndToEnd() {
    fs::copy_file(std::string(VX_BIN_DIR) + "/liborrix.so", programDir + "liborrix.so");
    sandbox.Write("www/files/setup.sh", "#!/bin/sh\necho \"installed $1\" > \"$SETUP_MARKER\"\n");
    sandbox.Write("www/_softupdate_/updinfo.ini",
                  "[ORRIX_PROGS]\r\nVXBiz=VX - BIZ Serienmail\r\n[VXBiz]\r\nActVers=0.9.3\r\nDLURL=" +
                      server.Url("files/setup.sh") + "\r\n");
    sandbox.SetEnv("ORRIX_UPDATE_URL", server.Url());
    sandbox.SetEnv("TEMP", temp.substr(0, temp.size() - 1));
    sandbox.SetEnv("SETUP_MARKER", sandbox.Path("setup-ran.txt"));
    // The desktop's "open" for a script: note what was opened, then run it.
    const std::string opener = sandbox.Write(
        "bin/open.sh", "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" + sandbox.Path("opened.log") + "'\nexec sh \"$1\"\n");
    ::chmod(opener.c_str(), 0755);
    sandbox.SetEnv("VXBIZ_SHELL_OPEN", opener);
    WriteSharedSettings("TempDir=" + logs + "\n");
  }

  void Trigger(const char* name) { program->frmMain->findChild<QAction*>(name)->trigger(); }

  std::vector<fs::path> RunLogs() const {
    std::vector<fs::path> found;
    for (const auto& entry : fs::directory_iterator(logs))
      if (entry.path().filename().string().starts_with("Log_")) found.push_back(entry.path());
    return found;
  }

  std::string temp = sandbox.Folder("temp");
  std::string logs = sandbox.Folder("logs");
  HttpTestServer server{sandbox.Folder("www"), sandbox.Folder("server")};
  ModalScript script;
};

TEST_F(OnlineUpdateEndToEnd, SetupIsDownloadedAndOpenedAndTheProgramCloses) {
  Start();
  Trigger("Profilberprfen1");  // leaves status lines for the run log
  ASSERT_FALSE(program->state.log.Lines().empty());
  script.Then("wupStart", [](QWidget* dialog) { Click(dialog, "buStart"); })
      .Then("wupUpdateChoose", [](QWidget* window) { Click(window, "buUpdate"); });
  Trigger("OnlineUpdate1");

  EXPECT_TRUE(script.Finished());
  EXPECT_FALSE(program->frmMain->isVisible()) << "a started setup closes the main window";
  EXPECT_EQ(vx::ReadWholeFile(temp + "setup.sh"), vx::ReadWholeFile(sandbox.Path("www/files/setup.sh")));
  ASSERT_TRUE(RunEventLoopUntil([&] { return vx::FileExists(sandbox.Path("setup-ran.txt")); }, 5000));
  EXPECT_EQ(vx::ReadWholeFile(sandbox.Path("opened.log")), temp + "setup.sh\n");
  EXPECT_EQ(vx::ReadWholeFile(sandbox.Path("setup-ran.txt")), "installed \n");
  const std::vector<fs::path> runLogs = RunLogs();
  ASSERT_EQ(runLogs.size(), 1u);
  EXPECT_GT(fs::file_size(runLogs[0]), 0u);
  EXPECT_NE(server.Log().find("GET /files/setup.sh"), std::string::npos);
}

// Closing the start dialog returns false: the program goes on, and a second call starts
// with freshly loaded library state.
TEST_F(OnlineUpdateEndToEnd, CloseKeepsTheProgramRunningAcrossCalls) {
  Start();
  for (int call = 0; call < 2; ++call) {
    script.Then("wupStart", [](QWidget* dialog) { Click(dialog, "buClose"); });
    Trigger("OnlineUpdate1");
    EXPECT_TRUE(script.Finished());
  }
  RunEventLoopFor(200);  // nothing of the released library is left to run
  EXPECT_TRUE(program->frmMain->isVisible());
  EXPECT_TRUE(messages.empty());
  EXPECT_TRUE(RunLogs().empty());
  EXPECT_EQ(server.Log().find("GET "), std::string::npos);
}

}  // namespace
}  // namespace vxtest
