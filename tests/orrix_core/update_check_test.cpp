// The update database served by the real test server: reading rules, lookups, the program
// check and the texts of the update-choice window.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>

#include "orrix/fwupUpdateChoose.h"
#include "orrix/wupConstants.h"
#include "orrix/wupOnlineDatabase.h"
#include "orrix/wupUpdateCheck.h"
#include "tests/support/free_port.h"
#include "tests/support/http_test_server.h"
#include "tests/support/message_box_recorder.h"
#include "tests/support/sandbox.h"

namespace {

const std::string kNoVersion = "Internal Error: No Version Information for \"VXBiz\"";

class UpdateCheckTest : public testing::Test {
 protected:
  UpdateCheckTest() {
    sandbox.SetEnv("ORRIX_UPDATE_URL", server.Url());
    options.HasProgId = options.HasVersion = true;
    options.ProgId = "VXBiz";
    options.Version = "0.9.2";
  }

  // Publishes the database and runs the fetch and, when it succeeds, the program check.
  bool Check(const std::string& database) {
    sandbox.Write("www/_softupdate_/updinfo.ini", database);
    return vx::LoadOnlineDatabase(vx::OnlineDatabaseAddress(), options) && vx::CheckPrograms(options, form);
  }

  std::vector<std::string> Shown() const {
    std::vector<std::string> texts;
    for (const auto& box : recorder.boxes) texts.push_back(box.caption + ": " + box.text);
    return texts;
  }
  static std::string Text(const QPlainTextEdit* area) { return area->toPlainText().toStdString(); }

