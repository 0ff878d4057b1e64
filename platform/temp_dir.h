#pragma once
// The folder for temporary files: the variable "temp" in any letter case, else $TMPDIR,
// else "/tmp". An empty value counts as missing, so a target never lands in "/".
#include <string>

namespace vx {

// The folder as the environment gives it, without any separator added or removed.
std::string TempFolder();

// TempFolder() + "/" + fileName. A folder that already ends with "/" gives "//", which the
// file system accepts.
std::string TempFilePath(const std::string& fileName);

}  // namespace vx
