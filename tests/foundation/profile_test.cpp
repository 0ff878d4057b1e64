#include "vxbiz/engine/profile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files.h"
#include "tests/support/sandbox.h"

namespace {

const char* kProfileFile =
    "[profile]\nTemplate=/data/brief.txt\nSender=info@firma.de\nRecipientField=Email\nSubject=Ihr Angebot\nDelim=;\n";

TEST(Profile, NameFromFileName) {
  struct Case {
    const char *file, *name;
  } cases[] = {{"/Profile/kunden.prf", "kunden"}, {"/Profile/kunden.ini", "kunden"}, {"kunden.prf", "kunden"},
               {"/Profile/abc", ""},              {"/Profile/.prf", ""},             {"/a.b/kunden.prf.prf", "kunden.prf"},
               {"", ""}};
  for (const auto& c : cases) EXPECT_EQ(vx::ProfileNameFromFileName(c.file), c.name) << c.file;
}

TEST(Profile, ProgramDirIsTheFolderOfTheRunningProgram) {
  const std::string dir = vx::ProgramDir();
  ASSERT_FALSE(dir.empty());
  EXPECT_EQ(dir.back(), '/');
  EXPECT_TRUE(vx::FileExists(dir + "test_foundation"));
}

TEST(Profile, ReadFillsTheFieldsAndKeepsDirectory) {
  vxtest::Sandbox box;
  const std::string file = box.Write("elsewhere/kunden.prf", kProfileFile);
  vx::TProfile profile;
  profile.Directory = "/program/";
  vx::ReadProfile(file, profile);
  EXPECT_EQ(profile.ProfileName, "kunden");
  EXPECT_EQ(profile.Template, "/data/brief.txt");
  EXPECT_EQ(profile.Sender, "info@firma.de");
  EXPECT_EQ(profile.RecipientField, "Email");
  EXPECT_EQ(profile.Subject, "Ihr Angebot");
  EXPECT_EQ(profile.Delim, ";");
  EXPECT_EQ(profile.Directory, "/program/");

  box.Write("elsewhere/nodelim.prf", "[profile]\nTemplate=t.txt\n");
  vx::ReadProfile(box.Path("elsewhere/nodelim.prf"), profile);
  EXPECT_EQ(profile.Delim, "") << "a missing key reads empty, so the data is split at TAB";
  EXPECT_EQ(profile.Sender, "");
  vx::ReadProfile(box.Path("elsewhere/missing.prf"), profile);
  EXPECT_EQ(profile.Template, "");
  EXPECT_EQ(profile.ProfileName, "missing");
}

TEST(Profile, BareNameIsReadFromTheSharedDirectory) {
  vxtest::Sandbox box;
  box.Write("shared/kunden.prf", kProfileFile);
  box.Write("cwd/kunden.prf", "[profile]\nSender=wrong\n");
  vx::TProfile profile;
  vx::ReadProfile("kunden.prf", profile);
  EXPECT_EQ(profile.Sender, "info@firma.de");
}

TEST(Profile, WriteGoesToDirectoryUnderItsName) {
  vxtest::Sandbox box;
  const std::string file = box.Write("elsewhere/kunden.prf", kProfileFile);
  vx::TProfile profile;
  profile.Directory = box.Folder("program");
  vx::ReadProfile(file, profile);
  ASSERT_TRUE(vx::WriteProfile(profile));
  EXPECT_EQ(box.Read("program/kunden.prf").value(),
            "[profile]\nTemplate=/data/brief.txt\nSender=info@firma.de\nRecipientField=Email\nSubject=Ihr "
            "Angebot\nDelim=;\n");
  EXPECT_EQ(box.Read("elsewhere/kunden.prf").value(), kProfileFile) << "the file read from stays as it was";

  profile.ProfileName = "kunden.prf";
  ASSERT_TRUE(vx::WriteProfile(profile));
  EXPECT_TRUE(box.Read("program/kunden.prf.prf"));
}

TEST(Profile, EmptyNameOrDirectoryWritesNothingAndIsReported) {
  vxtest::Sandbox box;
  vx::TProfile profile;
  profile.Directory = box.Folder("program");
  profile.Sender = "a@b.de";
  vxtest::MessageRecorder messages;
  vx::SaveProfile(profile);
  profile.ProfileName = "kunden";
  profile.Directory.clear();
  vx::SaveProfile(profile);
  ASSERT_EQ(messages.messages.size(), 2u);
  for (const auto& m : messages.messages) {
    EXPECT_EQ(m.text, "Profil konnte nicht gespeichert werden!");
    EXPECT_EQ(m.caption, "Fehler");
    EXPECT_EQ(m.style, vx::MessageStyle::Exclamation);
  }
  EXPECT_TRUE(std::filesystem::is_empty(box.Path("program")));
  EXPECT_FALSE(box.Read("cwd/kunden.prf"));
}

}  // namespace
