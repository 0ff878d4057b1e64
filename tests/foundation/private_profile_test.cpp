#include "platform/private_profile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "tests/support/as_other_user.h"
#include "tests/support/sandbox.h"

using vx::GetPrivateProfileString;
using vx::WritePrivateProfileString;

namespace {

const char* kHandEdited =
    "; settings of the office PC\r\n"
    "[Other]\r\n"
    "SMTP=wrong\r\n"
    "\r\n"
    "  [ CONFIG ]  \r\n"
    "# keep this comment\r\n"
    "  smtp  =  mail.example.org  \r\n"
    "TempDir=\"/tmp/with blanks/ \"\r\n"
    "garbage line without equals\r\n"
    "[config]\r\n"
    "BlatPath=/second/section/ignored\r\n";

TEST(PrivateProfile, ReadsLikeTheWindowsFunctions) {
  vxtest::Sandbox box;
  const std::string file = box.Write("cwd/hand.ini", kHandEdited);
  struct Case {
    const char *section, *key, *expected;
  } cases[] = {
      {"config", "SMTP", "mail.example.org"},       // case and blanks around names and values
      {"Config", "tempdir", "/tmp/with blanks/ "},  // enclosing quotation marks dropped
      {"config", "BlatPath", "dflt"},               // only the first matching section counts
      {"other", "smtp", "wrong"},
      {"config", "missing", "dflt"},
      {"nosuch", "SMTP", "dflt"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(GetPrivateProfileString(c.section, c.key, "dflt", file), c.expected) << c.section << "/" << c.key;
  EXPECT_EQ(GetPrivateProfileString("config", "SMTP", "dflt", box.Path("cwd/none.ini")), "dflt");
}

TEST(PrivateProfile, LongValueIsCutAt2047Characters) {
  vxtest::Sandbox box;
  const std::string value(3000, 'x');
  ASSERT_TRUE(WritePrivateProfileString("config", "SMTP", value, "./long.ini"));
  EXPECT_EQ(GetPrivateProfileString("config", "SMTP", "", "./long.ini"), value.substr(0, 2047));
}

TEST(PrivateProfile, WriteKeepsEveryOtherLineAndReplacesInPlace) {
  vxtest::Sandbox box;
  const std::string file = box.Write("cwd/hand.ini", kHandEdited);
  ASSERT_TRUE(WritePrivateProfileString("config", "SMTP", "new.host", file));
  ASSERT_TRUE(WritePrivateProfileString("CONFIG", "DefaultProfile", "kunden.prf", file));
  ASSERT_TRUE(WritePrivateProfileString("profile", "Delim", ";", file));
  const std::string expected =
      "; settings of the office PC\r\n"
      "[Other]\r\n"
      "SMTP=wrong\r\n"
      "\r\n"
      "  [ CONFIG ]  \r\n"
      "# keep this comment\r\n"
      "SMTP=new.host\r\n"
      "TempDir=\"/tmp/with blanks/ \"\r\n"
      "garbage line without equals\r\n"
      "DefaultProfile=kunden.prf\r\n"
      "[config]\r\n"
      "BlatPath=/second/section/ignored\r\n"
      "[profile]\r\n"
      "Delim=;\r\n";
  EXPECT_EQ(box.Read("cwd/hand.ini").value(), expected);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(box.Path("cwd")), {}), 1)
      << "no temporary file may be left behind";
}

TEST(PrivateProfile, ValuesThatReadingWouldChangeAreQuoted) {
  vxtest::Sandbox box;
  for (const std::string value : {" ", " padded ", "\"quoted\"", "'single'", "plain"}) {
    ASSERT_TRUE(WritePrivateProfileString("profile", "Delim", value, "./p.prf"));
    EXPECT_EQ(GetPrivateProfileString("profile", "Delim", "", "./p.prf"), value);
  }
}

TEST(PrivateProfile, BareNamesResolveToTheSharedDirectory) {
  vxtest::Sandbox box;
  box.SetEnv("VXBIZ_SHARED_DIR", box.Path("shared/nested"));  // created on first write
  ASSERT_TRUE(WritePrivateProfileString("config", "SMTP", "shared", "vxbiz.ini"));
  ASSERT_TRUE(WritePrivateProfileString("config", "SMTP", "local", "./vxbiz.ini"));
  EXPECT_EQ(box.Read("shared/nested/vxbiz.ini").value(), "[config]\nSMTP=shared\n");
  EXPECT_EQ(box.Read("cwd/vxbiz.ini").value(), "[config]\nSMTP=local\n");
  EXPECT_EQ(GetPrivateProfileString("config", "SMTP", "", "vxbiz.ini"), "shared");

  box.SetEnv("VXBIZ_SHARED_DIR", "");
  EXPECT_EQ(vx::SharedSettingsDir(), box.Path("home/.config/vxbiz/"));
}

TEST(PrivateProfile, WriteThatCannotBeMadeChangesNothing) {
  vxtest::Sandbox box;
  const std::string folder = box.Folder("locked");
  const std::string file = box.Write("locked/vxbiz.ini", "[config]\nSMTP=old\n");
  ::chmod(folder.c_str(), 0777);  // control: the unprivileged check can write where allowed
  EXPECT_EQ(vxtest::RunAsUnprivileged([&] { return WritePrivateProfileString("config", "X", "1", folder + "open.ini"); }), 0);
  ::chmod(folder.c_str(), 0555);
  EXPECT_EQ(vxtest::RunAsUnprivileged([&] { return WritePrivateProfileString("config", "SMTP", "new", file); }), 1);
  EXPECT_EQ(vxtest::RunAsUnprivileged([&] { return WritePrivateProfileString("config", "SMTP", "new", folder + "fresh.ini"); }), 1);
  EXPECT_EQ(box.Read("locked/vxbiz.ini").value(), "[config]\nSMTP=old\n");

  EXPECT_FALSE(WritePrivateProfileString("config", "SMTP", "x", box.Path("no/such/folder.ini")));
  EXPECT_FALSE(WritePrivateProfileString("config", "SMTP", "two\nlines", file)) << "a line break would corrupt the file";
  EXPECT_EQ(box.Read("locked/vxbiz.ini").value(), "[config]\nSMTP=old\n");
}

}  // namespace
