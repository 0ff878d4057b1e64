// The Qt stand-ins for the desktop: the file dialog with no screen and opening with the shell.
#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/files.h"
#include "platform/qt/file_dialog.h"
#include "platform/qt/shell_open.h"
#include "tests/support/sandbox.h"

namespace vxtest {
namespace {

bool WaitForFile(const std::string& path) {
  QElapsedTimer waited;
  waited.start();
  while (!vx::FileExists(path) && waited.elapsed() < 10000) QTest::qWait(20);
  return vx::FileExists(path);
}

TEST(FileDialogWithoutScreen, CountsAsCancelledAndKeepsTheName) {
  vx::SetFileDialogHook(nullptr);
  vx::FileDialog dialog;
  dialog.filter = {{"Ascii", "*.txt"}};
  dialog.fileName = "vorher.txt";
  EXPECT_FALSE(dialog.Execute(nullptr));
  EXPECT_EQ(dialog.fileName, "vorher.txt");
}

TEST(OpenWithShell, StartsAScriptEvenWithoutItsExecuteBit) {
  Sandbox sandbox;
  const std::string marker = sandbox.Path("lief.txt");
  const std::string script = sandbox.Write("setup.sh", "#!/bin/sh\necho gestartet > " + marker + "\n");
  ::chmod(script.c_str(), 0644);
  ASSERT_TRUE(vx::OpenWithShell(script));
  ASSERT_TRUE(WaitForFile(marker));
  EXPECT_EQ(vx::ReadWholeFile(marker).value_or(""), "gestartet\n");
  struct stat st {};
  ASSERT_EQ(::stat(script.c_str(), &st), 0);
  EXPECT_TRUE(st.st_mode & S_IXUSR);
}

TEST(OpenWithShell, TheConfiguredOpenerReceivesThePathOrAddress) {
  Sandbox sandbox;
  const std::string record = sandbox.Path("geoeffnet.txt");
  const std::string opener = sandbox.Write("opener", "#!/bin/sh\nprintf '%s' \"$1\" > " + record + ".part\nmv " +
                                                         record + ".part " + record + "\n");
  ::chmod(opener.c_str(), 0755);
  sandbox.SetEnv("VXBIZ_SHELL_OPEN", opener);
  const std::string script = sandbox.Write("setup.sh", "#!/bin/sh\nexit 0\n");
  for (const std::string& target : {std::string("http://127.0.0.1:9/zap/vxbiz/"), script}) {
    std::remove(record.c_str());
    ASSERT_TRUE(vx::OpenWithShell(target));
    ASSERT_TRUE(WaitForFile(record)) << target;
    EXPECT_EQ(vx::ReadWholeFile(record).value_or(""), target);
  }
}

}  // namespace
}  // namespace vxtest
