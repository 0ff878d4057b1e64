#pragma once
// The updater's registry key ("software\Tavrik\ORRIX"): the host's Exec value and the
// proxy settings, all working on the start dialog's options (wupStartOptions).
namespace vx {

// Writes Exec (the host's executable path), creating the key; reports failures itself.
void RegisterUpdater();
// Deletes Exec from an existing key; reports failures itself.
void UnregisterUpdater();
// Takes ORRIX_ProxyServer / ORRIX_ProxyPort unless both proxy fields are already set; silent.
void LoadProxySettings();
// Writes or deletes the two proxy values in an existing key; silent.
void SaveProxySettings();

}  // namespace vx
