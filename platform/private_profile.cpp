#include "platform/private_profile.h"

#include <unistd.h>

#include <cstdlib>
#include <string_view>
#include <vector>

#include "platform/files.h"
#include "platform/text.h"

namespace vx {
namespace {

std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(" \t");
  return s.substr(first, last - first + 1);
}

// One line of an INI text without its line end, classified once.
struct IniLine {
  enum Kind { Other, Section, Key } kind = Other;
  std::string_view name;   // section or key name, trimmed
  std::string_view value;  // key value, trimmed
};

IniLine Classify(std::string_view line) {
  const std::string_view t = Trim(line);
  if (t.empty() || t.front() == ';' || t.front() == '#') return {};
  if (t.front() == '[') {
    const auto close = t.find(']');
    const auto inner = t.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1);
    return {IniLine::Section, Trim(inner), {}};
  }
  const auto eq = t.find('=');
  if (eq == std::string_view::npos) return {};
  return {IniLine::Key, Trim(t.substr(0, eq)), Trim(t.substr(eq + 1))};
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < text.size()) {
    auto end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    auto line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

bool HasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

}  // namespace

std::string SharedSettingsDir() { return ConfigFolder("VXBIZ_SHARED_DIR", "vxbiz"); }

std::string ResolveProfilePath(const std::string& fileName) {
  return fileName.find('/') == std::string::npos ? SharedSettingsDir() + fileName : fileName;
}

std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& fileName) {
  const auto text = ReadWholeFile(ResolveProfilePath(fileName));
  std::string_view value = defaultValue;
  bool found = false;
  if (text) {
    bool inSection = false, sectionSeen = false;
    for (const auto raw : SplitLines(*text)) {
      const IniLine line = Classify(raw);
      if (line.kind == IniLine::Section) {
        if (sectionSeen && inSection) break;  // only the first matching section counts
        inSection = SameTextIgnoringCase(line.name, section);
        sectionSeen = sectionSeen || inSection;
      } else if (line.kind == IniLine::Key && inSection && SameTextIgnoringCase(line.name, key)) {
        value = line.value;
        found = true;
        break;
      }
    }
  }
  if (found && value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return std::string(value.substr(0, kProfileValueMax));
}

bool WritePrivateProfileString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& fileName) {
  // A line break would split the entry and corrupt the file; such a write cannot be made.
  if (section.empty() || key.empty() || HasLineBreak(section) || HasLineBreak(key) ||
      HasLineBreak(value) || key.find('=') != std::string::npos) {
    return false;
  }
  const std::string path = ResolveProfilePath(fileName);
  if (fileName.find('/') == std::string::npos && !MakeFolders(SharedSettingsDir())) return false;

  const auto old = ReadWholeFile(path);
  // Present but unreadable or read-only: leave it alone rather than replace it.
  if (FileExists(path) && (!old || ::access(path.c_str(), W_OK) != 0)) return false;
  const std::string text = old.value_or("");
  const std::string eol = text.find("\r\n") != std::string::npos ? "\r\n" : "\n";
  const auto lines = SplitLines(text);
  // Blanks around a value and enclosing quotation marks are dropped on reading; quoting such
  // a value keeps it as typed (a blank as delimiter, say).
  const bool needsQuotes = Trim(value).size() != value.size() ||
                           (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                            value.back() == value.front());
  const std::string entry = key + "=" + (needsQuotes ? "\"" + value + "\"" : value);

  // Find the first matching section, the key in it, and the last non-blank line of it.
  long sectionAt = -1, keyAt = -1, lastInSection = -1;
  for (size_t i = 0; i < lines.size(); ++i) {
    const IniLine line = Classify(lines[i]);
    if (line.kind == IniLine::Section) {
      if (sectionAt >= 0) break;
      if (SameTextIgnoringCase(line.name, section)) sectionAt = lastInSection = static_cast<long>(i);
    } else if (sectionAt >= 0) {
      if (!Trim(lines[i]).empty()) lastInSection = static_cast<long>(i);
      if (line.kind == IniLine::Key && SameTextIgnoringCase(line.name, key)) {
        keyAt = static_cast<long>(i);
        break;
      }
    }
  }

  std::vector<std::string> out(lines.begin(), lines.end());
  if (keyAt >= 0) {
    out[static_cast<size_t>(keyAt)] = entry;
  } else if (sectionAt >= 0) {
    out.insert(out.begin() + lastInSection + 1, entry);
  } else {
    out.push_back("[" + section + "]");
    out.push_back(entry);
  }
  std::string result;
  for (const auto& line : out) result += line + eol;
  return WriteFileAtomically(path, result);
}

}  // namespace vx
