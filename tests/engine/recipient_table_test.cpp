#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/support/sandbox.h"
#include "vxbiz/engine/recipient_table.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

struct LoadCase {
  const char* name;
  std::string delim;
  std::string file;
  Rows rows;  // the expected cells; RowCount and ColCount follow from them (at least 2 and 1)
};

std::string Repeat(char c, size_t n) { return std::string(n, c); }

void ExpectTable(const vx::RecipientTable& table, const Rows& rows, const std::string& label) {
  size_t cols = 1;
  for (const auto& row : rows) cols = std::max(cols, row.size());
  EXPECT_EQ(table.RowCount(), std::max<size_t>(2, rows.size())) << label;
  EXPECT_EQ(table.ColCount(), cols) << label;
  for (size_t r = 0; r < table.RowCount() + 1; ++r)
    for (size_t c = 0; c < table.ColCount() + 1; ++c) {
      const std::string expected = r < rows.size() && c < rows[r].size() ? rows[r][c] : "";
      EXPECT_EQ(table.Cell(c, r), expected) << label << " cell (" << c << ", " << r << ")";
    }
}

TEST(LoadDataFile, CutsFilesIntoRowsAndCells) {
  const std::vector<LoadCase> cases = {
      {"worked examples", ";",
       "Name;Vorname;Ort\nMeier;Anna;Bonn\nMeier;Anna;\n;Anna;Bonn\nMeier\nab\na\nMeier,Anna\nMeier;Anna;Bonn",
       {{"Name", "Vorname", "Ort"}, {"Meier", "Anna", "Bonn"}, {"Meier", "Anna"}, {"", "Anna", "Bonn"},
        {"Meier"}, {"ab"}, {"Meier,Anna"}, {"Meier", "Anna", "Bonn"}}},
      {"CR LF line ends as LF", ";", "Name;Vorname;Ort\r\nMeier;Anna;\r\n\r\n;Anna;Bonn\r\nab\r\n",
       {{"Name", "Vorname", "Ort"}, {"Meier", "Anna"}, {"", "Anna", "Bonn"}, {"ab"}}},
      {"empty Delim means TAB", "", "Meier\tAnna\nMeier;Anna\n", {{"Meier", "Anna"}, {"Meier;Anna"}}},
      {"two-character Delim never matches", ";;", "Meier;Anna\nA;;B\n", {{"Meier;Anna"}, {"A;;B"}}},
      {"blanks and quotation marks are cell text", ";", " \"Meier\" ; Anna\n", {{" \"Meier\" ", " Anna"}}},
      {"two delimiters in a row give an empty cell", ";", "Meier;;Bonn\n;;x\nx;;\n",
       {{"Meier", "", "Bonn"}, {"", "", "x"}, {"x", ""}}},
      {"a data line longer than the header", ";", "Name;Email\nA;a@x\nB;b@x;extra\n",
       {{"Name", "Email"}, {"A", "a@x"}, {"B", "b@x", "extra"}}},
      {"empty file", ";", "", {}},
      {"only lines under 3 characters", ";", "a\n\nb\n\r\nxy", {}},
      {"empty lines take no row", ";", "Name\n\nA1\n\n\nA2\n", {{"Name"}, {"A1"}, {"A2"}}},
      {"a 2000-character line gives two rows", ";", Repeat('x', 2000) + "\nNext\n",
       {{Repeat('x', 1023)}, {Repeat('x', 977)}, {"Next"}}},
      {"a line of exactly 1023 characters is read whole", ";", Repeat('y', 1023) + "\nNext\n",
       {{Repeat('y', 1023)}, {"Next"}}},
      {"carriage returns do not count toward 1023", ";", Repeat('z', 1022) + "\r\nNext\r\n",
       {{Repeat('z', 1022)}, {"Next"}}},
      {"a cut piece splits its cells where it is cut", ";", Repeat('a', 1020) + ";bc;de\n",
       {{Repeat('a', 1020), "bc"}, {"", "de"}}},
      {"Ctrl-Z ends the file", ";", "A;B\nC;D\x1a" "E;F\nG;H\n", {{"A", "B"}, {"C", "D"}}},
      {"a NUL ends its piece", ";", std::string("Meier\0xyz;Q\nab\0cdef\nNext\n", 27), {{"Meier"}, {"Next"}}},
      {"a NUL-shortened piece loses its line feed", ";", std::string("abc\0\n;\n", 7), {{"abc"}}},
      {"a short last line without line feed", ";", "Name\nab", {{"Name"}}},
  };
  vxtest::Sandbox sandbox;
  for (const auto& test : cases) {
    vxtest::MessageRecorder messages;
    vx::TProfile profile;
    profile.Delim = test.delim;
    vx::TConfig config;
    vx::RecipientTable table;
    const std::string path = sandbox.Write("data.txt", test.file);
    EXPECT_TRUE(vx::LoadDataFile(path, profile, config, table)) << test.name;
    EXPECT_EQ(config.DataFile, path) << test.name;
    EXPECT_TRUE(messages.messages.empty()) << test.name;
    ExpectTable(table, test.rows, test.name);
  }
}

