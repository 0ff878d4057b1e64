// What a mailer started for a row inherits from the program that starts it.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>

#include "platform/process.h"
#include "tests/support/sandbox.h"

namespace {

// Replaces this process's standard input with a pipe holding some typed text, so a program
// that reads an inherited standard input would show that text.
class StdinWithTypedText {
 public:
  StdinWithTypedText() {
    saved_ = ::dup(STDIN_FILENO);
    int ends[2];
    EXPECT_EQ(::pipe(ends), 0);
    EXPECT_EQ(::write(ends[1], "getippt\n", 8), 8);
    ::close(ends[1]);
    ::dup2(ends[0], STDIN_FILENO);
    ::close(ends[0]);
  }
  ~StdinWithTypedText() {
    ::dup2(saved_, STDIN_FILENO);
    ::close(saved_);
  }

 private:
  int saved_ = -1;
};

TEST(RunProcess, TheMailerGetsNoInputNoStrayDescriptorsAndDefaultSignals) {
  vxtest::Sandbox sandbox;
  StdinWithTypedText typed;
  const int stray = ::open(sandbox.Write("stray.txt", "x").c_str(), O_RDONLY);  // inheritable
  auto* const oldPipeHandler = std::signal(SIGPIPE, SIG_IGN);
  const std::string program = sandbox.Write("program",
                                            "#!/bin/sh\n"
                                            "cat\n"
                                            "[ -e /proc/self/fd/" + std::to_string(stray) + " ] && echo stray\n"
                                            "grep SigIgn /proc/$$/status\n");
  std::filesystem::permissions(program, std::filesystem::perms::owner_all);
  const auto outcome = vx::RunProcess({program}, sandbox.Path("out.txt"));
  std::signal(SIGPIPE, oldPipeHandler);
  ::close(stray);
  EXPECT_EQ(outcome.kind, vx::ProcessOutcome::Kind::Exited);
  EXPECT_EQ(outcome.code, 0);
  // Nothing came from standard input, no descriptor leaked, and no standard signal (SIGPIPE
  // above all) is ignored; the C library's own real-time signals are not ours to change.
  const std::string out = sandbox.Read("out.txt").value_or("");
  ASSERT_EQ(out.rfind("SigIgn:\t", 0), 0u) << out;
  EXPECT_EQ(std::stoull(out.substr(8), nullptr, 16) & 0x7fffffffULL, 0u) << out;
}

}  // namespace
