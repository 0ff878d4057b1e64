// "Online-Update...": the updater library is looked for in the program's folder first.
#include <QAction>
#include <filesystem>

#include "platform/files.h"
#include "tests/ui/ui_fixture.h"
#include "vxbiz/ui/fMain.h"

namespace vxtest {
namespace {

using ::testing::ElementsAre;

class OnlineUpdateTest : public UiTest {
 protected:
  void InstallUpdater(const char* library) {
    std::filesystem::copy_file(library, programDir + "liborrix.so");
  }
  void Trigger(const char* name) { program->frmMain->findChild<QAction*>(name)->trigger(); }
};

TEST_F(OnlineUpdateTest, MissingLibraryIsReportedAndTheProgramGoesOn) {
  Start();
  Trigger("OnlineUpdate1");
  EXPECT_THAT(messages, ElementsAre(ShownMessage{"Module could not be found!", "Module-Error", vx::MessageStyle::None}));
  EXPECT_TRUE(program->frmMain->isVisible());
}

TEST_F(OnlineUpdateTest, LibraryWithoutEntryPointIsReported) {
  InstallUpdater(VX_UPDATER_WITHOUT_ENTRY);
  Start();
  Trigger("OnlineUpdate1");
  EXPECT_THAT(messages, ElementsAre(ShownMessage{"API-Error: Module could not be initialized!", "Module-Error",
                                                 vx::MessageStyle::None}));
  EXPECT_TRUE(program->frmMain->isVisible());
}

TEST_F(OnlineUpdateTest, FalseResultKeepsTheProgramRunning) {
  InstallUpdater(VX_UPDATER_FIXTURE);
  const std::string record = sandbox.Path("parameter.txt");
  sandbox.SetEnv("VXBIZ_TEST_UPDATER_RECORD", record);
  sandbox.SetEnv("VXBIZ_TEST_UPDATER_RESULT", "0");
  Start();
  for (int call = 0; call < 2; ++call) {  // the same text on every call
    std::filesystem::remove(record);
    Trigger("OnlineUpdate1");
    EXPECT_EQ(vx::ReadWholeFile(record).value_or("<not called>"), "-progid VXBiz -version 0.9.2 -registered");
  }
  EXPECT_TRUE(program->frmMain->isVisible());
  EXPECT_TRUE(messages.empty());
}

TEST_F(OnlineUpdateTest, TrueResultClosesTheMainWindowAndSavesTheLog) {
  InstallUpdater(VX_UPDATER_FIXTURE);
  sandbox.SetEnv("VXBIZ_TEST_UPDATER_RESULT", "1");
  const std::string temp = sandbox.Folder("temp");
  WriteSharedSettings("TempDir=" + temp + "\n");
  Start();
  Trigger("Profilberprfen1");  // fails (nothing configured), but leaves lines for the log
  ASSERT_FALSE(program->state.log.Lines().empty());
  Trigger("OnlineUpdate1");
  EXPECT_FALSE(program->frmMain->isVisible());
  int logs = 0;
  for (const auto& entry : std::filesystem::directory_iterator(temp))
    logs += entry.path().filename().string().starts_with("Log_");
  EXPECT_EQ(logs, 1);
}

}  // namespace
}  // namespace vxtest
