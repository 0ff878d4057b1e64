#include "orrix/wupOptions.h"

#include <array>

#include "orrix/wupRegistry.h"
#include "platform/host_args.h"
#include "platform/qt/message_box.h"
#include "platform/text.h"

namespace vx {

TwupOptions wupStartOptions;
TwupOptions wupUpdateChooseOptions;
TwupOptions wupHTTPOptions;
std::string ParameterList;

namespace {

// The longest piece cut off the end of a parameter text in one round.
constexpr size_t kSegmentMax = 1024;

// Removes characters with codes up to 32 (blanks and control characters) at both ends.
std::string TrimControl(const std::string& s) {
  size_t first = 0, last = s.size();
  while (first < last && static_cast<unsigned char>(s[first]) <= 32) ++first;
  while (last > first && static_cast<unsigned char>(s[last - 1]) <= 32) --last;
  return s.substr(first, last - first);
}

enum class Kind { Flag, Value };

struct Option {
  const char* name;
  Kind kind;
  bool hostOnly;
  bool TwupOptions::*flag;
  std::string TwupOptions::*text;  // null for flags
  const char* line;                // the ParameterList line of a flag
};

// In the order in which a word is compared against them; the first match applies.
const std::array<Option, 15> kOptions = {{
    {"-debug", Kind::Flag, false, &TwupOptions::Debug, nullptr, "Debug = true\n"},
    {"-check", Kind::Flag, false, &TwupOptions::Check, nullptr, "Check = true\n"},
    {"-start", Kind::Value, false, &TwupOptions::HasStart, &TwupOptions::StartExec, nullptr},
    {"-end", Kind::Value, false, &TwupOptions::HasEnd, &TwupOptions::EndExec, nullptr},
    {"-restart", Kind::Value, false, &TwupOptions::HasRestart, &TwupOptions::RestartExec, nullptr},
    {"-progid", Kind::Value, false, &TwupOptions::HasProgId, &TwupOptions::ProgId, nullptr},
    {"-version", Kind::Value, false, &TwupOptions::HasVersion, &TwupOptions::Version, nullptr},
    {"-register", Kind::Flag, true, &TwupOptions::Register, nullptr, "register = true\n"},
    {"-unregister", Kind::Flag, true, &TwupOptions::Unregister, nullptr, "unregister = true\n"},
    {"-registered", Kind::Flag, true, &TwupOptions::Registered, nullptr, "registered = true\n"},
    {"-proxy", Kind::Value, false, &TwupOptions::HasProxy, &TwupOptions::Proxy, nullptr},
    {"-proxyport", Kind::Value, false, &TwupOptions::HasProxyPort, &TwupOptions::ProxyPort, nullptr},
    {"--help", Kind::Flag, false, &TwupOptions::Help, nullptr, "help = true\n"},
    {"-help", Kind::Flag, false, &TwupOptions::Help, nullptr, "help = true\n"},
    {"-?", Kind::Flag, false, &TwupOptions::Help, nullptr, "help = true\n"},
}};

void ApplyOption(const std::string& word, const std::string& value, bool hostOnlyAllowed) {
  for (const Option& option : kOptions) {
    if (option.hostOnly && !hostOnlyAllowed) continue;
    if (!SameTextIgnoringCase(word, option.name)) continue;
    wupStartOptions.*option.flag = true;
    if (option.kind == Kind::Value) {
      wupStartOptions.*option.text = value;
      ParameterList += std::string(option.name + 1) + " = " + value + "\n";
    } else {
      ParameterList += option.line;
    }
    return;
  }
}

}  // namespace

void ParseParameters(const std::string& parameters) {
  // The options restricted to the host command line count only when no text was given.
  const bool hostOnlyAllowed = parameters.empty();
  std::string text = parameters;
  ParameterList.clear();
  const int paramCount = ParamCount();
  for (int i = 1; i <= paramCount || !text.empty(); ++i) {
    std::string word, value;
    if (text.empty()) {
      word = ParamStr(i);
      value = ParamStr(i + 1);
    } else {
      // The last option of the text is cut off its end: the segment from the last "-",
      // the word up to the segment's last blank, the value from that blank on.
      text = TrimControl(text);
      const size_t dash = text.rfind('-');
      const std::string segment = text.substr(dash == std::string::npos ? 0 : dash, kSegmentMax);
      const size_t blank = segment.rfind(' ');
      word = TrimControl(blank == std::string::npos ? segment : segment.substr(0, blank + 1));
      value = TrimControl(blank == std::string::npos ? segment : segment.substr(blank));
      text.erase(text.size() - segment.size());
    }
    ApplyOption(word, value, hostOnlyAllowed);
  }
  LoadProxySettings();
  if (wupStartOptions.Debug) ShowMessageBox(ParameterList, "Parameter List", MessageStyle::None);
}

}  // namespace vx
