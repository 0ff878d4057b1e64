#pragma once
// One update run's look at the update database: fetch it, find the calling program, compare
// its installed version with the published one, and fill the update-choice window's areas.
#include <string>

#include "orrix/wupOptions.h"

namespace vx {

class TwupUpdateChoose;

// The line prefix of a value in the "Info" area: four blanks, a middle dot, a blank.
extern const char* const BulletPrefix;

// Fetches the database from address (the download window is shown) and, on success, replaces
// OnlineDatabase with it. False when the fetch failed or was cancelled (already reported).
bool LoadOnlineDatabase(const std::string& address, const TwupOptions& options);

// Walks the program list: fills "Software Information", enables buUpdate and sets
// UpdateAvailable for the program ProgId, and outside check mode shows its version info.
// False when the run ends early (programs are listed but ProgId or Version is missing).
bool CheckPrograms(TwupOptions& options, TwupUpdateChoose& form);

// True when the two version texts differ (whole texts, letter case ignored); reports a
// missing version of progId first.
bool IsUpdateAvailable(const std::string& progId, const std::string& installed, const std::string& published);

// Fills the "Info" area from the program's section and "Details" from its DetailFile.
void ShowVersionInfo(const TwupOptions& options, TwupUpdateChoose& form);

}  // namespace vx
