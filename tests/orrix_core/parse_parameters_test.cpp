// ParseParameters in a real child process, whose own command line is the host command line.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/registry.h"
#include "tests/support/background_process.h"
#include "tests/support/sandbox.h"

namespace {

struct Outcome {
  std::map<std::string, std::string> fields;  // every field and ParameterList
  std::vector<std::string> boxes;             // "caption: text", in order
};

// Runs the probe with the text (nothing: the variable is not set) and the host arguments.
Outcome Parse(vxtest::Sandbox& sandbox, const std::optional<std::string>& text, const std::vector<std::string>& args,
              const std::optional<std::string>& again = std::nullopt) {
  std::vector<std::string> argv{PARSE_PROBE};
  argv.insert(argv.end(), args.begin(), args.end());
  std::map<std::string, std::string> env;
  if (text) env["ORRIX_PROBE_TEXT"] = *text;
  if (again) env["ORRIX_PROBE_AGAIN"] = *again;
  const std::string log = sandbox.Path("probe.out");
  vx::RemoveFile(log);
  vxtest::BackgroundProcess probe(argv, log, env);
  EXPECT_EQ(probe.Wait(), 0);
  Outcome outcome;
  std::istringstream lines(sandbox.Read("probe.out").value_or(""));
  for (std::string line; std::getline(lines, line);) {
    const size_t eq = line.find('=');
    const std::string name = line.substr(0, eq), value = line.substr(eq + 1);
    if (name == "Box") outcome.boxes.push_back(value);
    else outcome.fields[name] = value;
  }
  return outcome;
}

// All fields as parsing leaves them on a fresh library, with the given ones replaced.
std::map<std::string, std::string> Fields(const std::map<std::string, std::string>& changed) {
  std::map<std::string, std::string> fields;
  for (const char* flag : {"HasRestart", "HasStart", "HasEnd", "Check", "HasProgId", "HasVersion", "Register",
                           "Unregister", "Registered", "HasProxy", "HasProxyPort", "Debug", "Help", "UpdateAvailable"}) {
    fields[flag] = "0";
  }
  for (const char* text : {"RestartExec", "StartExec", "EndExec", "ProgId", "Version", "Proxy", "ProxyPort",
                           "ParameterList"}) {
    fields[text] = "";
  }
  for (const auto& [name, value] : changed) fields[name] = value;
  return fields;
}

struct ParseCase {
  const char* what;
  std::optional<std::string> text;
  std::vector<std::string> args;
  std::map<std::string, std::string> changed;  // fields that differ from a fresh record
  std::vector<std::string> boxes = {};
};

// Test names show what a case is about instead of its bytes.
void PrintTo(const ParseCase& c, std::ostream* os) { *os << c.what; }

class ParseParametersTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseParametersTest, SetsFieldsAndListAsTheOptionTableSays) {
  vxtest::Sandbox sandbox;
  const ParseCase& c = GetParam();
  const Outcome outcome = Parse(sandbox, c.text, c.args);
  EXPECT_EQ(outcome.fields, Fields(c.changed)) << c.what;
  EXPECT_EQ(outcome.boxes, c.boxes) << c.what;
}

