#pragma once
// A whole updater call as the start dialog's START runs it, against the real local HTTP
// server: the update database and setup program are served from the sandbox, TEMP points
// into it, message boxes and the save dialog are answered by the test, and every file the
// updater hands to the shell is recorded by a small program named in $VXBIZ_SHELL_OPEN.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/orrix_ui/modal_script.h"
#include "tests/support/http_test_server.h"
#include "tests/support/message_box_recorder.h"
#include "tests/support/sandbox.h"

namespace vxtest {

class UpdateRun {
 public:
  UpdateRun();
  ~UpdateRun();

  // Publishes the update database.
  void Publish(const std::string& database);
  // The database of one program VXBiz with the published version and setup address, plus
  // any further lines for its section and further sections.
  static std::string Database(const std::string& actVers, const std::string& dlurl,
                              const std::string& moreSections = "");

  // Runs START with the parameter text and returns the start dialog's result.
  bool Start(const std::string& parameters);

  // The files handed to the shell, sorted (they are started one after the other, but each
  // recorder runs on its own, so the order of their lines is not fixed). Waits until
  // `expected` lines are there, and a moment longer to catch any extra.
  std::vector<std::string> Opened(size_t expected);

  // The message boxes as "caption: text".
  std::vector<std::string> Shown() const;

  // Answers the save dialog with this path (nothing: cancelled); notes the proposed name.
  void AnswerSaveDialog(std::optional<std::string> path);
  std::string proposedFileName;
  int saveDialogs = 0;

  Sandbox sandbox;
  std::string temp;                 // TEMP, with a trailing "/"
  std::string setupBytes;           // served as files/setup.sh
  HttpTestServer server;
  MessageBoxRecorder recorder;
  ModalScript script;
};

// The texts the download window shows on failure.
extern const char* const kFileDownloadFailed;

}  // namespace vxtest
