#include "platform/temp_dir.h"

#include <strings.h>

#include <cstdlib>
#include <cstring>

extern char** environ;

namespace vx {
namespace {

// The value of the first environment variable named "temp" in any letter case.
const char* TempVariable() {
  for (char** entry = environ; entry && *entry; ++entry) {
    if (::strncasecmp(*entry, "temp=", 5) == 0) return *entry + 5;
  }
  return nullptr;
}

}  // namespace

std::string TempFolder() {
  if (const char* temp = TempVariable(); temp && *temp) return temp;
  if (const char* tmpdir = std::getenv("TMPDIR"); tmpdir && *tmpdir) return tmpdir;
  return "/tmp";
}

std::string TempFilePath(const std::string& fileName) { return TempFolder() + "/" + fileName; }

}  // namespace vx