const std::string kLong(1016, 'x');  // with "-progid " exactly one 1024-character segment

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseParametersTest,
    testing::Values(
        ParseCase{"text",
                  "-progid VXBiz -version 0.9.2",
                  {},
                  {{"HasProgId", "1"}, {"ProgId", "VXBiz"}, {"HasVersion", "1"}, {"Version", "0.9.2"},
                   {"ParameterList", "version = 0.9.2\\nprogid = VXBiz\\n"}}},
        ParseCase{"text with -debug: lines in reverse order, shown in a box",
                  "-debug -progid VXBiz -version 0.9.2",
                  {},
                  {{"HasProgId", "1"}, {"ProgId", "VXBiz"}, {"HasVersion", "1"}, {"Version", "0.9.2"},
                   {"Debug", "1"}, {"ParameterList", "version = 0.9.2\\nprogid = VXBiz\\nDebug = true\\n"}},
                  {"Parameter List: version = 0.9.2\\nprogid = VXBiz\\nDebug = true\\n"}},
        ParseCase{"-registered in a text is ignored",
                  "-progid VXBiz -version 0.9.2 -registered",
                  {},
                  {{"HasProgId", "1"}, {"ProgId", "VXBiz"}, {"HasVersion", "1"}, {"Version", "0.9.2"},
                   {"ParameterList", "version = 0.9.2\\nprogid = VXBiz\\n"}}},
        ParseCase{"the same words on the host command line",
                  std::nullopt,
                  {"-progid", "VXBiz", "-version", "0.9.2", "-registered"},
                  {{"HasProgId", "1"}, {"ProgId", "VXBiz"}, {"HasVersion", "1"}, {"Version", "0.9.2"},
                   {"Registered", "1"}, {"ParameterList", "progid = VXBiz\\nversion = 0.9.2\\nregistered = true\\n"}}},
        ParseCase{"host-only flags on the host command line",
                  "",
                  {"-register", "-UNREGISTER"},
                  {{"Register", "1"}, {"Unregister", "1"},
                   {"ParameterList", "register = true\\nunregister = true\\n"}}},
        ParseCase{"an option twice in a text: the first wins",
                  "-progid A -progid B",
                  {},
                  {{"HasProgId", "1"}, {"ProgId", "A"}, {"ParameterList", "progid = B\\nprogid = A\\n"}}},
        ParseCase{"an option twice on the host command line: the last wins",
                  std::nullopt,
                  {"-progid", "A", "-progid", "B"},
                  {{"HasProgId", "1"}, {"ProgId", "B"}, {"ParameterList", "progid = A\\nprogid = B\\n"}}},
        ParseCase{"a dash inside a value starts a new segment",
                  "-version 1.0-beta",
                  {},
                  {{"HasVersion", "1"}, {"Version", "1.0"}, {"ParameterList", "version = 1.0\\n"}}},
        ParseCase{"a value with a blank is not recognised", "-start C:\\Program Files\\x.exe", {}, {}},
        ParseCase{"a value option at the end of a text takes its own name",
                  "-debug -progid",
                  {},
                  {{"HasProgId", "1"}, {"ProgId", "-progid"}, {"Debug", "1"},
                   {"ParameterList", "progid = -progid\\nDebug = true\\n"}},
                  {"Parameter List: progid = -progid\\nDebug = true\\n"}},
        ParseCase{"a value option as the last host argument gets an empty value",
                  std::nullopt,
                  {"-debug", "-progid"},
                  {{"HasProgId", "1"}, {"Debug", "1"}, {"ParameterList", "Debug = true\\nprogid = \\n"}},
                  {"Parameter List: Debug = true\\nprogid = \\n"}},
        ParseCase{"a host argument is a word and the value of the one before",
                  std::nullopt,
                  {"-proxy", "-debug"},
                  {{"HasProxy", "1"}, {"Proxy", "-debug"}, {"Debug", "1"},
                   {"ParameterList", "proxy = -debug\\nDebug = true\\n"}},
                  {"Parameter List: proxy = -debug\\nDebug = true\\n"}},
        ParseCase{"after 3 segments of text the host command line is read on from argument 4",
                  "-check -end e -start s",
                  {"-progid", "P", "x", "-version", "-proxyport"},
                  {{"Check", "1"}, {"HasEnd", "1"}, {"EndExec", "e"}, {"HasStart", "1"}, {"StartExec", "s"},
                   {"HasVersion", "1"}, {"Version", "-proxyport"}, {"HasProxyPort", "1"},
                   {"ParameterList", "start = s\\nend = e\\nCheck = true\\nversion = -proxyport\\nproxyport = \\n"}}},
        ParseCase{"names ignore letter case; -config is no option",
                  "-config -DEBUG -Restart r",
                  {},
                  {{"Debug", "1"}, {"HasRestart", "1"}, {"RestartExec", "r"},
                   {"ParameterList", "restart = r\\nDebug = true\\n"}},
                  {"Parameter List: restart = r\\nDebug = true\\n"}},
        ParseCase{"the three help spellings", std::nullopt, {"-?"}, {{"Help", "1"}, {"ParameterList", "help = true\\n"}}},
        ParseCase{"--help in a text", "--help", {}, {{"Help", "1"}, {"ParameterList", "help = true\\n"}}},
        ParseCase{"blanks and control characters around text, word and value are trimmed",
                  " \t-proxyport \t 8080\r\n",
                  {},
                  {{"HasProxyPort", "1"}, {"ProxyPort", "8080"}, {"ParameterList", "proxyport = 8080\\n"}}},
        ParseCase{"a text of blanks only is not empty: one pass, host-only options stay off",
                  "   ",
                  {"x", "-register", "-check"},
                  {{"Check", "1"}, {"ParameterList", "Check = true\\n"}}},
        ParseCase{"an empty text reads the host-only options from argument 1",
                  "",
                  {"x", "-register", "-check"},
                  {{"Register", "1"}, {"Check", "1"}, {"ParameterList", "register = true\\nCheck = true\\n"}}},
        ParseCase{"a value filling a whole 1024-character segment",
                  "-progid " + kLong,
                  {},
                  {{"HasProgId", "1"}, {"ProgId", kLong}, {"ParameterList", "progid = " + kLong + "\\n"}}}),
    [](const testing::TestParamInfo<ParseCase>& info) { return "case" + std::to_string(info.index); });

