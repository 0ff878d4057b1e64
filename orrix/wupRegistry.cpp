#include "orrix/wupRegistry.h"

#include "orrix/wupConstants.h"
#include "orrix/wupOptions.h"
#include "platform/host_args.h"
#include "platform/qt/message_box.h"
#include "platform/registry.h"

namespace vx {
namespace {
constexpr const char* kExec = "Exec";
constexpr const char* kProxyServer = "ORRIX_ProxyServer";
constexpr const char* kProxyPort = "ORRIX_ProxyPort";

void ReportError(const char* text) { ShowMessageBox(text, "Error", MessageStyle::None); }

// Writes the value when the flag is set, else deletes it where it exists.
void SaveOrDelete(RegistryKey& key, const char* name, bool set, const std::string& value) {
  if (set) {
    key.WriteString(name, value);
  } else if (key.ValueExists(name)) {
    key.DeleteValue(name);
  }
}
}  // namespace

void RegisterUpdater() {
  RegistryKey key;
  if (!key.OpenKey(kRegistryKey, true)) {
    ReportError("WebUpdate could not be registered!\nError: 0x01");
    return;
  }
  if (!key.WriteString(kExec, ParamStr(0))) ReportError("WebUpdate could not be registered!\nError: 0x02");
  key.CloseKey();
}

void UnregisterUpdater() {
  RegistryKey key;
  if (!key.OpenKey(kRegistryKey, false)) {
    ReportError("WebUpdate could not be unregistered!\nError: 0x01");
    return;
  }
  if (key.ValueExists(kExec) && !key.DeleteValue(kExec)) {
    ReportError("WebUpdate could not be unregistered!\nError: 0x02");
  }
  key.CloseKey();
}

void LoadProxySettings() {
  TwupOptions& options = wupStartOptions;
  if (options.HasProxy && options.HasProxyPort) return;
  RegistryKey key;
  if (!key.OpenKey(kRegistryKey, false)) return;
  if (key.ValueExists(kProxyServer)) {
    options.HasProxy = true;
    options.Proxy = key.ReadString(kProxyServer);
  }
  if (key.ValueExists(kProxyPort)) {
    options.HasProxyPort = true;
    options.ProxyPort = key.ReadString(kProxyPort);
  }
  key.CloseKey();
}

void SaveProxySettings() {
  const TwupOptions& options = wupStartOptions;
  RegistryKey key;
  if (!key.OpenKey(kRegistryKey, false)) return;
  SaveOrDelete(key, kProxyServer, options.HasProxy, options.Proxy);
  SaveOrDelete(key, kProxyPort, options.HasProxyPort, options.ProxyPort);
  key.CloseKey();
}

}  // namespace vx
