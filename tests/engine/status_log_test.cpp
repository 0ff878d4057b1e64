#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/files.h"
#include "tests/support/sandbox.h"
#include "vxbiz/engine/run_error.h"
#include "vxbiz/engine/status_log.h"

namespace {

using Lines = std::vector<std::string>;

class RecordingObserver : public vx::StatusLogObserver {
 public:
  void ProcessingBegins() override { events.push_back("begins"); }
  void LineAdded(const std::string& line) override { events.push_back("+" + line); }
  void Cleared() override { events.push_back("cleared"); }
  Lines events;
};

TEST(StatusLog, TellsTheObserverOfEveryChange) {
  vx::StatusLog log;
  RecordingObserver observer;
  log.SetObserver(&observer);
  log.AddLine("alt");
  log.BeginProcessing();
  log.AddLine("eins");
  log.AddLine("");
  EXPECT_EQ(log.Lines(), (Lines{"eins", ""}));
  EXPECT_EQ(observer.events, (Lines{"+alt", "begins", "cleared", "+eins", "+"}));
}

TEST(StatusLog, AppendFileAddsTheLinesOfAnExistingFile) {
  vxtest::Sandbox sandbox;
  vx::StatusLog log;
  log.AppendFile(sandbox.Write("lf.log", "eins\nzwei\n\nvier\n"));
  const Lines lf = log.Lines();
  EXPECT_EQ(lf, (Lines{"eins", "zwei", "", "vier"}));
  log.BeginProcessing();
  log.AppendFile(sandbox.Write("crlf.log", "eins\r\nzwei\r\n\r\nvier\r\n"));
  EXPECT_EQ(log.Lines(), lf);
  log.BeginProcessing();
  log.AppendFile(sandbox.Write("mixed.log", std::string("a\rb\0c\nd", 7)));
  log.AppendFile(sandbox.Write("empty.log", ""));
  log.AppendFile(sandbox.Path("missing.log"));
  log.AppendFile(sandbox.Folder("folder.log"));
  EXPECT_EQ(log.Lines(), (Lines{"a", "b"}));
}

TEST(StatusLog, SaveRunLogWritesEveryLineWithCrLfOnlyWhenThereAreLines) {
  vxtest::Sandbox sandbox;
  const std::string tempDir = sandbox.Folder("temp");
  vx::StatusLog log;
  EXPECT_EQ(log.SaveRunLog(tempDir), "");
  EXPECT_TRUE(std::filesystem::is_empty(tempDir));
  for (const char* line : {"------ Check ------", "Template: OK", "Blat.exe: OK", "Empfänger-Feld nicht gefunden! ", ""})
    log.AddLine(line);
  const std::time_t before = std::time(nullptr);
  const std::string path = log.SaveRunLog(tempDir);
  const std::time_t after = std::time(nullptr);
  EXPECT_TRUE(path == vx::RunLogPath(tempDir, before) || path == vx::RunLogPath(tempDir, after)) << path;
  EXPECT_EQ(vx::ReadWholeFile(path),
            "------ Check ------\r\nTemplate: OK\r\nBlat.exe: OK\r\nEmpfänger-Feld nicht gefunden! \r\n\r\n");
  EXPECT_EQ(log.Lines().size(), 5u);  // saving does not empty the list
}

TEST(StatusLog, TheRunLogIsNamedAfterTheLocalesDateAndTime) {
  vxtest::Sandbox sandbox;
  std::tm parts{};
  parts.tm_year = 2004 - 1900, parts.tm_mon = 11, parts.tm_mday = 9;
  parts.tm_hour = 14, parts.tm_min = 5, parts.tm_sec = 33, parts.tm_isdst = -1;
  const std::time_t when = std::mktime(&parts);
  sandbox.SetEnv("LC_ALL", "de_DE.UTF-8");
  EXPECT_EQ(vx::RunLogPath("/tmp/x/", when), "/tmp/x/Log_09.12.2004_14.05.33.log");
  // The C locale writes its date with slashes, which cannot stand in a file name.
  sandbox.SetEnv("LC_ALL", "C");
  EXPECT_EQ(vx::RunLogPath("/tmp/x/", when), "/tmp/x/Log_12-09-04_14.05.33.log");
}

TEST(StatusLog, ALogThatCannotBeCreatedIsARunError) {
  vxtest::Sandbox sandbox;
  const std::string tempDir = sandbox.Path("missing/");
  vx::StatusLog log;
  log.AddLine("Fertig!");
  try {
    log.SaveRunLog(tempDir);
    ADD_FAILURE() << "no RunError";
  } catch (const vx::RunError& error) {
    const std::string text = error.what();
    EXPECT_EQ(text.rfind("Datei " + tempDir + "Log_", 0), 0u) << text;
    const std::string end = ".log kann nicht erstellt werden";
    EXPECT_EQ(text.substr(text.size() - end.size()), end) << text;
  }
}

}  // namespace
