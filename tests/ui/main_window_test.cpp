// The main window: start-up, menu, status bar, grid, and the commands that need no dialog
// of their own beyond the file dialog.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <sys/stat.h>

#include "platform/files.h"
#include "tests/ui/ui_fixture.h"
#include "vxbiz/ui/fAbout.h"
#include "vxbiz/ui/fBlatProcessor.h"
#include "vxbiz/ui/fMain.h"
#include "vxbiz/ui/recipient_table_model.h"

namespace vxtest {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

class MainWindowTest : public UiTest {
 protected:
  QAction* Action(const char* name) {
    auto* action = program->frmMain->findChild<QAction*>(name);
    EXPECT_NE(action, nullptr) << name;
    return action;
  }
  void Trigger(const char* name) { Action(name)->trigger(); }
  std::vector<std::string> StatusLines() {
    std::vector<std::string> lines;
    QListWidget* list = program->frmBlatProcessor->findChild<QListWidget*>("lbStatus");
    for (int i = 0; i < list->count(); ++i) lines.push_back(list->item(i)->text().toStdString());
    return lines;
  }
  QString Cell(int column, int row) {
    return program->frmMain->sgModel->data(program->frmMain->sgModel->index(row - 1, column)).toString();
  }
  QString Header(int column) { return program->frmMain->sgModel->headerData(column, Qt::Horizontal).toString(); }
  // A profile whose check passes against a data file with the column Email.
  std::string WriteGoodProfile(const std::string& name, const std::string& delim) {
    const std::string templ = sandbox.Write("data/brief.txt", "Hallo {Name},\nbis bald.\n");
    return sandbox.Write("data/" + name + ".prf", "[profile]\nTemplate=" + templ +
                                                      "\nSender=absender@firma.example\nRecipientField=email\n"
                                                      "Subject=Grüße\nDelim=" + delim + "\n");
  }
  // Starts with this mailer and TempDir and a profile whose check passes, and opens a data
  // file of two recipients.
  void StartReadyToSend(const std::string& mailer, const std::string& tempDir) {
    WriteSharedSettings("BlatPath=" + mailer + "\nTempDir=" + tempDir + "\nDefaultProfile=" +
                        WriteGoodProfile("gut", ";") + "\n");
    Start();
    AnswerFileDialog(sandbox.Write("data/kunden.txt", "Name;Email\nMeier;m@x.example\nSchulz;s@x.example\n"));
    Trigger("OffneASCIIDatei1");
  }
  std::vector<std::string> RunLogs(const std::string& folder) {
    std::vector<std::string> logs;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
      if (entry.path().filename().string().starts_with("Log_")) logs.push_back(entry.path().string());
    return logs;
  }
};

TEST_F(MainWindowTest, StartUpCreatesEveryWindowOnceHiddenWithItsCaption) {
  Start();
  EXPECT_TRUE(program->frmMain->isVisible());
  EXPECT_EQ(program->frmMain->windowTitle(), "Vorlix - Business Edition");
  EXPECT_EQ(QApplication::applicationName(), "VX - BIZ");
  EXPECT_FALSE(QApplication::windowIcon().isNull());
  const std::vector<std::pair<const char*, const char*>> windows = {
      {"frmSettings", "Einstellungen"}, {"frmAbout", "Über..."},
      {"frmBlatProcessor", "Verarbeitung"}, {"frmProfileEditor", "Profil Editor"}};
  for (const auto& [name, caption] : windows) {
    const auto found = program->frmMain->findChildren<QWidget*>(name, Qt::FindDirectChildrenOnly);
    ASSERT_EQ(found.size(), 1) << name;
    EXPECT_TRUE(found[0]->isHidden()) << name;
    EXPECT_EQ(found[0]->windowTitle(), QString::fromUtf8(caption)) << name;
  }
}

TEST_F(MainWindowTest, MenuHoldsEveryCommandNamedCaptionedEnabledAndWithoutShortcut) {
  Start();
  struct Item { const char* name; const char* caption; };
  const std::vector<std::pair<Item, std::vector<Item>>> menus = {
      {{"Programm1", "Programm"},
       {{"OffneASCIIDatei1", "Öffne ASCII-Datei..."}, {"N2", ""}, {"Einstellungen1", "Einstellungen"}, {"N1", ""},
        {"Beenden1", "Beenden"}}},
      {{"Profil1", "Profil"},
       {{"Profilladen1", "Profil laden..."},
        {"Profilanlegenbearbeitenspeichern1", "Profil anlegen/bearbeiten/speichern..."}}},
      {{"VorlixProzess1", "Vorlix-Prozess"},
       {{"Prozessstarten1", "Prozess starten..."}, {"Profilberprfen1", "Profil überprüfen..."}}},
      {{"Hilfe1", "Hilfe"},
       {{"Info1", "Info"}, {"N3", ""}, {"OnlineUpdate1", "Online-Update..."}, {"VXBIZHomepage1", "VXBIZ - Homepage"}}},
  };
  QMenuBar* bar = program->frmMain->findChild<QMenuBar*>("MainMenu1");
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->actions().size(), static_cast<qsizetype>(menus.size()));
  for (size_t m = 0; m < menus.size(); ++m) {
    const auto& [menuItem, items] = menus[m];
    QAction* menuAction = bar->actions()[static_cast<qsizetype>(m)];
    EXPECT_EQ(menuAction->objectName(), menuItem.name);
    EXPECT_EQ(menuAction->text(), QString::fromUtf8(menuItem.caption));
    const QList<QAction*> actions = menuAction->menu()->actions();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(items.size())) << menuItem.name;
    for (size_t i = 0; i < items.size(); ++i) {
      QAction* action = actions[static_cast<qsizetype>(i)];
      EXPECT_EQ(action->objectName(), items[i].name);
      EXPECT_EQ(action->isSeparator(), *items[i].caption == '\0') << items[i].name;
      if (!action->isSeparator()) {
        EXPECT_EQ(action->text(), QString::fromUtf8(items[i].caption));
      }
      EXPECT_TRUE(action->isEnabled() && action->isVisible()) << items[i].name;
      EXPECT_TRUE(action->shortcut().isEmpty()) << items[i].name;
    }
  }
}

