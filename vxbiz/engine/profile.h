#pragma once
// Mail profiles: one per *.prf file, section [profile].
#include <string>

namespace vx {

struct TProfile {
  std::string Directory;  // where the editor saves profiles: the program's folder, with "/"
  std::string ProfileName;
  std::string Sender;
  std::string RecipientField;
  std::string Template;
  std::string Subject;
  std::string Delim;  // empty means TAB
};

// The folder of the running program with a trailing "/".
std::string ProgramDir();

// The text after the last "/" without its last four characters (empty when four or fewer).
std::string ProfileNameFromFileName(const std::string& fileName);

// Reads the five keys (missing ones give empty fields) and the name; Directory stays. Never fails.
bool ReadProfile(const std::string& fileName, TProfile& profile);

// Writes Directory + ProfileName + ".prf"; false when Directory or ProfileName is empty
// or a key cannot be written (the keys after it are not attempted).
bool WriteProfile(const TProfile& profile);

// The editor's save: WriteProfile, and on failure the message "Profil konnte nicht
// gespeichert werden!" / "Fehler" with the exclamation icon.
void SaveProfile(const TProfile& profile);

}  // namespace vx
