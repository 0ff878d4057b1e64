#include "tests/mailer/vxmail_fixture.h"

#include "tests/support/background_process.h"

namespace vxtest {

VxmailRun VxmailTest::Run(const std::vector<std::string>& args, const std::map<std::string, std::string>& env) {
  const std::string name = "run" + std::to_string(++runs_);
  const std::string outPath = sandbox.Path(name + ".out");
  const std::string errPath = sandbox.Path(name + ".err");
  std::map<std::string, std::string> environment = {{"VXMAIL_USER", ""}, {"VXMAIL_PASSWORD", ""},
                                                    {"VXMAIL_CACERT", ""}};
  for (const auto& [key, value] : env) environment[key] = value;
  std::vector<std::string> argv = {VX_BIN_DIR "/vxmail"};
  argv.insert(argv.end(), args.begin(), args.end());
  BackgroundProcess process(argv, outPath, environment, errPath);
  VxmailRun run;
  run.exitCode = process.Wait();
  run.out = sandbox.Read(name + ".out").value_or("");
  run.err = sandbox.Read(name + ".err").value_or("");
  return run;
}

std::vector<std::string> VxmailTest::Args(const std::string& bodyFile, const std::string& to,
                                          const std::string& subject, const std::string& sender) const {
  return {bodyFile, "-to", to, "-s", subject, "-f", sender, "-server", server.Host()};
}

void ExpectWireSafe(const std::string& raw) {
  size_t lineStart = 0;
  size_t maxLine = 78;
  for (size_t i = 0; i < raw.size(); ++i) {
    const auto c = static_cast<unsigned char>(raw[i]);
    ASSERT_LT(c, 128u) << "8-bit byte at " << i;
    if (c == '\r') {
      ASSERT_TRUE(i + 1 < raw.size() && raw[i + 1] == '\n') << "bare CR at " << i;
    }
    if (c == '\n') {
      ASSERT_TRUE(i > 0 && raw[i - 1] == '\r') << "bare LF at " << i;
      const std::string line = raw.substr(lineStart, i - 1 - lineStart);
      EXPECT_LE(line.size(), maxLine) << line;
      // Relays may drop blanks at a line's end, so quoted-printable encodes them.
      if (maxLine == 76) {
        EXPECT_TRUE(line.empty() || (line.back() != ' ' && line.back() != '\t')) << line;
      }
      if (i - 1 == lineStart) maxLine = 76;  // the empty line before the body
      lineStart = i + 1;
    }
  }
  EXPECT_EQ(lineStart, raw.size()) << "the message does not end with CR LF";
}

}  // namespace vxtest
