#include "vxbiz/engine/config.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/support/as_other_user.h"
#include "tests/support/sandbox.h"

namespace {

const char* kFiveKeys = "[config]\nSMTP=%s\nBlatPath=/usr/bin/vxmail\nTempDir=/tmp/\nDefaultProfile=kunden.prf\nShowProfileOnLoad=0\n";

std::string Settings(const std::string& smtp) {
  char buffer[256];
  std::snprintf(buffer, sizeof buffer, kFiveKeys, smtp.c_str());
  return buffer;
}

TEST(Settings, FileWithOnlySmtp) {
  vxtest::Sandbox box;
  box.Write("cwd/vxbiz.ini", "[config]\nSMTP=mail\n");
  vx::TConfig config;
  config.BlatPath = "stale";
  config.ShowProfileOnLoad = false;
  vx::LoadStartupSettings(config);
  EXPECT_TRUE(config.NetExecAvailable);
  EXPECT_EQ(config.SMTP, "mail");
  EXPECT_EQ(config.BlatPath, "");
  EXPECT_EQ(config.TempDir, "");
  EXPECT_EQ(config.DefaultProfile, "");
  EXPECT_TRUE(config.ShowProfileOnLoad);
}

TEST(Settings, ShowProfileOnLoadValues) {
  struct Case {
    const char* text;
    bool expected;
  } cases[] = {{"0", false}, {"1", true}, {"2", true},  {"0x0", false}, {"0X00", false}, {"0x1A", true},
               {"ja", true}, {"", true},  {"0x", true}, {"-1", true},   {"00", false},  {"1.5", true}};
  for (const auto& c : cases) EXPECT_EQ(vx::ParseShowProfileOnLoad(c.text), c.expected) << '"' << c.text << '"';

  vxtest::Sandbox box;
  box.Write("cwd/a.ini", "[config]\nShowProfileOnLoad=0x0\n");
  vx::TConfig config;
  vx::ReadSettings("./a.ini", config);
  EXPECT_FALSE(config.ShowProfileOnLoad);
  vx::ReadSettings("./missing.ini", config);
  EXPECT_TRUE(config.ShowProfileOnLoad);
}

TEST(Settings, StartupPrefersTheLocalFileAndFallsBackToTheShared) {
  vxtest::Sandbox box;
  box.Write("shared/vxbiz.ini", Settings("shared.host"));
  vx::TConfig config;
  config.DataFile = "old.txt";
  vx::LoadStartupSettings(config);
  EXPECT_FALSE(config.NetExecAvailable);
  EXPECT_EQ(config.SMTP, "shared.host");
  EXPECT_EQ(config.DataFile, "");
  EXPECT_FALSE(config.ShowProfileOnLoad);

  box.Write("cwd/vxbiz.ini", Settings("local.host"));
  vx::LoadStartupSettings(config);
  EXPECT_TRUE(config.NetExecAvailable);
  EXPECT_EQ(config.SMTP, "local.host");

  box.ChangeDir(box.Folder("elsewhere"));  // another current directory finds no local file
  vx::LoadStartupSettings(config);
  EXPECT_FALSE(config.NetExecAvailable);
  EXPECT_EQ(config.SMTP, "shared.host");
}

TEST(Settings, SavingLocallyCreatesTheLocalFileAndLeavesTheSharedOne) {
  vxtest::Sandbox box;
  box.Write("shared/vxbiz.ini", Settings("shared.host"));
  vx::TConfig config;
  vx::LoadStartupSettings(config);
  config.NetExecAvailable = true;
  config.SMTP = "local.host";
  vx::SaveSettings(config);
  EXPECT_EQ(box.Read("cwd/vxbiz.ini").value(), Settings("local.host"));
  EXPECT_EQ(box.Read("shared/vxbiz.ini").value(), Settings("shared.host"));
}

TEST(Settings, SavingSharedWritesAllKeysAndDeletesTheLocalFile) {
  vxtest::Sandbox box;
  box.Write("cwd/vxbiz.ini", Settings("local.host"));
  vx::TConfig config;
  vx::LoadStartupSettings(config);
  ASSERT_TRUE(config.NetExecAvailable);
  config.NetExecAvailable = false;
  vxtest::MessageRecorder messages;
  vx::SaveSettings(config);
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_EQ(box.Read("shared/vxbiz.ini").value(), Settings("local.host"));
  EXPECT_FALSE(box.Read("cwd/vxbiz.ini"));
}

TEST(Settings, FailedSaveIsReportedAndKeepsTheLocalFile) {
  vxtest::Sandbox box;
  box.Write("cwd/vxbiz.ini", Settings("local.host"));
  const std::string shared = box.Folder("shared");
  ::chmod(shared.c_str(), 0555);
  vx::TConfig config;
  vx::LoadStartupSettings(config);
  config.NetExecAvailable = false;
  const int result = vxtest::RunAsUnprivileged([&] {
    vxtest::MessageRecorder messages;
    vx::SaveSettings(config);
    return messages.messages.size() == 1 &&
           messages.messages[0].text == "Einstellungen konnten nicht gespeichert werden!" &&
           messages.messages[0].caption == "Fehler" && messages.messages[0].style == vx::MessageStyle::None;
  });
  EXPECT_EQ(result, 0);
  EXPECT_EQ(box.Read("cwd/vxbiz.ini").value(), Settings("local.host"));
  EXPECT_FALSE(box.Read("shared/vxbiz.ini"));
}

}  // namespace
