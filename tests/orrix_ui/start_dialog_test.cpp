// The start dialog and the two entry points that run it, in this process's application
// object: its look, the steps when it is shown, START, Close and Config.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>

#include "orrix/fwupStart.h"
#include "orrix/orrix.h"
#include "orrix/wupConstants.h"
#include "orrix/wupOptions.h"
#include "tests/orrix_ui/update_run.h"

namespace {

using vxtest::Click;
using vxtest::Find;
using Strings = std::vector<std::string>;

const char* const kStandAlone =
    "Error: This application isn't set up for Stand alone Execution\nOR You didn't use the Start-Menu Symbol to open.";

class StartDialog : public testing::Test {
 protected:
  StartDialog() { run.Publish(vxtest::UpdateRun::Database("0.9.3", run.server.Url("files/setup.sh"))); }
  bool ServerAsked() { return run.server.Log().find("GET ") != std::string::npos; }

  vxtest::UpdateRun run;
};

TEST_F(StartDialog, ShowsItsTextsAndCloseReturnsFalseWithoutNetwork) {
  QString caption, memo;
  bool startIsDefault = false, startIsBold = false, startHasFocus = false;
  QStringList buttons;
  run.script.Then("wupStart", [&](QWidget* dialog) {
    caption = dialog->windowTitle();
    memo = Find<QPlainTextEdit>(dialog, "Memo1")->toPlainText();
    auto* start = Find<QPushButton>(dialog, "buStart");
    startIsDefault = start->isDefault();
    startIsBold = start->font().bold();
    startHasFocus = QApplication::focusWidget() == start;
    for (const char* name : {"buStart", "buClose", "buConfig"}) buttons << Find<QPushButton>(dialog, name)->text();
    Click(dialog, "buClose");
  });
  // "-registered" inside the text is ignored; program id and version pass the check.
  EXPECT_FALSE(_TavGenerate("-progid VXBiz -version 0.9.2 -registered"));
  EXPECT_TRUE(run.script.Finished());
  EXPECT_EQ(caption, "Tavrik - Web-Updater V 1.1");
  EXPECT_EQ(memo,
            "The Web-Updater will now search for Tavrik Software registered with\n"
            "the web update engine. Also the update-data will be read from the web.\n"
            "Please make sure that an internet connection is established before\n"
            "clicking START.\n\nPress START to continue...");
  EXPECT_TRUE(startIsDefault);
  EXPECT_TRUE(startIsBold);
  EXPECT_TRUE(startHasFocus);
  EXPECT_EQ(buttons, QStringList({"START", "Close", "Config"}));
  EXPECT_EQ(run.Shown(), Strings{});
  EXPECT_FALSE(ServerAsked());
}

// Without program id and version (and no host argument "-registered") the dialog reports
// and closes by itself; a null pointer is an empty text.
TEST_F(StartDialog, StandAloneCheckEndsTheCallByItself) {
  EXPECT_FALSE(_TavGenerate(nullptr));
  EXPECT_FALSE(_TavGenerate(""));
  EXPECT_FALSE(_TavGenerate("-progid VXBiz"));
  EXPECT_EQ(run.Shown(), (Strings{kStandAlone, kStandAlone, kStandAlone}));
  EXPECT_FALSE(ServerAsked());
}

TEST_F(StartDialog, DebugShowsTheParameterListAndTheProxyAndDatabase) {
  run.script.Then("wupStart", [](QWidget* dialog) { Click(dialog, "buClose"); });
  EXPECT_FALSE(_TavGenerate("-debug -progid VXBiz -version 0.9.2"));
  EXPECT_EQ(run.Shown(), (Strings{"Parameter List: version = 0.9.2\nprogid = VXBiz\nDebug = true\n",
                                  "Debug: Proxy = :\nOnlineDB: " + run.server.Url("_softupdate_/updinfo.ini")}));
}

// START runs the update, closes the start dialog and passes on that the setup was started.
TEST_F(StartDialog, StartRunsTheUpdateAndReturnsSetupStarted) {
  bool startOpenDuringRun = false;
  run.script.Then("wupStart", [](QWidget* dialog) { Click(dialog, "buStart"); })
      .Then("wupUpdateChoose", [&](QWidget* window) {
        startOpenDuringRun = window->parentWidget() && window->parentWidget()->objectName() == "wupStart";
        Click(window, "buUpdate");
      });
  EXPECT_TRUE(_TavGenerate("-progid VXBiz -version 0.9.2"));
  EXPECT_TRUE(run.script.Finished());
  EXPECT_TRUE(startOpenDuringRun) << "the update-choice window belongs to the start dialog";
  EXPECT_EQ(run.sandbox.Read("temp/setup.sh"), run.setupBytes);
  EXPECT_EQ(run.Opened(1), Strings{run.temp + "setup.sh"});
}

// While the database is fetched (slowly here) the start dialog's buttons wait.
TEST_F(StartDialog, ButtonsWaitWhileTheDatabaseIsFetched) {
  // A few pieces of 1 KB, 100 ms apart.
  run.Publish(std::string(3000, ';') + "\r\n" +
              vxtest::UpdateRun::Database("0.9.3", run.server.Url("files/setup.sh")));
  run.sandbox.SetEnv("ORRIX_UPDATE_URL", run.server.Url("slow/"));
  QWidget* start = nullptr;
  QStringList enabledDuringFetch;
  run.script.Then("wupStart", [&](QWidget* dialog) {
        start = dialog;
        Click(dialog, "buStart");
      })
      .Then("wupHTTP", [&](QWidget*) {
        for (const char* name : {"buStart", "buClose", "buConfig"})
          if (Find<QPushButton>(start, name)->isEnabled()) enabledDuringFetch << name;
      })
      .Then("wupUpdateChoose", [](QWidget* window) { Click(window, "buCancel"); });
  EXPECT_FALSE(_TavGenerate("-progid VXBiz -version 0.9.2"));
  EXPECT_TRUE(run.script.Finished());
  EXPECT_EQ(enabledDuringFetch, QStringList());
}

// The start dialog stays open after Config.
TEST_F(StartDialog, ConfigKeepsTheDialogOpen) {
  bool openAfterConfig = false;
  run.script.Then("wupStart", [](QWidget* dialog) { Click(dialog, "buConfig"); })
      .Then("wupConfig", [](QWidget* dialog) { Click(dialog, "buNoProxy"); })
      .Then("wupStart", [&](QWidget* dialog) {
        openAfterConfig = dialog->isVisible();
        Click(dialog, "buClose");
      });
  EXPECT_FALSE(_TavGenerate("-progid VXBiz -version 0.9.2 -proxy p1 -proxyport 8080"));
  EXPECT_TRUE(run.script.Finished());
  EXPECT_TRUE(openAfterConfig);
  EXPECT_FALSE(vx::wupStartOptions.HasProxy);
  EXPECT_FALSE(vx::wupStartOptions.HasProxyPort);
}

// _TavUpdateCheck shows no start dialog; with "-check" no update-choice window either.
TEST_F(StartDialog, UpdateCheckRunsStartAtOnce) {
  bool dialogShown = false;
  run.script.Then("wupStart", [&](QWidget* dialog) {
    dialogShown = true;
    Click(dialog, "buClose");
  });
  EXPECT_TRUE(_TavUpdateCheck("-progid VXBiz -version 0.9.2 -check"));
  EXPECT_FALSE(_TavUpdateCheck("-progid VXBiz -version 0.9.3 -check"));
  EXPECT_FALSE(dialogShown);
  EXPECT_EQ(run.Shown(), Strings{});
}

// Without "-check" the update-choice window is shown, and its outcome is the result.
TEST_F(StartDialog, UpdateCheckWithoutCheckShowsTheUpdateChoice) {
  run.script.Then("wupUpdateChoose", [](QWidget* window) { Click(window, "buCancel"); });
  EXPECT_FALSE(_TavUpdateCheck("-progid VXBiz -version 0.9.2"));
  EXPECT_TRUE(run.script.Finished());
  // The help and stand-alone steps belong to the shown dialog only.
  EXPECT_EQ(run.Shown(), Strings{});
}

}  // namespace
