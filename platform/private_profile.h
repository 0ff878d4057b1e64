#pragma once
// Private-profile (INI) files with the semantics of the Windows functions the settings
// and profiles were designed for:
// - section and key names match without regard to case; blanks around names and values
//   are ignored; a value in matching quotation marks is read without them;
// - a read returns at most 2047 characters, and the default when the file, the section
//   or the key is missing; the first matching section and key win;
// - a write creates the file and the section where missing, replaces an existing value
//   in place and keeps every other line (comments included); the file is replaced
//   atomically, and a write that cannot be made returns false and changes nothing.
// A file name without a "/" resolves to the shared settings directory, as a bare name
// resolves to the Windows directory; "./name" resolves against the current directory.
#include <string>

namespace vx {

constexpr size_t kProfileValueMax = 2047;

std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& fileName);

bool WritePrivateProfileString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& fileName);

// The folder that stands for the Windows directory, with a trailing "/":
// $VXBIZ_SHARED_DIR if set, else $XDG_CONFIG_HOME/vxbiz/ (default ~/.config/vxbiz/).
std::string SharedSettingsDir();

// Where a private-profile file name refers to (see above).
std::string ResolveProfilePath(const std::string& fileName);

}  // namespace vx