// The text-mode rules read one character at a time, as a straightforward reader would.
Rows ReadCharByChar(const std::string& file) {
  Rows rows;
  std::string piece;
  auto take = [&] {
    piece = piece.substr(0, piece.find('\0'));
    if (piece.size() >= 3) {
      if (piece.back() == '\n') piece.pop_back();
      std::vector<std::string> cells{""};
      for (size_t i = 0; i < piece.size(); ++i) {
        if (piece[i] != ';') cells.back() += piece[i];
        else if (i + 1 < piece.size()) cells.emplace_back();
      }
      rows.push_back(cells);
    }
    piece.clear();
  };
  for (const char c : file) {
    if (c == 26) break;
    if (c == '\r') continue;
    piece += c;
    if (c == '\n' || piece.size() == 1023) take();
  }
  if (!piece.empty()) take();
  return rows;
}

TEST(LoadDataFile, LargeFilesReadInBlocksGiveTheSameRowsAsCharacterReading) {
  vxtest::Sandbox sandbox;
  std::mt19937 random(42);
  const std::string alphabet = "abcdefgh;;;\n\n\r";
  for (int round = 0; round < 4; ++round) {
    std::string file;
    while (file.size() < 700 * 1024) {
      const int kind = random() % 100;
      if (kind < 2) file += Repeat('L', 900 + random() % 1300);  // pieces that cross block ends
      else if (kind < 3) file += '\0';
      else if (round == 3 && kind < 4 && file.size() > 500 * 1024) file += '\x1a';
      else file += alphabet[random() % alphabet.size()];
    }
    vx::TProfile profile;
    profile.Delim = ";";
    vx::TConfig config;
    vx::RecipientTable table;
    ASSERT_TRUE(vx::LoadDataFile(sandbox.Write("big.txt", file), profile, config, table));
    const Rows expected = ReadCharByChar(file);
    ASSERT_EQ(table.RowCount(), std::max<size_t>(2, expected.size())) << "round " << round;
    for (size_t r = 0; r < expected.size(); ++r)
      for (size_t c = 0; c < table.ColCount(); ++c)
        ASSERT_EQ(table.Cell(c, r), c < expected[r].size() ? expected[r][c] : "")
            << "round " << round << " cell (" << c << ", " << r << ")";
  }
}

TEST(LoadDataFile, ANewLoadReplacesTheWholeTable) {
  vxtest::Sandbox sandbox;
  vx::TProfile profile;
  profile.Delim = ";";
  vx::TConfig config;
  vx::RecipientTable table;
  ASSERT_TRUE(vx::LoadDataFile(sandbox.Write("five.txt", "a;b;c;d;e\nf;g;h;i;j\nk;l;m;n;o\nq;r;s;t;u\n"),
                               profile, config, table));
  ASSERT_EQ(table.ColCount(), 5u);
  ASSERT_TRUE(vx::LoadDataFile(sandbox.Write("three.txt", "N;E;O\nxy\n"), profile, config, table));
  ExpectTable(table, {{"N", "E", "O"}, {"xy"}}, "after the second load");
  EXPECT_EQ(config.DataFile, sandbox.Path("three.txt"));
}

TEST(LoadDataFile, BeforeAnyLoadTheTableIsTwoByTwoAndEmpty) {
  vx::RecipientTable table;
  EXPECT_EQ(table.RowCount(), 2u);
  EXPECT_EQ(table.ColCount(), 2u);
  EXPECT_EQ(table.Cell(1, 1), "");
}

void ExpectOneErrorMessage(const vxtest::MessageRecorder& messages, const std::string& text) {
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].text, text);
  EXPECT_EQ(messages.messages[0].caption, "Fehler");
  EXPECT_EQ(messages.messages[0].style, vx::MessageStyle::Exclamation);
}

TEST(LoadDataFile, AFileThatCannotBeOpenedChangesNothing) {
  vxtest::Sandbox sandbox;
  vx::TProfile profile;
  profile.Delim = ";";
  vx::TConfig config;
  vx::RecipientTable table;
  const std::string loaded = sandbox.Write("data.txt", "Name;Email\nA;a@x\n");
  ASSERT_TRUE(vx::LoadDataFile(loaded, profile, config, table));
  for (const std::string& name : {sandbox.Path("missing.txt"), std::string()}) {
    vxtest::MessageRecorder messages;
    EXPECT_FALSE(vx::LoadDataFile(name, profile, config, table));
    ExpectOneErrorMessage(messages, "Fehler beim Öffnen der Datei!");
    EXPECT_EQ(config.DataFile, loaded);
    ExpectTable(table, {{"Name", "Email"}, {"A", "a@x"}}, "after a failed open of '" + name + "'");
  }
}

TEST(LoadDataFile, AReadErrorKeepsTheRowsReadAndTheFileName) {
  vxtest::Sandbox sandbox;
  vx::TProfile profile;
  vx::TConfig config;
  vx::RecipientTable table;
  ASSERT_TRUE(vx::LoadDataFile(sandbox.Write("data.txt", "A\tB\n"), profile, config, table));
  vxtest::MessageRecorder messages;
  // A folder opens for reading, but reading it fails.
  const std::string folder = sandbox.Folder("folder");
  EXPECT_TRUE(vx::LoadDataFile(folder, profile, config, table));
  ExpectOneErrorMessage(messages, "Fehler beim Lesen der Datei!");
  EXPECT_EQ(config.DataFile, folder);
  ExpectTable(table, {}, "after the read error");
}

}  // namespace
