#include "orrix/wupOnlineDatabase.h"

#include "platform/text.h"

namespace vx {

TOnlineDatabase OnlineDatabase;

void TOnlineDatabase::Load(const std::vector<std::string>& lines) {
  sections_.clear();
  for (const std::string& line : lines) {
    if (line.empty() || line.front() == ';') continue;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      sections_.push_back({line.substr(1, line.size() - 2), {}});
    } else if (!sections_.empty()) {
      sections_.back().lines.push_back(line);
    }
  }
}

const TOnlineDatabase::Section* TOnlineDatabase::Find(const std::string& name) const {
  for (const Section& section : sections_) {
    if (SameTextIgnoringCase(section.name, name)) return &section;
  }
  return nullptr;
}

std::string TOnlineDatabase::ReadString(const std::string& section, const std::string& key) const {
  const Section* found = Find(section);
  if (!found) return std::string();
  for (const std::string& line : found->lines) {
    const size_t eq = line.find('=');
    if (eq != std::string::npos && SameTextIgnoringCase(std::string_view(line).substr(0, eq), key)) {
      return line.substr(eq + 1);
    }
  }
  return std::string();
}

std::vector<std::string> TOnlineDatabase::ReadSection(const std::string& section) const {
  std::vector<std::string> names;
  if (const Section* found = Find(section)) {
    for (const std::string& line : found->lines) {
      const size_t eq = line.find('=');
      names.push_back(eq == std::string::npos ? std::string() : line.substr(0, eq));
    }
  }
  return names;
}

bool TOnlineDatabase::SectionExists(const std::string& section) const { return !ReadSection(section).empty(); }

}  // namespace vx
