#include "platform/registry.h"

#include <cstdlib>
#include <filesystem>

#include "platform/files.h"
#include "platform/text.h"

namespace vx {
namespace {

constexpr const char* kSuffix = ".key";

// Bytes that would break the one-line-per-value file format are written as %XX.
bool NeedsEscape(unsigned char c) { return c < 0x20 || c == '%' || c == '=' || c == '/' || c == 0x7F; }

std::string Escape(const std::string& text) {
  static const char* hex = "0123456789ABCDEF";
  std::string out;
  for (const unsigned char c : text) {
    if (NeedsEscape(c)) {
      out += '%';
      out += hex[c >> 4];
      out += hex[c & 15];
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::string Unescape(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 && HexDigit(text[i + 2]) >= 0) {
      out += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

// "\software\Tavrik\" and "software\Tavrik" name the same key.
std::string NormalKeyPath(const std::string& keyPath) {
  const size_t first = keyPath.find_first_not_of('\\');
  if (first == std::string::npos) return std::string();
  const size_t last = keyPath.find_last_not_of('\\');
  return keyPath.substr(first, last - first + 1);
}

// The existing file of the key, found without regard to case; empty when there is none.
std::string FindKeyFile(const std::string& root, const std::string& keyPath) {
  std::error_code ec;
  for (std::filesystem::directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.size() <= std::string(kSuffix).size() || !name.ends_with(kSuffix)) continue;
    const std::string stored = Unescape(name.substr(0, name.size() - std::string(kSuffix).size()));
    if (SameTextIgnoringCase(stored, keyPath) && FileExists(it->path().string())) return it->path().string();
  }
  return std::string();
}

}  // namespace

std::string RegistryRoot() { return ConfigFolder("ORRIX_REGISTRY_DIR", "orrix/registry"); }

bool RegistryKey::OpenKey(const std::string& keyPath, bool canCreate) {
  CloseKey();
  const std::string path = NormalKeyPath(keyPath);
  if (path.empty()) return false;
  const std::string root = RegistryRoot();
  std::string file = FindKeyFile(root, path);
  if (file.empty()) {
    if (!canCreate || !MakeFolders(root)) return false;
    file = root + Escape(path) + kSuffix;
    if (!WriteFileAtomically(file, std::string())) return false;
  }
  const auto bytes = ReadWholeFile(file);
  if (!bytes) return false;
  size_t start = 0;
  while (start < bytes->size()) {
    size_t end = bytes->find('\n', start);
    if (end == std::string::npos) end = bytes->size();
    const std::string_view line(bytes->data() + start, end - start);
    if (const size_t eq = line.find('='); eq != std::string_view::npos) {
      values_.push_back({Unescape(line.substr(0, eq)), Unescape(line.substr(eq + 1))});
    }
    start = end + 1;
  }
  file_ = file;
  return true;
}

void RegistryKey::CloseKey() {
  file_.clear();
  values_.clear();
}

size_t RegistryKey::IndexOf(const std::string& name) const {
  size_t i = 0;
  while (i < values_.size() && !SameTextIgnoringCase(values_[i].name, name)) ++i;
  return i;
}

bool RegistryKey::ValueExists(const std::string& name) const { return IndexOf(name) < values_.size(); }

std::string RegistryKey::ReadString(const std::string& name) const {
  const size_t i = IndexOf(name);
  return i < values_.size() ? values_[i].text : std::string();
}

bool RegistryKey::WriteString(const std::string& name, const std::string& value) {
  if (!IsOpen()) return false;
  std::vector<Value> before = values_;
  if (const size_t i = IndexOf(name); i < values_.size()) {
    values_[i].text = value;
  } else {
    values_.push_back({name, value});
  }
  if (Save()) return true;
  values_ = std::move(before);
  return false;
}

bool RegistryKey::DeleteValue(const std::string& name) {
  const size_t i = IndexOf(name);
  if (i >= values_.size()) return false;
  std::vector<Value> before = values_;
  values_.erase(values_.begin() + static_cast<std::ptrdiff_t>(i));
  if (Save()) return true;
  values_ = std::move(before);
  return false;
}

bool RegistryKey::Save() const {
  std::string bytes;
  for (const auto& value : values_) bytes += Escape(value.name) + "=" + Escape(value.text) + "\n";
  return WriteFileAtomically(file_, bytes);
}

}  // namespace vx