TEST(ParseParametersDebug, EmptyTextWithoutArgumentsShowsAnEmptyListWhenDebugIsAlreadySet) {
  vxtest::Sandbox sandbox;
  const Outcome outcome = Parse(sandbox, "-debug", {}, "");
  EXPECT_EQ(outcome.fields.at("Debug"), "1");
  EXPECT_EQ(outcome.boxes, (std::vector<std::string>{"Parameter List: Debug = true\\n", "Parameter List: "}));
}

void WriteProxyValues(const std::map<std::string, std::string>& values) {
  vx::RegistryKey key;
  ASSERT_TRUE(key.OpenKey("software\\Tavrik\\ORRIX", true));
  for (const auto& [name, value] : values) ASSERT_TRUE(key.WriteString(name, value));
}

TEST(ParseParametersProxy, RegistryReplacesAProxyGivenAloneButNotAPair) {
  vxtest::Sandbox sandbox;
  WriteProxyValues({{"ORRIX_ProxyServer", "p2"}});
  Outcome outcome = Parse(sandbox, "-proxy p1", {});
  EXPECT_EQ(outcome.fields.at("Proxy"), "p2");
  EXPECT_EQ(outcome.fields.at("HasProxyPort"), "0");

  WriteProxyValues({{"ORRIX_ProxyPort", "3128"}});
  outcome = Parse(sandbox, "-proxy p1 -proxyport 8080", {});
  EXPECT_EQ(outcome.fields.at("Proxy"), "p1");
  EXPECT_EQ(outcome.fields.at("ProxyPort"), "8080");

  outcome = Parse(sandbox, std::nullopt, {"-proxyport", "8080"});
  EXPECT_EQ(outcome.fields.at("HasProxy"), "1");
  EXPECT_EQ(outcome.fields.at("Proxy"), "p2");
  EXPECT_EQ(outcome.fields.at("ProxyPort"), "3128");
}

TEST(ParseParametersProxy, MissingKeyLeavesTheProxyAsGiven) {
  vxtest::Sandbox sandbox;
  const Outcome outcome = Parse(sandbox, "-proxy p1", {});
  EXPECT_EQ(outcome.fields.at("Proxy"), "p1");
  EXPECT_EQ(outcome.fields.at("HasProxyPort"), "0");
  EXPECT_TRUE(outcome.boxes.empty());
}

}  // namespace