TEST_F(MainWindowTest, GridStartsWithTwoColumnsAndOneHeaderRowReadOnly) {
  Start();
  QTableView* sg = program->frmMain->findChild<QTableView*>("sg");
  ASSERT_NE(sg, nullptr);
  EXPECT_EQ(sg->model()->columnCount(), 2);
  EXPECT_EQ(sg->model()->rowCount(), 1);  // row 0 of the table is the header
  EXPECT_FALSE(sg->verticalHeader()->isVisible());
  EXPECT_TRUE(sg->horizontalHeader()->isVisible());
  EXPECT_EQ(sg->editTriggers(), QAbstractItemView::NoEditTriggers);
  EXPECT_FALSE(sg->model()->flags(sg->model()->index(0, 0)) & Qt::ItemIsEditable);
  EXPECT_EQ(sg->selectionMode(), QAbstractItemView::ExtendedSelection);
  EXPECT_EQ(sg->horizontalHeader()->sectionResizeMode(0), QHeaderView::Interactive);
}

TEST_F(MainWindowTest, StatusPanelZeroShowsTheDefaultProfile) {
  struct Case { std::string defaultProfile; QString panel; std::string subject; };
  const std::string elsewhere = sandbox.Write("anderswo/versand.prf", "[profile]\nSubject=Von anderswo\n");
  sandbox.Write("shared/kunden.prf", "[profile]\nSubject=Aus dem geteilten Ordner\n");
  const std::vector<Case> cases = {
      {"", "", ""},
      {"fehlt.prf", "PROFIL NICHT GEFUNDEN!", ""},
      {"kunden.prf", "Profil: kunden", "Aus dem geteilten Ordner"},  // a bare name: the shared folder
      {elsewhere, "Profil: versand", "Von anderswo"},
  };
  for (const Case& c : cases) {
    WriteSharedSettings("DefaultProfile=" + c.defaultProfile + "\n");
    Start();
    EXPECT_EQ(program->frmMain->sbarPanel0->text(), c.panel) << c.defaultProfile;
    EXPECT_EQ(program->frmMain->sbarPanel1->text(), "") << c.defaultProfile;
    EXPECT_EQ(program->state.profile.Subject, c.subject) << c.defaultProfile;
    EXPECT_EQ(program->state.profile.Directory, programDir);
    EXPECT_TRUE(messages.empty());
  }
}

