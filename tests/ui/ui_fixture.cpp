#include "tests/ui/ui_fixture.h"

#include <QApplication>
#include <QWidget>
#include <sys/stat.h>

#include "platform/qt/message_box.h"
#include "vxbiz/ui/fMain.h"

namespace vxtest {

void PrintTo(const ShownMessage& message, std::ostream* out) {
  *out << "{\"" << message.text << "\", \"" << message.caption << "\", " << static_cast<int>(message.style) << "}";
}

ModalAnswer::ModalAnswer() {
  timer_.setInterval(5);
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog || !act_) return;
    timer_.stop();
    auto act = std::move(act_);
    act_ = nullptr;
    act(dialog);
  });
}

ModalAnswer::~ModalAnswer() { timer_.stop(); }

void ModalAnswer::Next(std::function<void(QWidget* dialog)> act) {
  act_ = std::move(act);
  timer_.start();
}

UiTest::UiTest() : programDir(sandbox.Folder("program")) {
  vx::SetMessageBoxHook([this](const std::string& text, const std::string& caption, vx::MessageStyle style) {
    messages.push_back({text, caption, style});
  });
  vx::SetFileDialogHook([this](const vx::FileDialog& dialog) -> std::optional<std::string> {
    fileDialogs.push_back(dialog);
    if (fileAnswers_.empty()) return std::nullopt;
    auto answer = fileAnswers_.front();
    fileAnswers_.pop_front();
    return answer;
  });
}

UiTest::~UiTest() {
  program.reset();
  vx::SetMessageBoxHook(nullptr);
  vx::SetFileDialogHook(nullptr);
}

vx::VxBizProgram& UiTest::Start(std::vector<std::string> parameters) {
  program = std::make_unique<vx::VxBizProgram>(std::move(parameters), programDir);
  program->Start();
  QApplication::processEvents();
  return *program;
}

std::string UiTest::ScriptMailer(int exitCode) {
  const std::string path = sandbox.Write(
      "bin/mailer", "#!/bin/sh\n# BODY -to ADDRESS -s SUBJECT -f SENDER -server HOST\necho \"an $3: $5\"\nexit " +
                        std::to_string(exitCode) + "\n");
  ::chmod(path.c_str(), 0755);
  return path;
}

void UiTest::WriteSharedSettings(const std::string& body) { sandbox.Write("shared/vxbiz.ini", "[config]\n" + body); }

}  // namespace vxtest
