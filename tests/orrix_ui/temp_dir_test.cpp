// The folder of temporary files: "temp" in any letter case, else $TMPDIR, else /tmp.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <optional>
#include <string>

#include "platform/temp_dir.h"

namespace {

// Sets exactly the given variables among those the lookup reads, for one case.
class TempEnvironment {
 public:
  explicit TempEnvironment(const std::map<std::string, std::string>& values) {
    for (const char* name : {"TEMP", "temp", "Temp", "tEmP", "TMPDIR"}) {
      const char* old = std::getenv(name);
      saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
      ::unsetenv(name);
    }
    for (const auto& [name, value] : values) ::setenv(name.c_str(), value.c_str(), 1);
  }
  ~TempEnvironment() {
    for (const auto& [name, value] : saved_) {
      if (value) ::setenv(name.c_str(), value->c_str(), 1);
      else ::unsetenv(name.c_str());
    }
  }

 private:
  std::map<std::string, std::optional<std::string>> saved_;
};

struct TempCase {
  std::map<std::string, std::string> env;
  std::string expectedPath;  // of "setup.sh"
};

TEST(TempDir, TargetFollowsTheEnvironment) {
  const TempCase cases[] = {
      {{{"TEMP", "/var/tmp/a"}}, "/var/tmp/a/setup.sh"},
      {{{"temp", "/var/tmp/lower"}, {"TMPDIR", "/ignored"}}, "/var/tmp/lower/setup.sh"},
      {{{"tEmP", "/var/tmp/mixed"}}, "/var/tmp/mixed/setup.sh"},
      // A value that ends with the separator gives two in a row, which the file system takes.
      {{{"TEMP", "/var/tmp/"}}, "/var/tmp//setup.sh"},
      {{{"TMPDIR", "/var/tmp/t"}}, "/var/tmp/t/setup.sh"},
      {{{"TEMP", ""}, {"TMPDIR", "/var/tmp/t"}}, "/var/tmp/t/setup.sh"},
      {{}, "/tmp/setup.sh"},
  };
  for (const TempCase& c : cases) {
    TempEnvironment environment(c.env);
    EXPECT_EQ(vx::TempFilePath("setup.sh"), c.expectedPath);
  }
}

}  // namespace