TEST_F(MainWindowTest, FormResizeSharesTheGridWidthAmongTheColumns) {
  Start();
  program->frmMain->resize(634, 400);
  QApplication::processEvents();
  ASSERT_EQ(program->frmMain->sg->width(), 634);
  EXPECT_EQ(program->frmMain->sg->columnWidth(0), 316);
  EXPECT_EQ(program->frmMain->sg->columnWidth(1), 316);
  EXPECT_EQ(program->frmMain->sbarPanel0->width(), 634 / 3);

  program->frmMain->sg->setColumnWidth(0, 50);  // the user drags a column
  AnswerFileDialog(sandbox.Write("data/drei.txt", "Name\tOrt\tEmail\nMeier\tBonn\tm@x.example\n"));
  Trigger("OffneASCIIDatei1");
  for (int c = 0; c < 3; ++c) EXPECT_EQ(program->frmMain->sg->columnWidth(c), 210) << c;

  program->frmMain->resize(901, 400);
  QApplication::processEvents();
  EXPECT_EQ(program->frmMain->sg->columnWidth(2), 299);
  EXPECT_EQ(program->frmMain->sbarPanel0->width(), 300);
}

TEST_F(MainWindowTest, OpenDataFileShowsItsCellsInEitherEncoding) {
  Start();
  // The header and the first row in Windows-1252, the second row in UTF-8.
  const std::string path = sandbox.Write("data/kunden.txt", "Name\tOrt\tEmpf\xe4nger\n"
                                                            "M\xfcller\tK\xf6ln\tm@x.example\n"
                                                            "Jörg\tGießen\tj@x.example\n");
  AnswerFileDialog(path);
  Trigger("OffneASCIIDatei1");
  ASSERT_EQ(fileDialogs.size(), 1u);
  EXPECT_EQ(fileDialogs[0].kind, vx::FileDialog::Kind::Open);
  ASSERT_EQ(fileDialogs[0].filter.size(), 2u);
  EXPECT_EQ(fileDialogs[0].filter[0].description, "Ascii");
  EXPECT_EQ(fileDialogs[0].filter[0].pattern, "*.txt");
  EXPECT_EQ(fileDialogs[0].filter[1].description, "Alle Dateien");
  EXPECT_EQ(fileDialogs[0].filter[1].pattern, "*.*");
  EXPECT_EQ(program->frmMain->sbarPanel1->text().toStdString(), path);
  EXPECT_EQ(program->state.config.DataFile, path);
  EXPECT_EQ(Header(2), "Empfänger");
  EXPECT_EQ(Cell(0, 1), "Müller");
  EXPECT_EQ(Cell(1, 1), "Köln");
  EXPECT_EQ(Cell(1, 2), "Gießen");
  EXPECT_EQ(program->frmMain->sgModel->rowCount(), 2);
  EXPECT_TRUE(messages.empty());
}

TEST_F(MainWindowTest, OpenDataFileCancelledOrUnreadableLeavesTheGridAlone) {
  Start();
  const std::string first = sandbox.Write("data/erste.txt", "Name\tOrt\nMeier\tBonn\n");
  AnswerFileDialog(first);
  Trigger("OffneASCIIDatei1");
  AnswerFileDialog(std::nullopt);
  Trigger("OffneASCIIDatei1");
  EXPECT_EQ(program->frmMain->sbarPanel1->text().toStdString(), first);
  EXPECT_TRUE(messages.empty());

  const std::string missing = sandbox.Path("data/gibtsnicht.txt");
  AnswerFileDialog(missing);
  Trigger("OffneASCIIDatei1");
  EXPECT_THAT(messages, ElementsAre(ShownMessage{"Fehler beim Öffnen der Datei!", "Fehler", vx::MessageStyle::Exclamation}));
  EXPECT_EQ(program->frmMain->sbarPanel1->text().toStdString(), missing);  // set before the load
  EXPECT_EQ(program->state.config.DataFile, first);
  EXPECT_EQ(Cell(0, 1), "Meier");
}

