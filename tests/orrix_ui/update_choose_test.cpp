// The update-choice window and its update actions, run through START against the real
// local HTTP server: the outcomes of an update run row by row, the mirrors, the target of
// the setup download, and what is handed to the shell.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "orrix/fwupUpdateChoose.h"
#include "orrix/wupOptions.h"
#include "tests/orrix_ui/update_run.h"

namespace {

using vxtest::Click;
using vxtest::Find;
using Strings = std::vector<std::string>;

const std::string kNormal = "-progid VXBiz -version 0.9.2";
const std::string kWithPrograms = kNormal + " -start startprog -end endprog -restart restartprog";

class UpdateChoose : public testing::Test {
 protected:
  std::string SetupUrl() { return run.server.Url("files/setup.sh"); }
  bool ServerSent(const std::string& path) { return run.server.Log().find("GET " + path) != std::string::npos; }

  vxtest::UpdateRun run;
};

// Check mode: no window; the result is whether an update is available.
TEST_F(UpdateChoose, CheckModeShowsNoWindowAndReportsTheUpdate) {
  bool windowShown = false;
  run.script.Then("wupUpdateChoose", [&](QWidget* window) {
    windowShown = true;
    Click(window, "buCancel");
  });
  run.Publish(vxtest::UpdateRun::Database("0.9.3", SetupUrl()));
  EXPECT_TRUE(run.Start(kNormal + " -check"));
  EXPECT_TRUE(vx::wupStartOptions.UpdateAvailable) << "copied back from the update-choice window";
  EXPECT_FALSE(windowShown);
  EXPECT_FALSE(ServerSent("/files/setup.sh"));
  EXPECT_EQ(run.Shown(), Strings{});
}

TEST_F(UpdateChoose, CheckModeWithoutAnUpdateOrAfterAnEarlyEndIsFalse) {
  struct Case {
    std::string database, parameters;
    Strings shown;
  };
  const Case cases[] = {
      {vxtest::UpdateRun::Database("0.9.2", SetupUrl()), kNormal + " -check", {}},
      {vxtest::UpdateRun::Database("0.9.3", SetupUrl()), "-progid Other -version 1.0 -check", {}},
      // The program list needs a program id and a version: the run ends early.
      {vxtest::UpdateRun::Database("0.9.3", SetupUrl()), "-version 0.9.2 -check", {"Error: Update-Process error"}},
  };
  for (const Case& c : cases) {
    run.recorder.boxes.clear();
    vx::wupStartOptions = {};
    run.Publish(c.database);
    EXPECT_FALSE(run.Start(c.parameters)) << c.parameters;
    EXPECT_FALSE(vx::wupStartOptions.UpdateAvailable) << c.parameters;
    EXPECT_EQ(run.Shown(), c.shown) << c.parameters;
  }
}

TEST_F(UpdateChoose, DatabaseThatCannotBeFetchedEndsTheRunEarly) {
  run.sandbox.SetEnv("ORRIX_UPDATE_URL", "http://127.0.0.1:1/");
  bool windowShown = false;
  run.script.Then("wupUpdateChoose", [&](QWidget* window) {
    windowShown = true;
    Click(window, "buCancel");
  });
  EXPECT_FALSE(run.Start(kNormal));
  EXPECT_FALSE(windowShown);
  ASSERT_EQ(run.Shown().size(), 1u);
  EXPECT_EQ(run.Shown()[0].rfind("Problem: Could not open online database.", 0), 0u);
}

// Item 0 with a successful download: the setup lands in TEMP and is opened between the
// start and end programs; the calling program is told to close.
TEST_F(UpdateChoose, InstallNowDownloadsIntoTempAndStartsTheSetup) {
  run.Publish(vxtest::UpdateRun::Database("0.9.3", SetupUrl()));
  QString caption, action, button, info;
  bool enabled = false, isDefault = false;
  run.script.Then("wupUpdateChoose", [&](QWidget* window) {
    caption = window->windowTitle();
    action = Find<QComboBox>(window, "cbxUpdateAction")->currentText();
    auto* update = Find<QPushButton>(window, "buUpdate");
    button = update->text();
    enabled = update->isEnabled();
    isDefault = update->isDefault();
    info = Find<QPlainTextEdit>(window, "taInfo")->toPlainText();
    Click(window, "buUpdate");
  });
  EXPECT_TRUE(run.Start(kWithPrograms));
  EXPECT_TRUE(run.script.Finished());
  EXPECT_EQ(caption, "Tavrik - Web-Updater");
  EXPECT_EQ(action, "Update the selected Programm...");
  EXPECT_EQ(button, "Update NOW");
  EXPECT_TRUE(enabled);
  EXPECT_TRUE(isDefault);
  EXPECT_TRUE(info.startsWith("New Version:\n    \u00B7 0.9.3"));
  EXPECT_EQ(run.sandbox.Read("temp/setup.sh"), run.setupBytes);
  EXPECT_EQ(run.Opened(4), (Strings{run.temp + "setup.sh", "endprog", "restartprog", "startprog"}));
  EXPECT_EQ(run.Shown(), Strings{});
  EXPECT_EQ(run.saveDialogs, 0);
}

// Item 1: the save dialog proposes the file name, the file lands where the user chose,
// the start, end and restart programs are opened, the setup is not, and the result is false.
TEST_F(UpdateChoose, DownloadForLaterSavesWhereChosenAndDoesNotStartTheSetup) {
  run.Publish(vxtest::UpdateRun::Database("0.9.3", SetupUrl()));
  const std::string chosen = run.sandbox.Folder("saved") + "later.sh";
  run.AnswerSaveDialog(chosen);
  QStringList captions;
  run.script.Then("wupUpdateChoose", [&](QWidget* window) {
    auto* action = Find<QComboBox>(window, "cbxUpdateAction");
    auto* update = Find<QPushButton>(window, "buUpdate");
    for (int item : {1, 0, 1}) {
      action->setCurrentIndex(item);
      captions << update->text();
    }
    EXPECT_EQ(action->currentText(), "Download the Update for later use...");
    Click(window, "buUpdate");
  });
  EXPECT_FALSE(run.Start(kWithPrograms + " -debug"));
  EXPECT_EQ(captions, QStringList({"Start download", "Update NOW", "Start download"}));
  EXPECT_EQ(run.proposedFileName, "setup.sh");
  EXPECT_EQ(run.sandbox.Read("saved/later.sh"), run.setupBytes);
  EXPECT_FALSE(run.sandbox.Read("temp/setup.sh"));
  EXPECT_EQ(run.Opened(3), (Strings{"endprog", "restartprog", "startprog"}));
  for (const std::string& box : run.Shown()) EXPECT_NE(box.rfind("Downloading and Executing", 0), 0u) << box;
}

// A cancelled save dialog downloads nothing and leaves the window open for another choice.
TEST_F(UpdateChoose, CancelledSaveDialogKeepsTheWindowOpen) {
  run.Publish(vxtest::UpdateRun::Database("0.9.3", SetupUrl()));
  bool stillOpen = false;
  run.script.Then("wupUpdateChoose", [&](QWidget* window) {
    Find<QComboBox>(window, "cbxUpdateAction")->setCurrentIndex(1);
    Click(window, "buUpdate");
    stillOpen = window->isVisible();
    Click(window, "buCancel");
  });
  EXPECT_FALSE(run.Start(kWithPrograms));
  EXPECT_EQ(run.saveDialogs, 1);
  EXPECT_TRUE(stillOpen);
  EXPECT_FALSE(ServerSent("/files/setup.sh"));
  EXPECT_EQ(run.Opened(0), Strings{});
}

TEST_F(UpdateChoose, NoUpdateLeavesTheButtonDisabledAndCloseIsFalse) {
  run.Publish(vxtest::UpdateRun::Database("0.9.2", SetupUrl()));
  QString info, softInfo;
  bool enabled = true;
  run.script.Then("wupUpdateChoose", [&](QWidget* window) {
    info = Find<QPlainTextEdit>(window, "taInfo")->toPlainText();
    softInfo = Find<QPlainTextEdit>(window, "taSoftInfo")->toPlainText();
    enabled = Find<QPushButton>(window, "buUpdate")->isEnabled();
    EXPECT_EQ(Find<QGroupBox>(window, "GroupBox1")->title(), "Software Information");
    EXPECT_EQ(Find<QGroupBox>(window, "GroupBox2")->title(), "Info");
    EXPECT_EQ(Find<QGroupBox>(window, "GroupBox3")->title(), "Details");
    Click(window, "buCancel");
  });
  EXPECT_FALSE(run.Start(kWithPrograms));
  EXPECT_EQ(info, "No Update available");
  EXPECT_EQ(softInfo, "VX - BIZ Serienmail\nInstalled Version: 0.9.2");
  EXPECT_FALSE(enabled);
  EXPECT_FALSE(vx::wupStartOptions.UpdateAvailable);
  EXPECT_EQ(run.Opened(0), Strings{});
}

// Close with an update available: nothing is downloaded, the check's finding stays.
TEST_F(UpdateChoose, CloseWithAnUpdateIsFalse) {
  run.Publish(vxtest::UpdateRun::Database("0.9.3", SetupUrl()));
  run.script.Then("wupUpdateChoose", [](QWidget* window) { Click(window, "buCancel"); });
  EXPECT_FALSE(run.Start(kWithPrograms));
  EXPECT_TRUE(vx::wupStartOptions.UpdateAvailable);
  EXPECT_FALSE(ServerSent("/files/setup.sh"));
  EXPECT_EQ(run.Opened(0), Strings{});
}

// A failed setup download reports the file download text, opens nothing and closes the window.
TEST_F(UpdateChoose, FailedDownloadOpensNothing) {
  run.Publish(vxtest::UpdateRun::Database("0.9.3", "http://127.0.0.1:1/files/setup.sh"));
  run.script.Then("wupUpdateChoose", [](QWidget* window) { Click(window, "buUpdate"); });
  EXPECT_FALSE(run.Start(kWithPrograms));
  EXPECT_TRUE(run.script.Finished());
  EXPECT_EQ(run.Shown(), Strings{vxtest::kFileDownloadFailed});
  EXPECT_EQ(run.Opened(0), Strings{});
}

// Cancel in the download window during the setup download: "Download canceled", nothing opened.
TEST_F(UpdateChoose, CancelDuringTheSetupDownload) {
  run.Publish(vxtest::UpdateRun::Database("0.9.3", run.server.Url("slow/files/setup.sh?piece=200&delay=100")));
  QWidget* updateWindow = nullptr;
  bool updateWindowTookClicks = true;
  run.script.Then("wupUpdateChoose", [&](QWidget* window) {
        updateWindow = window;
        Click(window, "buUpdate");
      })
      .Then("wupHTTP", [&](QWidget* window) {
        // Neither a second download nor Close can cut into the running one.
        updateWindowTookClicks = Find<QPushButton>(updateWindow, "buUpdate")->isEnabled() ||
                                 Find<QPushButton>(updateWindow, "buCancel")->isEnabled();
        Click(window, "buCancel");
      });
  EXPECT_FALSE(run.Start(kWithPrograms));
  EXPECT_TRUE(run.script.Finished());
  EXPECT_FALSE(updateWindowTookClicks);
  EXPECT_EQ(run.Shown(), Strings{"Download: Download canceled"});
  EXPECT_EQ(run.Opened(0), Strings{});
}

// A setup the shell cannot start does not count as started, so the calling program stays
// open; the download stays in TEMP and no message appears.
TEST_F(UpdateChoose, SetupTheShellCannotStartIsNotReportedAsStarted) {
  run.sandbox.SetEnv("VXBIZ_SHELL_OPEN", run.sandbox.Path("bin/missing-opener"));
  run.Publish(vxtest::UpdateRun::Database("0.9.3", SetupUrl()));
  run.script.Then("wupUpdateChoose", [](QWidget* window) { Click(window, "buUpdate"); });
  EXPECT_FALSE(run.Start(kWithPrograms));
  EXPECT_TRUE(run.script.Finished());
  EXPECT_EQ(run.sandbox.Read("temp/setup.sh"), run.setupBytes);
  EXPECT_EQ(run.Shown(), Strings{});
}

// Debug mode shows the target before the setup download. A TEMP value that ends with the
// separator gives two in a row, which the file system accepts.
TEST_F(UpdateChoose, DebugShowsTheTargetAndTempMayEndWithTheSeparator) {
  run.sandbox.SetEnv("TEMP", run.temp);
  run.Publish(vxtest::UpdateRun::Database("0.9.3", SetupUrl()));
  run.script.Then("wupUpdateChoose", [](QWidget* window) { Click(window, "buUpdate"); });
  EXPECT_TRUE(run.Start(kNormal + " -debug"));
  const Strings shown = run.Shown();
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ(shown.back(), "Downloading and Executing: " + run.temp + "/setup.sh");
  EXPECT_EQ(run.sandbox.Read("temp/setup.sh"), run.setupBytes);
  EXPECT_EQ(run.Opened(1), Strings{run.temp + "/setup.sh"});
}

// The file name is the part after the last "/", or the whole URL when it has none; a
// missing DLURL with no mirrors leaves both empty and the download fails.
TEST_F(UpdateChoose, FileNameIsTheUrlAfterItsLastSlash) {
  struct Case {
    std::string dlurl, target;
  };
  const Case cases[] = {{"setup.sh", run.temp + "setup.sh"}, {"", run.temp}};
  for (const Case& c : cases) {
    run.recorder.boxes.clear();
    vx::wupStartOptions = {};
    run.Publish(vxtest::UpdateRun::Database("0.9.3", c.dlurl));
    run.script.Then("wupUpdateChoose", [](QWidget* window) { Click(window, "buUpdate"); });
    EXPECT_FALSE(run.Start(kNormal + " -debug")) << c.dlurl;
    const Strings shown = run.Shown();
    ASSERT_GE(shown.size(), 2u);
    EXPECT_EQ(shown[shown.size() - 2], "Downloading and Executing: " + c.target) << c.dlurl;
    EXPECT_EQ(shown.back(), vxtest::kFileDownloadFailed) << c.dlurl;
  }
  EXPECT_EQ(run.Opened(0), Strings{});
}

// A mirror section with lines replaces DLURL: the user picks a mirror by name.
TEST_F(UpdateChoose, MirrorSectionWithLinesIsUsedEvenWithDlurl) {
  run.sandbox.Write("www/mirror2/setup-m2.sh", run.setupBytes);
  run.Publish(vxtest::UpdateRun::Database(
      "0.9.3", SetupUrl(),
      "[VXBiz_mirrors]\r\nEurope=" + run.server.Url("mirror1/setup-m1.sh") + "\r\nAmerica=" +
          run.server.Url("mirror2/setup-m2.sh") + "\r\n"));
  QStringList names;
  run.script.Then("wupUpdateChoose", [](QWidget* window) { Click(window, "buUpdate"); })
      .Then("frmMirrorChoose", [&](QWidget* dialog) {
        auto* list = Find<QListWidget>(dialog, "lbMirrors");
        for (int i = 0; i < list->count(); ++i) names << list->item(i)->text();
        list->setCurrentRow(1);
        Click(dialog, "buNext");
      });
  EXPECT_TRUE(run.Start(kNormal));
  EXPECT_EQ(names, QStringList({"Europe", "America"}));
  EXPECT_TRUE(ServerSent("/mirror2/setup-m2.sh"));
  EXPECT_FALSE(ServerSent("/files/setup.sh"));
  EXPECT_EQ(run.sandbox.Read("temp/setup-m2.sh"), run.setupBytes);
  EXPECT_EQ(run.Opened(1), Strings{run.temp + "setup-m2.sh"});
}

// A mirror section that holds only its header line counts as absent.
TEST_F(UpdateChoose, MirrorSectionWithOnlyItsHeaderIsAbsent) {
  run.Publish(vxtest::UpdateRun::Database("0.9.3", SetupUrl(), "[VXBiz_mirrors]\r\n\r\n; no mirrors yet\r\n"));
  bool mirrorDialog = false;
  run.script.Then("wupUpdateChoose", [](QWidget* window) { Click(window, "buUpdate"); });
  vxtest::ModalScript watch;
  watch.Then("frmMirrorChoose", [&](QWidget* dialog) {
    mirrorDialog = true;
    Find<QListWidget>(dialog, "lbMirrors")->setCurrentRow(0);
    Click(dialog, "buNext");
  });
  EXPECT_TRUE(run.Start(kNormal));
  EXPECT_FALSE(mirrorDialog);
  EXPECT_TRUE(ServerSent("/files/setup.sh"));
}

}  // namespace
