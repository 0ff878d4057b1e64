#include "tests/orrix_ui/update_run.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <sstream>
#include <thread>

#include "orrix/fwupStart.h"
#include "orrix/wupOptions.h"
#include "platform/qt/file_dialog.h"
#include "tests/orrix_ui/event_loop.h"

namespace vxtest {

const char* const kFileDownloadFailed =
    "Problem: File could not be downloaded. Please make sure that:\n- an online-connection is established\n- the "
    "proxy server is configured correctly\nIf everything is set up correctly, try again in a few minutes, please!\n"
    "If the problem occures again, please contact support@vxbiz.example for further questions!";

namespace {

std::string SetupScript() {
  std::string script = "#!/bin/sh\n# the new version's setup\necho installing\n";
  script += std::string(6000, '#') + "\n";  // long enough for a paced transfer to be cancelled
  return script;
}

}  // namespace

UpdateRun::UpdateRun()
    : temp(sandbox.Folder("temp")), setupBytes(SetupScript()),
      server(sandbox.Folder("www"), sandbox.Folder("server")) {
  sandbox.Write("www/files/setup.sh", setupBytes);
  sandbox.SetEnv("ORRIX_UPDATE_URL", server.Url());
  sandbox.SetEnv("TEMP", temp.substr(0, temp.size() - 1));
  const std::string opener = sandbox.Write("bin/open.sh", "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" +
                                                              sandbox.Path("opened.log") + "'\n");
  ::chmod(opener.c_str(), 0755);
  sandbox.SetEnv("VXBIZ_SHELL_OPEN", opener);
  vx::wupStartOptions = {};
  vx::wupUpdateChooseOptions = {};
  AnswerSaveDialog(std::nullopt);
}

UpdateRun::~UpdateRun() { vx::SetFileDialogHook({}); }

void UpdateRun::Publish(const std::string& database) { sandbox.Write("www/_softupdate_/updinfo.ini", database); }

std::string UpdateRun::Database(const std::string& actVers, const std::string& dlurl, const std::string& more) {
  return "[ORRIX_PROGS]\r\nVXBiz=VX - BIZ Serienmail\r\n[VXBiz]\r\nActVers=" + actVers + "\r\nDLSize=6 KB\r\n" +
         (dlurl.empty() ? "" : "DLURL=" + dlurl + "\r\n") + more;
}

bool UpdateRun::Start(const std::string& parameters) {
  vx::TwupStart start(parameters);
  start.buStartClick();
  return start.ResultFlag;
}

std::vector<std::string> UpdateRun::Opened(size_t expected) {
  auto lines = [this] {
    std::vector<std::string> result;
    std::istringstream in(sandbox.Read("opened.log").value_or(""));
    for (std::string line; std::getline(in, line);) result.push_back(line);
    return result;
  };
  RunEventLoopUntil([&] { return lines().size() >= expected; }, 5000);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  std::vector<std::string> result = lines();
  std::sort(result.begin(), result.end());
  return result;
}

std::vector<std::string> UpdateRun::Shown() const {
  std::vector<std::string> texts;
  for (const auto& box : recorder.boxes) texts.push_back(box.caption + ": " + box.text);
  return texts;
}

void UpdateRun::AnswerSaveDialog(std::optional<std::string> path) {
  vx::SetFileDialogHook([this, path](const vx::FileDialog& dialog) {
    ++saveDialogs;
    EXPECT_EQ(dialog.kind, vx::FileDialog::Kind::Save);
    EXPECT_TRUE(dialog.filter.empty());
    proposedFileName = dialog.fileName;
    return path;
  });
}

}  // namespace vxtest
