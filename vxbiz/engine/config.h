#pragma once
// The application settings, kept in the section [config] of vxbiz.ini.
#include <string>

namespace vx {

inline constexpr const char* kSharedSettingsFile = "vxbiz.ini";   // resolves to the shared settings dir
inline constexpr const char* kLocalSettingsFile = "./vxbiz.ini";  // the current directory

struct TConfig {
  std::string SMTP;
  std::string BlatPath;
  std::string TempDir;
  std::string DefaultProfile;
  bool ShowProfileOnLoad = true;
  bool NetExecAvailable = false;  // run time only: the settings live in ./vxbiz.ini
  std::string DataFile;           // run time only: the data file opened last
};

// Empties DataFile and reads ./vxbiz.ini when it exists, else the shared vxbiz.ini.
void LoadStartupSettings(TConfig& config);

// Reads the five keys; missing ones give empty texts and ShowProfileOnLoad true. Never fails.
bool ReadSettings(const std::string& fileName, TConfig& config);

// Writes the five keys in order; false as soon as one cannot be written.
bool WriteSettings(const std::string& fileName, const TConfig& config);

// Writes to the file NetExecAvailable chooses, reports a failed write, and after a
// successful shared write removes ./vxbiz.ini.
void SaveSettings(const TConfig& config);

// "0x"/"0X" followed by hex digits, else a decimal integer; anything else is true.
bool ParseShowProfileOnLoad(const std::string& text);

}  // namespace vx