TEST_F(MainWindowTest, LoadProfileReloadsTheDataFileWithItsDelimiter) {
  WriteSharedSettings("ShowProfileOnLoad=0\n");
  Start();
  AnswerFileDialog(sandbox.Write("data/semikolon.txt", "Name;Ort;Email\nMeier;Bonn;m@x.example\n"));
  Trigger("OffneASCIIDatei1");
  EXPECT_EQ(program->frmMain->sgModel->columnCount(), 1);  // no profile yet: TAB

  AnswerFileDialog(WriteGoodProfile("semi", ";"));
  Trigger("Profilladen1");
  ASSERT_EQ(fileDialogs.size(), 2u);
  ASSERT_EQ(fileDialogs[1].filter.size(), 1u);
  EXPECT_EQ(fileDialogs[1].filter[0].description, "Profil-Dateien");
  EXPECT_EQ(fileDialogs[1].filter[0].pattern, "*.prf");
  EXPECT_EQ(program->frmMain->sbarPanel0->text(), "Profil: semi");
  EXPECT_EQ(program->frmMain->sgModel->columnCount(), 3);
  EXPECT_EQ(Cell(1, 1), "Bonn");
  EXPECT_TRUE(modal.Pending() == false && messages.empty());
}

TEST_F(MainWindowTest, LoadProfileShowsTheEditorWhenSetAndThenReloadsTheData) {
  Start();  // ShowProfileOnLoad defaults to on
  AnswerFileDialog(sandbox.Write("data/semikolon.txt", "Name;Ort;Email\nMeier;Bonn;m@x.example\n"));
  Trigger("OffneASCIIDatei1");
  QString shownName, shownDelim;
  modal.Next([&](QWidget* dialog) {
    EXPECT_EQ(dialog->objectName(), "frmProfileEditor");
    shownName = dialog->findChild<QLineEdit*>("tfProfileName")->text();
    shownDelim = dialog->findChild<QLineEdit*>("tfDataDelimiter")->text();
    dialog->findChild<QPushButton*>("buCancel")->click();
  });
  AnswerFileDialog(WriteGoodProfile("semi", ";"));
  Trigger("Profilladen1");
  EXPECT_FALSE(modal.Pending());
  EXPECT_EQ(shownName, "semi");
  EXPECT_EQ(shownDelim, ";");
  EXPECT_EQ(program->frmMain->sgModel->columnCount(), 3);
}

TEST_F(MainWindowTest, LoadProfileBeforeAnyDataFileLoadsNoData) {
  WriteSharedSettings("ShowProfileOnLoad=0\n");
  Start();
  AnswerFileDialog(WriteGoodProfile("semi", ";"));
  Trigger("Profilladen1");
  EXPECT_EQ(program->frmMain->sbarPanel0->text(), "Profil: semi");
  EXPECT_EQ(program->state.config.DataFile, "");
  EXPECT_EQ(program->frmMain->sgModel->columnCount(), 2);
  EXPECT_TRUE(messages.empty());
}

