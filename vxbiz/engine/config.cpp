#include "vxbiz/engine/config.h"

#include <charconv>

#include "platform/files.h"
#include "platform/private_profile.h"
#include "vxbiz/engine/messages.h"

namespace vx {
namespace {
constexpr const char* kSection = "config";
}

bool ParseShowProfileOnLoad(const std::string& text) {
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const char* first = text.data() + (hex ? 2 : 0);
  const char* last = text.data() + text.size();
  long long value = 0;
  const auto [end, error] = std::from_chars(first, last, value, hex ? 16 : 10);
  if (error != std::errc() || end != last || first == last) return true;
  return value != 0;
}

void LoadStartupSettings(TConfig& config) {
  config.DataFile.clear();
  config.NetExecAvailable = FileExists(kLocalSettingsFile);
  ReadSettings(config.NetExecAvailable ? kLocalSettingsFile : kSharedSettingsFile, config);
}

bool ReadSettings(const std::string& fileName, TConfig& config) {
  config.SMTP = GetPrivateProfileString(kSection, "SMTP", "", fileName);
  config.BlatPath = GetPrivateProfileString(kSection, "BlatPath", "", fileName);
  config.TempDir = GetPrivateProfileString(kSection, "TempDir", "", fileName);
  config.DefaultProfile = GetPrivateProfileString(kSection, "DefaultProfile", "", fileName);
  config.ShowProfileOnLoad =
      ParseShowProfileOnLoad(GetPrivateProfileString(kSection, "ShowProfileOnLoad", "", fileName));
  return true;
}

bool WriteSettings(const std::string& fileName, const TConfig& config) {
  return WritePrivateProfileString(kSection, "SMTP", config.SMTP, fileName) &&
         WritePrivateProfileString(kSection, "BlatPath", config.BlatPath, fileName) &&
         WritePrivateProfileString(kSection, "TempDir", config.TempDir, fileName) &&
         WritePrivateProfileString(kSection, "DefaultProfile", config.DefaultProfile, fileName) &&
         WritePrivateProfileString(kSection, "ShowProfileOnLoad",
                                   config.ShowProfileOnLoad ? "1" : "0", fileName);
}

void SaveSettings(const TConfig& config) {
  const char* file = config.NetExecAvailable ? kLocalSettingsFile : kSharedSettingsFile;
  if (!WriteSettings(file, config)) {
    ShowMessage("Einstellungen konnten nicht gespeichert werden!", "Fehler", MessageStyle::None);
    return;
  }
  if (!config.NetExecAvailable && FileExists(kLocalSettingsFile)) RemoveFile(kLocalSettingsFile);
}

}  // namespace vx
