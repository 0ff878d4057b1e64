#pragma once
// The update database as the server publishes it, held in memory as an INI document:
// sections with verbatim names, each an ordered list of raw lines. Lookups ignore letter
// case; "=" splits a line with the blanks around it belonging to name and value.
#include <string>
#include <vector>

namespace vx {

class TOnlineDatabase {
 public:
  // Replaces the whole content by the lines: empty lines and lines starting with ";" are
  // skipped, "[name]" opens a section, every other line belongs to the section opened last
  // (lines before the first section are dropped).
  void Load(const std::vector<std::string>& lines);

  // The rest of the first line of the first section named so whose text before its first "="
  // is the key; empty when the section or the key is missing.
  std::string ReadString(const std::string& section, const std::string& key) const;
  // The text before the first "=" of every line of the section, in file order (a line
  // without "=" gives an empty name); empty when the section is missing.
  std::vector<std::string> ReadSection(const std::string& section) const;
  // True when the section has at least one line.
  bool SectionExists(const std::string& section) const;

 private:
  struct Section {
    std::string name;
    std::vector<std::string> lines;
  };
  const Section* Find(const std::string& name) const;

  std::vector<Section> sections_;
};

// The library's one database, empty when the library is loaded.
extern TOnlineDatabase OnlineDatabase;

}  // namespace vx
