#pragma once
// The updater's parsed parameters and flags (TwupOptions), its three module-level instances
// and the parser that fills the start dialog's instance.
// Units of the updater that include this: fwupStart, fwupUpdateChoose, fwupHTTP, fwupConfig.
// Neighbouring headers: wupRegistry.h (RegisterUpdater, UnregisterUpdater, LoadProxySettings,
// SaveProxySettings), wupConstants.h (title, version, server addresses, registry key),
// wupOnlineDatabase.h (OnlineDatabase and the version check), fwupHTTP.h (TwupHTTP).
#include <string>

namespace vx {

// Fields in record order. A flag is one byte; a text is empty when not set.
struct TwupOptions {
  bool HasRestart = false;
  std::string RestartExec;
  bool HasStart = false;
  std::string StartExec;
  bool HasEnd = false;
  std::string EndExec;
  bool Check = false;
  bool HasProgId = false;
  std::string ProgId;
  bool HasVersion = false;
  std::string Version;
  bool Register = false;
  bool Unregister = false;
  bool Registered = false;
  bool HasProxy = false;
  std::string Proxy;
  bool HasProxyPort = false;
  std::string ProxyPort;
  bool Debug = false;
  bool Help = false;
  bool UpdateAvailable = false;
};

// The three instances, all-false and all-empty when the library is loaded and never reset:
// the start dialog's (written by ParseParameters, edited by the configuration dialog),
// the update-choice dialog's, and the download window's copy of the latest transfer.
extern TwupOptions wupStartOptions;
extern TwupOptions wupUpdateChooseOptions;
extern TwupOptions wupHTTPOptions;

// The lines of the last ParseParameters call, one per recognised option, each ending "\n".
extern std::string ParameterList;

// Fills wupStartOptions from text and then from the host command line, runs
// LoadProxySettings and, when Debug is set, shows ParameterList ("Parameter List").
// Parsing only sets fields, it never clears one.
void ParseParameters(const std::string& text);

}  // namespace vx
