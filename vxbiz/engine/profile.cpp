#include "vxbiz/engine/profile.h"

#include "platform/files.h"
#include "platform/private_profile.h"
#include "vxbiz/engine/messages.h"

namespace vx {
namespace {
constexpr const char* kSection = "profile";
}

std::string ProgramDir() { return FolderOf(ExecutablePath()); }

std::string ProfileNameFromFileName(const std::string& fileName) {
  const std::string last = BaseNameOf(fileName);
  return last.size() <= 4 ? std::string() : last.substr(0, last.size() - 4);
}

bool ReadProfile(const std::string& fileName, TProfile& profile) {
  profile.Template = GetPrivateProfileString(kSection, "Template", "", fileName);
  profile.Sender = GetPrivateProfileString(kSection, "Sender", "", fileName);
  profile.RecipientField = GetPrivateProfileString(kSection, "RecipientField", "", fileName);
  profile.Subject = GetPrivateProfileString(kSection, "Subject", "", fileName);
  profile.Delim = GetPrivateProfileString(kSection, "Delim", "", fileName);
  profile.ProfileName = ProfileNameFromFileName(fileName);
  return true;
}

bool WriteProfile(const TProfile& profile) {
  if (profile.Directory.empty() || profile.ProfileName.empty()) return false;
  const std::string file = profile.Directory + profile.ProfileName + ".prf";
  return WritePrivateProfileString(kSection, "Template", profile.Template, file) &&
         WritePrivateProfileString(kSection, "Sender", profile.Sender, file) &&
         WritePrivateProfileString(kSection, "RecipientField", profile.RecipientField, file) &&
         WritePrivateProfileString(kSection, "Subject", profile.Subject, file) &&
         WritePrivateProfileString(kSection, "Delim", profile.Delim, file);
}

void SaveProfile(const TProfile& profile) {
  if (!WriteProfile(profile))
    ShowMessage("Profil konnte nicht gespeichert werden!", "Fehler", MessageStyle::Exclamation);
}

}  // namespace vx