TEST_F(MainWindowTest, CheckShowsTheProcessingWindowAndTheNextCheckEmptiesIt) {
  const std::string temp = sandbox.Folder("temp");
  StartReadyToSend(ScriptMailer(), temp);
  Trigger("Profilberprfen1");
  EXPECT_TRUE(program->frmBlatProcessor->isVisible());
  EXPECT_TRUE(program->frmMain->isEnabled());  // not modal
  EXPECT_THAT(StatusLines(), ElementsAre("------ Check ------", "Template: OK", "Blat.exe: OK",
                                         "Empfänger-Feld gefunden in Spalte: 2 ...OK", ""));
  EXPECT_EQ(program->frmBlatProcessor->lbStatus->currentRow(), 4);
  EXPECT_FALSE(vx::FileExists(temp + "body.txt"));  // a check writes nothing

  program->frmBlatProcessor->close();
  EXPECT_FALSE(program->frmBlatProcessor->isVisible());
  program->state.profile.RecipientField = "Fax";
  Trigger("Profilberprfen1");
  EXPECT_TRUE(program->frmBlatProcessor->isVisible());
  EXPECT_THAT(StatusLines(), ElementsAre("------ Check ------", "Template: OK", "Blat.exe: OK",
                                         "Empfänger-Feld nicht gefunden! "));
  EXPECT_TRUE(messages.empty());
}

TEST_F(MainWindowTest, ProcessSendsEveryRowAndClosingSavesTheLastRunAsLog) {
  const std::string temp = sandbox.Folder("temp");
  StartReadyToSend(ScriptMailer(), temp);
  Trigger("Profilberprfen1");
  Trigger("Prozessstarten1");
  const std::vector<std::string> expected = {
      "------ Check ------", "Template: OK", "Blat.exe: OK", "Empfänger-Feld gefunden in Spalte: 2 ...OK", "",
      "Mail 1 gesendet.", "an m@x.example: Grüße", "", "Mail 2 gesendet.", "an s@x.example: Grüße", "", "", "Fertig!"};
  EXPECT_THAT(StatusLines(), ElementsAreArray(expected));
  EXPECT_EQ(program->frmBlatProcessor->lbStatus->currentRow(), static_cast<int>(expected.size()) - 1);
  EXPECT_EQ(*vx::ReadWholeFile(temp + "body.txt"), "Hallo Schulz,\r\nbis bald.\r\n");

  program->frmBlatProcessor->close();  // the lines stay for the log
  Trigger("Beenden1");
  EXPECT_FALSE(program->frmMain->isVisible());
  const auto logs = RunLogs(temp);
  ASSERT_EQ(logs.size(), 1u);
  std::string wanted;
  for (const std::string& line : expected) wanted += line + "\r\n";
  EXPECT_EQ(*vx::ReadWholeFile(logs[0]), wanted);
  EXPECT_TRUE(messages.empty());
}

TEST_F(MainWindowTest, DuringARunTheWindowsArePaintedButTakeNoInput) {
  const std::string temp = sandbox.Folder("temp");
  const std::string mailer = sandbox.Write("bin/slow-mailer", "#!/bin/sh\nsleep 0.4\necho \"an $3\"\n");
  ::chmod(mailer.c_str(), 0755);
  StartReadyToSend(mailer, temp);
  // While the second row's mailer runs: the first row's lines are in the list already, and
  // the main window refuses to close.
  std::vector<std::string> seen;
  bool stillOpen = false;
  QTimer::singleShot(600, [&] {
    seen = StatusLines();
    program->frmMain->close();
    stillOpen = program->frmMain->isVisible();
  });
  Trigger("Prozessstarten1");
  ASSERT_FALSE(seen.empty()) << "the run must keep the event loop turning";
  EXPECT_NE(std::find(seen.begin(), seen.end(), "Mail 1 gesendet."), seen.end());
  EXPECT_EQ(std::find(seen.begin(), seen.end(), "Fertig!"), seen.end());
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(StatusLines().back(), "Fertig!");
  EXPECT_TRUE(RunLogs(temp).empty());  // nothing was saved mid-run
}

TEST_F(MainWindowTest, ClosingBeforeAnyCheckWritesNoLog) {
  const std::string temp = sandbox.Folder("temp");
  WriteSharedSettings("TempDir=" + temp + "\n");
  Start();
  program->frmMain->close();
  EXPECT_FALSE(program->frmMain->isVisible());
  EXPECT_TRUE(RunLogs(temp).empty());
}

