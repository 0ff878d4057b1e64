#pragma once
// The real program with its real windows, in a sandbox, on the offscreen platform. Message
// boxes are recorded, file dialogs answered from a queue, modal dialogs acted on while open.
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/message_style.h"
#include "platform/qt/file_dialog.h"
#include "tests/support/sandbox.h"
#include "vxbiz/ui/program.h"

class QWidget;

namespace vxtest {

struct ShownMessage {
  std::string text, caption;
  vx::MessageStyle style;
  bool operator==(const ShownMessage&) const = default;
};
void PrintTo(const ShownMessage& message, std::ostream* out);

// Acts on the next modal dialog once it is open (polling the application's modal widget).
class ModalAnswer {
 public:
  ModalAnswer();
  ~ModalAnswer();
  void Next(std::function<void(QWidget* dialog)> act);
  bool Pending() const { return static_cast<bool>(act_); }

 private:
  QTimer timer_;
  std::function<void(QWidget*)> act_;
};

class UiTest : public ::testing::Test {
 protected:
  UiTest();
  ~UiTest() override;

  // Starts the program (windows created, main window shown) with these command-line parameters.
  vx::VxBizProgram& Start(std::vector<std::string> parameters = {});
  // The next file dialog confirms this path; nothing cancels it.
  void AnswerFileDialog(std::optional<std::string> path) { fileAnswers_.push_back(std::move(path)); }
  // A mailer that prints one line per mail ("an ADDRESS: SUBJECT") and exits with exitCode.
  std::string ScriptMailer(int exitCode = 0);
  // Settings written to the shared vxbiz.ini before the start.
  void WriteSharedSettings(const std::string& body);

  Sandbox sandbox;
  std::string programDir;  // the program's folder: profiles are saved here
  std::vector<ShownMessage> messages;
  std::vector<vx::FileDialog> fileDialogs;  // every file dialog as it was opened
  ModalAnswer modal;
  std::unique_ptr<vx::VxBizProgram> program;

 private:
  std::deque<std::optional<std::string>> fileAnswers_;
};

}  // namespace vxtest
