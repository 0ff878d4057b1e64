// Parses its own command line as a host of the updater would: ParseParameters runs with the
// text of $ORRIX_PROBE_TEXT (then, when set, once more with $ORRIX_PROBE_AGAIN), and the
// resulting fields, ParameterList and every message box are printed as "name=value" lines,
// line feeds written as "\n".
#include <cstdlib>
#include <iostream>
#include <string>

#include "orrix/wupOptions.h"
#include "platform/qt/message_box.h"

namespace {

std::string Escaped(const std::string& text) {
  std::string out;
  for (const char c : text) out += c == '\n' ? std::string("\\n") : c == '\\' ? std::string("\\\\") : std::string(1, c);
  return out;
}

void Print(const std::string& name, const std::string& value) { std::cout << name << "=" << Escaped(value) << "\n"; }
void Print(const std::string& name, bool flag) { Print(name, std::string(flag ? "1" : "0")); }

}  // namespace

int main() {
  vx::SetMessageBoxHook([](const std::string& text, const std::string& caption, vx::MessageStyle) {
    Print("Box", caption + ": " + text);
  });
  const char* text = std::getenv("ORRIX_PROBE_TEXT");
  vx::ParseParameters(text ? text : "");
  if (const char* again = std::getenv("ORRIX_PROBE_AGAIN")) vx::ParseParameters(again);

  const vx::TwupOptions& o = vx::wupStartOptions;
  Print("HasRestart", o.HasRestart);
  Print("RestartExec", o.RestartExec);
  Print("HasStart", o.HasStart);
  Print("StartExec", o.StartExec);
  Print("HasEnd", o.HasEnd);
  Print("EndExec", o.EndExec);
  Print("Check", o.Check);
  Print("HasProgId", o.HasProgId);
  Print("ProgId", o.ProgId);
  Print("HasVersion", o.HasVersion);
  Print("Version", o.Version);
  Print("Register", o.Register);
  Print("Unregister", o.Unregister);
  Print("Registered", o.Registered);
  Print("HasProxy", o.HasProxy);
  Print("Proxy", o.Proxy);
  Print("HasProxyPort", o.HasProxyPort);
  Print("ProxyPort", o.ProxyPort);
  Print("Debug", o.Debug);
  Print("Help", o.Help);
  Print("UpdateAvailable", o.UpdateAvailable);
  Print("ParameterList", vx::ParameterList);
  return 0;
}