TEST_F(MainWindowTest, AnErrorThatStopsARunIsReportedAndTheProgramGoesOn) {
  const std::string temp = sandbox.Path("fehlt/");
  StartReadyToSend(ScriptMailer(), temp);
  Trigger("Prozessstarten1");
  EXPECT_THAT(messages, ElementsAre(ShownMessage{"Datei " + temp + "body.txt kann nicht erstellt werden.", "VX - BIZ",
                                                 vx::MessageStyle::Stop}));
  EXPECT_THAT(StatusLines(), ElementsAre("------ Check ------", "Template: OK", "Blat.exe: OK",
                                         "Empfänger-Feld gefunden in Spalte: 2 ...OK", ""));
  EXPECT_TRUE(program->frmMain->isVisible());
  EXPECT_TRUE(program->frmBlatProcessor->isVisible());

  // The log cannot be saved either: that is reported, and the window closes all the same.
  messages.clear();
  Trigger("Beenden1");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].caption, "VX - BIZ");
  EXPECT_TRUE(messages[0].text.starts_with("Datei " + temp + "Log_")) << messages[0].text;
  EXPECT_FALSE(program->frmMain->isVisible());
}

TEST_F(MainWindowTest, OneOrThreeParametersStartNormally) {
  const std::string profile = WriteGoodProfile("gut", ";");
  const std::string data = sandbox.Write("data/kunden.txt", "Name;Email\nMeier;m@x.example\n");
  for (const auto& parameters : {std::vector<std::string>{profile}, std::vector<std::string>{profile, data, data}}) {
    Start(parameters);
    QApplication::processEvents();
    EXPECT_TRUE(program->frmMain->isVisible());
    EXPECT_FALSE(program->frmBlatProcessor->isVisible());
    EXPECT_EQ(program->state.config.DataFile, "");
    EXPECT_EQ(program->state.profile.ProfileName, "");
    EXPECT_TRUE(program->state.log.Lines().empty());
  }
}

TEST_F(MainWindowTest, InfoShowsProductVersionAndIconEveryTime) {
  Start();
  for (int time = 0; time < 2; ++time) {
    QString text;
    bool icon = false;
    modal.Next([&](QWidget* dialog) {
      EXPECT_EQ(dialog->objectName(), "frmAbout");
      text = dialog->findChild<QPlainTextEdit*>("taInfo")->toPlainText();
      const QLabel* image = dialog->findChild<QLabel*>("imIcon");
      icon = !image->pixmap().isNull();
      EXPECT_EQ(image->size(), QSize(40, 49));
      QTest::keyClick(dialog, time == 0 ? Qt::Key_Escape : Qt::Key_Return);
    });
    Trigger("Info1");
    EXPECT_FALSE(modal.Pending());
    EXPECT_EQ(text, "Vorlix - Business Edition\nVersion: 0.9.2");
    EXPECT_TRUE(icon);
    EXPECT_FALSE(program->frmAbout->isVisible());
  }
}

TEST_F(MainWindowTest, HomepageIsHandedToTheShell) {
  const std::string record = sandbox.Path("geoeffnet.txt");
  const std::string opener = sandbox.Write("bin/opener", "#!/bin/sh\nprintf '%s' \"$1\" > " + record + ".part\nmv " +
                                                             record + ".part " + record + "\n");
  ::chmod(opener.c_str(), 0755);
  sandbox.SetEnv("VXBIZ_SHELL_OPEN", opener);
  Start();
  Trigger("VXBIZHomepage1");
  QElapsedTimer waited;
  waited.start();
  while (!vx::FileExists(record) && waited.elapsed() < 10000) QTest::qWait(20);
  const auto opened = vx::ReadWholeFile(record);
  ASSERT_TRUE(opened.has_value());
  EXPECT_TRUE(opened->starts_with("http")) << *opened;
  EXPECT_TRUE(opened->ends_with("/zap/vxbiz/")) << *opened;
  EXPECT_TRUE(program->frmMain->isVisible());
}

}  // namespace
}  // namespace vxtest
