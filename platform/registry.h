#pragma once
// A file-backed stand-in for the registry under HKEY_LOCAL_MACHINE. The root folder is
// $ORRIX_REGISTRY_DIR, else $XDG_CONFIG_HOME/orrix/registry/ (default ~/.config/orrix/registry/).
// Each key path ("software\Tavrik\ORRIX") is one file in the root; key paths and value names
// match without regard to case. Values are strings and round-trip any bytes.
#include <string>
#include <vector>

namespace vx {

// The root folder with a trailing "/".
std::string RegistryRoot();

class RegistryKey {
 public:
  // Opens the key path; with canCreate a missing key is created (its file written at once).
  // Without it, a key whose file does not exist fails to open. Returns whether the key is open.
  bool OpenKey(const std::string& keyPath, bool canCreate);
  bool IsOpen() const { return !file_.empty(); }
  void CloseKey();

  bool ValueExists(const std::string& name) const;
  // The value's text; empty when the value does not exist.
  std::string ReadString(const std::string& name) const;
  // Sets the value (replacing one of the same name); false when the key file cannot be written.
  bool WriteString(const std::string& name, const std::string& value);
  // Removes the value; false when it does not exist or the key file cannot be written.
  bool DeleteValue(const std::string& name);

 private:
  struct Value {
    std::string name, text;
  };
  // Index of the value with that name (case ignored); values_.size() when there is none.
  size_t IndexOf(const std::string& name) const;
  bool Save() const;

  std::string file_;
  std::vector<Value> values_;
};

}  // namespace vx
