#pragma once
// Constants shared by every window of the updater.
#include <string>

namespace vx {

inline constexpr const char* kUpdaterTitle = "Tavrik - Web-Updater";
inline constexpr const char* kUpdaterVersion = "1.1";
inline constexpr const char* kProgramListSection = "ORRIX_PROGS";
// Registry key under HKEY_LOCAL_MACHINE (the file-backed store of platform/registry.h).
inline constexpr const char* kRegistryKey = "software\\Tavrik\\ORRIX";
inline constexpr const char* kSupportAddress = "support@vxbiz.example";

// The update server's base URL, ending with "/": $ORRIX_UPDATE_URL when set (a staging
// server, or a test's local server), else http://update.vxbiz.example/.
std::string UpdateServerBaseUrl();

// The update database: the base URL followed by "_softupdate_/updinfo.ini".
std::string OnlineDatabaseAddress();

}  // namespace vx