  vxtest::Sandbox sandbox;
  vxtest::HttpTestServer server{sandbox.Folder("www"), sandbox.Folder("server")};
  vxtest::MessageBoxRecorder recorder;
  vx::TwupUpdateChoose form;
  vx::TwupOptions options;
};

TEST_F(UpdateCheckTest, UpdateShowsSoftwareInformationInfoBlocksAndDetails) {
  sandbox.Write("www/notes/vxbiz.txt", "Neu: Empf\xe4nger-Spalte\r\nFixed: log names\r\n");  // Windows-1252
  ASSERT_TRUE(Check("[ORRIX_PROGS]\r\nVXBiz=VX - BIZ Serienmail\r\n\r\n[VXBiz]\r\nDate=05/10/04\r\nActVers=0.9.3\r\n"
                    "DLURL=" + server.Url("files/setup.exe") + "\r\nDLSize=2 MB\r\nVersionID=0930\r\n"
                    "DetailFile=" + server.Url("notes/vxbiz.txt") + "\r\nOther=ignored\r\n"));
  EXPECT_TRUE(options.UpdateAvailable);
  EXPECT_TRUE(form.buUpdate->isEnabled());
  EXPECT_EQ(Text(form.taSoftInfo), "VX - BIZ Serienmail\nInstalled Version: 0.9.2");
  EXPECT_EQ(Text(form.taInfo),
            "Release Date:\n    \u00B7 05/10/04\n\n\nNew Version:\n    \u00B7 0.9.3\n\n\n"
            "Download size:\n    \u00B7 2 MB\n\n\nVersionID:\n    \u00B7 0930\n\n");
  EXPECT_EQ(Text(form.taDetails), "Neu: Empf\u00e4nger-Spalte\nFixed: log names\n");
  EXPECT_TRUE(recorder.boxes.empty());
}

TEST_F(UpdateCheckTest, SameVersionGivesNoUpdateWhateverTheLetterCase) {
  options.Version = "0.9.3B";
  ASSERT_TRUE(Check("[ORRIX_PROGS]\nVXBiz=VX - BIZ\n[VXBiz]\nActVers=0.9.3b\n"));
  EXPECT_FALSE(options.UpdateAvailable);
  EXPECT_FALSE(form.buUpdate->isEnabled());
  EXPECT_EQ(Text(form.taInfo), "No Update available");
  EXPECT_EQ(Text(form.taSoftInfo), "VX - BIZ\nInstalled Version: 0.9.3B");
}

TEST(VersionCompare, WholeTextsWithLetterCaseIgnored) {
  vxtest::MessageBoxRecorder recorder;
  EXPECT_TRUE(vx::IsUpdateAvailable("P", "0.9.2", "0.9.1"));  // older counts as well
  EXPECT_TRUE(vx::IsUpdateAvailable("P", "1.9", "1.10"));
  EXPECT_FALSE(vx::IsUpdateAvailable("P", "1.0b", "1.0B"));
  EXPECT_FALSE(vx::IsUpdateAvailable("P", "\xc4" "1", "\xc3\xa4" "1"));  // Ä in either encoding
  EXPECT_TRUE(vx::IsUpdateAvailable("P", "0.9.2 ", "0.9.2"));
  EXPECT_TRUE(recorder.boxes.empty());
  EXPECT_FALSE(vx::IsUpdateAvailable("P", "", ""));
  EXPECT_TRUE(vx::IsUpdateAvailable("P", "0.9.2", ""));
  ASSERT_EQ(recorder.boxes.size(), 2u);
  EXPECT_EQ(recorder.boxes[1].text, "No Version Information for \"P\"");
  EXPECT_EQ(recorder.boxes[1].caption, "Internal Error");
}

TEST_F(UpdateCheckTest, LineEndsOfEveryKindReadAlike) {
  for (const std::string end : {"\r\n", "\n", "\r"}) {
    form.taSoftInfo->clear();
    options.UpdateAvailable = false;
    ASSERT_TRUE(Check("[ORRIX_PROGS]" + end + "VXBiz=Mail" + end + "[VXBiz]" + end + "ActVers=1.0" + end));
    EXPECT_TRUE(options.UpdateAvailable) << "line end " << end.size();
    EXPECT_EQ(Text(form.taSoftInfo), "Mail\nInstalled Version: 0.9.2");
  }
}

TEST_F(UpdateCheckTest, SectionNamesAreVerbatimAndLookupsIgnoreCase) {
  options.ProgId = "vxbiz";
  // [orrix_progs] is found; "[ VXBiz ]" is a different section; the program's entry keeps its spelling.
  ASSERT_TRUE(Check("[orrix_progs]\nVXBiz=Mail\n[ VXBiz ]\nActVers=2.0\n[vxBIZ]\nDate=1\n"));
  EXPECT_EQ(Shown(), (std::vector<std::string>{kNoVersion}));
  EXPECT_TRUE(options.UpdateAvailable);
  EXPECT_EQ(Text(form.taInfo), "Release Date:\n    \u00B7 1\n\n");
}

TEST_F(UpdateCheckTest, BlanksAroundTheEqualsSignBelongToNameAndValue) {
  ASSERT_TRUE(Check("[ORRIX_PROGS]\nVXBiz=Mail\n[VXBiz]\nActVers = 0.9.3\nDate= 05/10/04 \n"));
  EXPECT_EQ(Shown(), (std::vector<std::string>{kNoVersion}));
  EXPECT_TRUE(options.UpdateAvailable);  // an empty published version differs from 0.9.2
  // "ActVers " is not ActVers, so no block for it; Date keeps its blanks.
  EXPECT_EQ(Text(form.taInfo), "Release Date:\n    \u00B7  05/10/04 \n\n");
}

TEST_F(UpdateCheckTest, KeyLookupIgnoresCaseButInfoBlocksNeedTheExactKey) {
  ASSERT_TRUE(Check("[ORRIX_PROGS]\nVXBiz=Mail\n[VXBiz]\nactvers=1.0\ndlsize=3 MB\n"));
  EXPECT_TRUE(options.UpdateAvailable);
  EXPECT_TRUE(Shown().empty());
  EXPECT_EQ(Text(form.taInfo), "");
}

TEST_F(UpdateCheckTest, CommentsStrayLinesAndDuplicateSections) {
  ASSERT_TRUE(Check("ActVers=9.9\n[ORRIX_PROGS]\n;VXBiz=commented out\n  ;x=1\nVXBiz=Mail\n[VXBiz]\nActVers\n"
                    "DLSize=1 MB\n[VXBiz]\nActVers=7.0\n"));
  // "  ;x" is a listed program that does not match; "ActVers" without "=" gives no value,
  // and the second [VXBiz] is never read.
  EXPECT_EQ(Text(form.taSoftInfo), "Mail\nInstalled Version: 0.9.2");
  EXPECT_EQ(Shown(), (std::vector<std::string>{kNoVersion}));
  EXPECT_EQ(Text(form.taInfo), "Download size:\n    \u00B7 1 MB\n\n");
  EXPECT_EQ(vx::OnlineDatabase.ReadSection("ORRIX_PROGS"), (std::vector<std::string>{"  ;x", "VXBiz"}));
  EXPECT_EQ(vx::OnlineDatabase.ReadSection("VXBiz"), (std::vector<std::string>{"", "DLSize"}));
  EXPECT_EQ(vx::OnlineDatabase.ReadString("VXBiz", "actvers"), "");
  EXPECT_TRUE(vx::OnlineDatabase.SectionExists("vxbiz"));
}

TEST_F(UpdateCheckTest, SectionWithOnlyItsHeaderCountsAsAbsent) {
  ASSERT_TRUE(Check("[ORRIX_PROGS]\nVXBiz=Mail\n[VXBiz_mirrors]\n\n;none\n[VXBiz]\nActVers=0.9.2\n"));
  EXPECT_FALSE(vx::OnlineDatabase.SectionExists("VXBiz_mirrors"));
  EXPECT_TRUE(vx::OnlineDatabase.ReadSection("VXBiz_mirrors").empty());
  EXPECT_EQ(Text(form.taInfo), "No Update available");
}

TEST_F(UpdateCheckTest, ProgramNotListedOrNoProgramListChangesNothing) {
  options.UpdateAvailable = true;  // the value it came in with stays
  ASSERT_TRUE(Check("[ORRIX_PROGS]\nOther=Another program\n[Other]\nActVers=3\n"));
  ASSERT_TRUE(Check("[Programs]\nVXBiz=Mail\n"));
  EXPECT_TRUE(options.UpdateAvailable);
  EXPECT_FALSE(form.buUpdate->isEnabled());
  EXPECT_EQ(Text(form.taSoftInfo), "");
  EXPECT_EQ(Text(form.taInfo), "none");
  EXPECT_TRUE(recorder.boxes.empty());
}

TEST_F(UpdateCheckTest, ListedProgramsWithoutProgIdOrVersionEndTheRun) {
  options.HasVersion = false;
  EXPECT_FALSE(Check("[ORRIX_PROGS]\nOther=Another program\nVXBiz=Mail\n[VXBiz]\nActVers=1.0\n"));
  EXPECT_EQ(Shown(), (std::vector<std::string>{"Error: Update-Process error"}));
  EXPECT_FALSE(options.UpdateAvailable);
  EXPECT_EQ(Text(form.taSoftInfo), "");
  // With no program listed there is nothing to complain about.
  recorder.boxes.clear();
  EXPECT_TRUE(Check("[ORRIX_PROGS]\n"));
  EXPECT_TRUE(recorder.boxes.empty());
}

TEST_F(UpdateCheckTest, CheckModeStopsAtTheFirstUpdateAndShowsNothing) {
  options.Check = true;
  ASSERT_TRUE(Check("[ORRIX_PROGS]\nVXBiz=Mail\nvxbiz=Mail again\n[VXBiz]\nActVers=1.0\nDate=x\n"));
  EXPECT_TRUE(options.UpdateAvailable);
  EXPECT_TRUE(form.buUpdate->isEnabled());
  EXPECT_EQ(Text(form.taSoftInfo), "Mail\nInstalled Version: 0.9.2");
  EXPECT_EQ(Text(form.taInfo), "none");
}

TEST_F(UpdateCheckTest, ProgramListedTwiceAddsTwoPairs) {
  ASSERT_TRUE(Check("[ORRIX_PROGS]\nVXBiz=Mail\nVXBIZ=Mail again\n[VXBiz]\nActVers=1.0\n[VXBIZ]\nActVers=0.9.2\n"));
  // Both entries look up the first matching line and section (names ignore case).
  EXPECT_EQ(Text(form.taSoftInfo), "Mail\nInstalled Version: 0.9.2\nMail\nInstalled Version: 0.9.2");
  EXPECT_TRUE(options.UpdateAvailable);
  EXPECT_EQ(Text(form.taInfo), "New Version:\n    \u00B7 1.0\n\n");
}

TEST_F(UpdateCheckTest, DebugModeShowsTheFetchedLines) {
  options.Debug = true;
  ASSERT_TRUE(Check("[ORRIX_PROGS]\rVXBiz=Mail\n\n[VXBiz]\r\nActVers=0.9.2"));
  EXPECT_EQ(Shown(), (std::vector<std::string>{"Online-orrix_ini-File (DEBUG MODE): [ORRIX_PROGS]\r\nVXBiz=Mail\r\n\r\n"
                                               "[VXBiz]\r\nActVers=0.9.2\r\n"}));
}

TEST_F(UpdateCheckTest, FailedFetchLeavesTheDatabaseUnchanged) {
  ASSERT_TRUE(Check("[ORRIX_PROGS]\nOther=Mail\n"));
  sandbox.SetEnv("ORRIX_UPDATE_URL", "http://127.0.0.1:" + std::to_string(vxtest::FreePort()));
  EXPECT_FALSE(vx::LoadOnlineDatabase(vx::OnlineDatabaseAddress(), options));
  ASSERT_EQ(recorder.boxes.size(), 1u);
  EXPECT_EQ(recorder.boxes[0].caption, "Problem");
  EXPECT_EQ(vx::OnlineDatabase.ReadString("ORRIX_PROGS", "Other"), "Mail");
}

TEST_F(UpdateCheckTest, DetailsThatCannotBeFetchedLeaveTheAreaEmpty) {
  const std::string refused = "http://127.0.0.1:" + std::to_string(vxtest::FreePort()) + "/notes.txt";
  ASSERT_TRUE(Check("[ORRIX_PROGS]\nVXBiz=Mail\n[VXBiz]\nDetailFile=" + refused + "\nActVers=1.0\n"));
  ASSERT_EQ(recorder.boxes.size(), 1u);
  EXPECT_EQ(recorder.boxes[0].caption, "Problem");
  EXPECT_EQ(recorder.boxes[0].text.rfind("Could not open online database.", 0), 0u);
  EXPECT_EQ(Text(form.taDetails), "");
  EXPECT_EQ(Text(form.taInfo), "New Version:\n    \u00B7 1.0\n\n");
}

TEST_F(UpdateCheckTest, DatabaseAddressFollowsTheStagingVariable) {
  EXPECT_EQ(vx::OnlineDatabaseAddress(), server.Url("_softupdate_/updinfo.ini"));
  sandbox.SetEnv("ORRIX_UPDATE_URL", "http://staging.example/base");
  EXPECT_EQ(vx::OnlineDatabaseAddress(), "http://staging.example/base/_softupdate_/updinfo.ini");
  sandbox.SetEnv("ORRIX_UPDATE_URL", "");
  EXPECT_EQ(vx::OnlineDatabaseAddress(), "http://update.vxbiz.example/_softupdate_/updinfo.ini");
}

}  // namespace
