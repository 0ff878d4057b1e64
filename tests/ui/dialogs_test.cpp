// The settings dialog and the profile editor, opened through their menu commands.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "platform/files.h"
#include "tests/ui/ui_fixture.h"
#include "vxbiz/ui/fMain.h"

namespace vxtest {
namespace {

using ::testing::ElementsAre;

class DialogTest : public UiTest {
 protected:
  void Trigger(const char* name) { program->frmMain->findChild<QAction*>(name)->trigger(); }
  static QLineEdit* Field(QWidget* dialog, const char* name) { return dialog->findChild<QLineEdit*>(name); }
  static QCheckBox* Box(QWidget* dialog, const char* name) { return dialog->findChild<QCheckBox*>(name); }
  static QPushButton* Button(QWidget* dialog, const char* name) { return dialog->findChild<QPushButton*>(name); }
  // Runs the menu command and lets act work on the modal dialog it opens.
  void EditThrough(const char* command, const char* dialogName, const std::function<void(QWidget*)>& act) {
    modal.Next([dialogName, act](QWidget* dialog) {
      ASSERT_EQ(dialog->objectName(), dialogName);
      act(dialog);
    });
    Trigger(command);
    ASSERT_FALSE(modal.Pending());
  }
  void EditSettings(const std::function<void(QWidget*)>& act) { EditThrough("Einstellungen1", "frmSettings", act); }
  void EditProfile(const std::function<void(QWidget*)>& act) {
    EditThrough("Profilanlegenbearbeitenspeichern1", "frmProfileEditor", act);
  }
  std::string Shared(const std::string& key) {
    const auto text = sandbox.Read("shared/vxbiz.ini");
    if (!text) return "<no file>";
    const auto at = text->find("\n" + key + "=");
    if (at == std::string::npos) return "<no key>";
    const auto start = at + key.size() + 2;
    return text->substr(start, text->find('\n', start) - start);
  }
};

TEST_F(DialogTest, SettingsShowTheValuesAndTakeEditsBackHoweverClosed) {
  WriteSharedSettings("SMTP=mail.firma.example:25\nBlatPath=/opt/vx/vxmail\nTempDir=/var/tmp/vx/\n"
                      "DefaultProfile=kunden.prf\nShowProfileOnLoad=0\n");
  Start();
  EditSettings([](QWidget* dialog) {
    EXPECT_EQ(Field(dialog, "tfSMTPSrv")->text(), "mail.firma.example:25");
    EXPECT_EQ(Field(dialog, "tfBlatPath")->text(), "/opt/vx/vxmail");
    EXPECT_EQ(Field(dialog, "tfTempDir")->text(), "/var/tmp/vx/");
    EXPECT_EQ(Field(dialog, "tfDefaultProfile")->text(), "kunden.prf");
    EXPECT_FALSE(Box(dialog, "cbxNetExecAvailable")->isChecked());
    EXPECT_FALSE(Box(dialog, "cbxShowProfileOnLoad")->isChecked());
    // Neither Esc nor Enter closes it.
    QTest::keyClick(dialog, Qt::Key_Escape);
    QTest::keyClick(Field(dialog, "tfSMTPSrv"), Qt::Key_Return);
    EXPECT_TRUE(dialog->isVisible());
    Field(dialog, "tfSMTPSrv")->setText("neu.firma.example:2525");
    Field(dialog, "tfTempDir")->setText("");
    Box(dialog, "cbxShowProfileOnLoad")->setChecked(true);
    dialog->close();  // the close box keeps the edits as "OK" does
  });
  EXPECT_EQ(program->state.config.SMTP, "neu.firma.example:2525");
  EXPECT_EQ(program->state.config.TempDir, "");
  EXPECT_TRUE(program->state.config.ShowProfileOnLoad);
  EXPECT_EQ(Shared("SMTP"), "neu.firma.example:2525");
  EXPECT_EQ(Shared("TempDir"), "");
  EXPECT_EQ(Shared("ShowProfileOnLoad"), "1");
  EXPECT_FALSE(vx::FileExists("./vxbiz.ini"));
  EXPECT_TRUE(messages.empty());
}

TEST_F(DialogTest, SettingsWrittenAgainWhenNothingChanged) {
  WriteSharedSettings("SMTP=mail.firma.example\n");
  Start();
  EditSettings([](QWidget* dialog) { Button(dialog, "buOK")->click(); });
  EXPECT_EQ(Shared("SMTP"), "mail.firma.example");
  EXPECT_EQ(Shared("BlatPath"), "");  // all five keys are written
  EXPECT_EQ(Shared("ShowProfileOnLoad"), "1");
}

TEST_F(DialogTest, NetworkExecutionMovesTheSettingsBetweenLocalAndSharedFile) {
  WriteSharedSettings("SMTP=geteilt.example\n");
  Start();
  EditSettings([](QWidget* dialog) {
    Box(dialog, "cbxNetExecAvailable")->setChecked(true);
    Field(dialog, "tfSMTPSrv")->setText("lokal.example");
    Button(dialog, "buOK")->click();
  });
  const auto local = vx::ReadWholeFile("./vxbiz.ini");
  ASSERT_TRUE(local.has_value());
  EXPECT_NE(local->find("SMTP=lokal.example"), std::string::npos);
  EXPECT_NE(local->find("ShowProfileOnLoad="), std::string::npos);
  EXPECT_EQ(Shared("SMTP"), "geteilt.example");  // left as it was

  Start();  // the local file is preferred from now on
  EXPECT_TRUE(program->state.config.NetExecAvailable);
  EXPECT_EQ(program->state.config.SMTP, "lokal.example");
  EditSettings([](QWidget* dialog) {
    EXPECT_TRUE(Box(dialog, "cbxNetExecAvailable")->isChecked());
    Box(dialog, "cbxNetExecAvailable")->setChecked(false);
    Button(dialog, "buOK")->click();
  });
  EXPECT_FALSE(vx::FileExists("./vxbiz.ini"));
  EXPECT_EQ(Shared("SMTP"), "lokal.example");
}

TEST_F(DialogTest, SettingsBrowseButtonsFillTheirFields) {
  Start();
  AnswerFileDialog("/daten/versand/irgendwas.txt");
  AnswerFileDialog("/opt/mailer/vxmail");
  AnswerFileDialog("/profile/kunden.prf");
  AnswerFileDialog(std::nullopt);  // a cancelled browse leaves its field alone
  EditSettings([](QWidget* dialog) {
    Button(dialog, "buBrowseTemp")->click();
    Button(dialog, "buBrowseBlat")->click();
    Button(dialog, "buBrowseDefaultProfile")->click();
    Button(dialog, "buBrowseTemp")->click();
    Button(dialog, "buOK")->click();
  });
  EXPECT_EQ(program->state.config.TempDir, "/daten/versand/");
  EXPECT_EQ(program->state.config.BlatPath, "/opt/mailer/vxmail");
  EXPECT_EQ(program->state.config.DefaultProfile, "/profile/kunden.prf");
  ASSERT_EQ(fileDialogs.size(), 4u);
  EXPECT_TRUE(fileDialogs[0].filter.empty());
  EXPECT_EQ(fileDialogs[0].fileName, "DIRECTORY");
  EXPECT_EQ(fileDialogs[1].filter.at(0).description, "Blat.exe");
  EXPECT_EQ(fileDialogs[1].filter.at(0).pattern, "blat.exe");
  EXPECT_EQ(fileDialogs[1].fileName, "blat.exe");
  ASSERT_EQ(fileDialogs[2].filter.size(), 1u);
  EXPECT_EQ(fileDialogs[2].filter[0].description, "Profiles");
  EXPECT_EQ(fileDialogs[2].filter[0].pattern, "*.prf");
  EXPECT_EQ(fileDialogs[2].fileName, "/opt/mailer/vxmail");  // the dialog keeps the last name
}

TEST_F(DialogTest, ProfileEditorOkTakesTheEditsAndSavesInTheProgramFolder) {
  Start();
  EditProfile([](QWidget* dialog) {
    for (const char* name : {"tfProfileName", "tfTemplateFile", "tfSender", "tfRecipientField", "tfSubject",
                             "tfDataDelimiter"})
      EXPECT_EQ(Field(dialog, name)->text(), "") << name;  // no profile loaded yet
    Field(dialog, "tfProfileName")->setText("neukunden");
    Field(dialog, "tfTemplateFile")->setText("/vorlagen/brief.txt");
    Field(dialog, "tfSender")->setText("vertrieb@firma.example");
    Field(dialog, "tfRecipientField")->setText("Email");
    Field(dialog, "tfSubject")->setText("Grüße zum Frühling");
    Field(dialog, "tfDataDelimiter")->setText(";");
    Button(dialog, "Button2")->click();
  });
  const vx::TProfile& profile = program->state.profile;
  EXPECT_EQ(profile.ProfileName, "neukunden");
  EXPECT_EQ(profile.Subject, "Grüße zum Frühling");
  vx::TProfile saved;
  vx::ReadProfile(programDir + "neukunden.prf", saved);
  EXPECT_EQ(saved.Template, "/vorlagen/brief.txt");
  EXPECT_EQ(saved.Sender, "vertrieb@firma.example");
  EXPECT_EQ(saved.RecipientField, "Email");
  EXPECT_EQ(saved.Subject, "Grüße zum Frühling");
  EXPECT_EQ(saved.Delim, ";");
  EXPECT_EQ(program->frmMain->sbarPanel0->text(), "");  // the editor changes nothing in the main window
  EXPECT_TRUE(messages.empty());
}

TEST_F(DialogTest, ProfileEditorCancelOrEscChangesNothing) {
  const std::string source = sandbox.Write("data/alt.prf", "[profile]\nSubject=Alt\n");
  WriteSharedSettings("DefaultProfile=" + source + "\n");
  Start();
  for (const bool useEsc : {false, true}) {
    EditProfile([useEsc](QWidget* dialog) {
      EXPECT_EQ(Field(dialog, "tfSubject")->text(), "Alt");
      Field(dialog, "tfSubject")->setText("Neu");
      Field(dialog, "tfProfileName")->setText("anders");
      if (useEsc) QTest::keyClick(dialog, Qt::Key_Escape);
      else Button(dialog, "buCancel")->click();
    });
    EXPECT_EQ(program->state.profile.Subject, "Alt");
    EXPECT_EQ(program->state.profile.ProfileName, "alt");
  }
  EXPECT_FALSE(vx::FileExists(programDir + "anders.prf"));
  EXPECT_FALSE(vx::FileExists(programDir + "alt.prf"));
}

TEST_F(DialogTest, ProfileEditorSavesAForeignProfileAsNewFileAndKeepsTheOldName) {
  const std::string sourceText = "[profile]\nSubject=Von anderswo\nDelim=;\n";
  const std::string source = sandbox.Write("data/versand.prf", sourceText);
  WriteSharedSettings("DefaultProfile=" + source + "\n");
  Start();
  EditProfile([](QWidget* dialog) { QTest::keyClick(Field(dialog, "tfSubject"), Qt::Key_Return); });  // Enter = OK
  EXPECT_EQ(*vx::ReadWholeFile(source), sourceText);
  vx::TProfile saved;
  vx::ReadProfile(programDir + "versand.prf", saved);
  EXPECT_EQ(saved.Subject, "Von anderswo");
  EXPECT_EQ(saved.Delim, ";");

  EditProfile([](QWidget* dialog) {
    Field(dialog, "tfProfileName")->setText("umbenannt");
    Button(dialog, "Button2")->click();
  });
  EXPECT_TRUE(vx::FileExists(programDir + "umbenannt.prf"));
  EXPECT_TRUE(vx::FileExists(programDir + "versand.prf"));
  EXPECT_TRUE(messages.empty());
}

TEST_F(DialogTest, ProfileEditorWithoutNameReportsAndKeepsTheEdits) {
  Start();
  EditProfile([](QWidget* dialog) {
    Field(dialog, "tfSubject")->setText("Ohne Namen");
    Button(dialog, "Button2")->click();
  });
  EXPECT_THAT(messages, ElementsAre(ShownMessage{"Profil konnte nicht gespeichert werden!", "Fehler",
                                                 vx::MessageStyle::Exclamation}));
  EXPECT_EQ(program->state.profile.Subject, "Ohne Namen");
  EXPECT_EQ(program->state.profile.ProfileName, "");
}

TEST_F(DialogTest, ProfileEditorBrowseFillsTheTemplate) {
  Start();
  AnswerFileDialog("/vorlagen/einladung.tpl");
  AnswerFileDialog(std::nullopt);
  EditProfile([](QWidget* dialog) {
    Button(dialog, "buBrowseTemplate")->click();
    Button(dialog, "buBrowseTemplate")->click();  // cancelled: the field stays
    EXPECT_EQ(Field(dialog, "tfTemplateFile")->text(), "/vorlagen/einladung.tpl");
    Button(dialog, "buCancel")->click();
  });
  ASSERT_EQ(fileDialogs.size(), 2u);
  ASSERT_EQ(fileDialogs[0].filter.size(), 2u);
  EXPECT_EQ(fileDialogs[0].filter[0].description, "*.txt,*.tpl");
  EXPECT_EQ(fileDialogs[0].filter[0].pattern, "*.txt;*.tpl");
  EXPECT_EQ(fileDialogs[0].filter[1].description, "Alle Dateien (*.*)");
  EXPECT_EQ(fileDialogs[0].filter[1].pattern, "*.*");
  EXPECT_EQ(fileDialogs[1].fileName, "");  // the proposed name is emptied each time
}

}  // namespace
}  // namespace vxtest
