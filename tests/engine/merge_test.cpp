#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "tests/support/sandbox.h"
#include "vxbiz/engine/merge.h"
#include "vxbiz/engine/run_error.h"

namespace {

vx::RecipientTable TableOf(const std::vector<std::vector<std::string>>& rows) {
  vx::RecipientTable table;
  table.Clear();
  for (const auto& row : rows) {
    table.BeginRow();
    for (const auto& cell : row) table.AddCell(cell);
  }
  return table;
}

struct MergeCase {
  std::string line, merged;
};

std::string MergeOneLine(vxtest::Sandbox& sandbox, const vx::RecipientTable& table, const std::string& line) {
  const auto lines = vx::MergeTemplate(sandbox.Write("template.txt", line + "\n"), table, 1);
  EXPECT_EQ(lines.size(), 1u) << line;
  return lines.empty() ? "" : lines[0];
}

TEST(MergeTemplate, ReplacesPlaceholdersFromTheRow) {
  // Header cells in Windows-1252 and UTF-8: "Straße" and "Empfänger".
  const auto table = TableOf({{"Anrede", "Name", "Email", "EMAIL", "Stra\xdf" "e", "Empfänger"},
                              {"Frau", "Meier", "links@x", "rechts@x", "Hauptweg 1", "Anna"}});
  const std::string tail(1200, 'z');
  const std::vector<MergeCase> cases = {
      {"Sehr geehrte {Anrede} {name},", "Sehr geehrte Frau Meier,"},
      {"Eine Zeile ohne Platzhalter.", "Eine Zeile ohne Platzhalter."},
      {"{NAME}/{name}/{Name}", "Meier/Meier/Meier"},
      {"[{ Name }]", "[]"},
      {"Fax: {Fax} Ende", "Fax:  Ende"},
      {"<{}>", "<>"},
      {"{email}", "rechts@x"},
      {"{{Name}}", "}"},
      {"nur } ohne Klammer auf", "nur } ohne Klammer auf"},
      {"a}b{Name}c", "a}bMeierc"},
      {"{STRASSE}/{STRAẞE}/{straße}", "/Hauptweg 1/Hauptweg 1"},
      {"{EMPFÄNGER}", "Anna"},
      {"offen {Name", "offen {Name"},
      {"{Name} und {Anrede", "Meier und {Anrede"},
      {"{Name}" + tail, "Meier" + tail.substr(0, 999)},
  };
  vxtest::Sandbox sandbox;
  for (const auto& test : cases) EXPECT_EQ(MergeOneLine(sandbox, table, test.line), test.merged) << test.line;
}

TEST(MergeTemplate, EmptyBracesTakeTheRightmostColumnWithoutHeader) {
  vxtest::Sandbox sandbox;
  const auto table = TableOf({{"Name", "", "Ort"}, {"Meier", "mitte", "Bonn", "jenseits"}});
  EXPECT_EQ(MergeOneLine(sandbox, table, "<{}>"), "<jenseits>");
}

TEST(MergeTemplate, EveryLineEndsWhateverTheValuesBringIn) {
  vxtest::Sandbox sandbox;
  const auto started = std::chrono::steady_clock::now();
  // A value holding its own placeholder: stopped after 10,000 replacements.
  const auto growing = TableOf({{"Name"}, {"x{Name}"}});
  EXPECT_EQ(MergeOneLine(sandbox, growing, "{Name}"), std::string(10000, 'x') + "{Name}");
  // Two copies of its own placeholder: the 999 characters kept after a placeholder hold the
  // line at 1011 characters of copies until the bound stops it.
  const auto doubling = TableOf({{"Name"}, {"{Name}{Name}"}});
  std::string copies;
  while (copies.size() < 1011) copies += "{Name}";
  EXPECT_EQ(MergeOneLine(sandbox, doubling, "{Name}!"), copies.substr(0, 1011));
  // A value that brings in a "{" without a "}" after it: left as it is.
  const auto opening = TableOf({{"Name"}, {"{offen"}});
  EXPECT_EQ(MergeOneLine(sandbox, opening, "{Name} Ende"), "{offen Ende");
  // A value that brings in a "}" before the next "{": ordinary text.
  const auto closing = TableOf({{"Name", "Ort"}, {"}{Ort}", "Bonn"}});
  EXPECT_EQ(MergeOneLine(sandbox, closing, "{Name}"), "}Bonn");
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
}

TEST(MergeTemplate, ReadsTheTemplateAnewAsLines) {
  vxtest::Sandbox sandbox;
  const auto table = TableOf({{"Name"}, {"Meier"}, {"Schulz"}});
  const std::string path = sandbox.Write("template.txt", std::string("A {Name}\r\nB\nC\r\rD\0 hidden\n", 22));
  EXPECT_EQ(vx::MergeTemplate(path, table, 1), (std::vector<std::string>{"A Meier", "B", "C", "", "D"}));
  sandbox.Write("template.txt", "Neu {Name}");
  EXPECT_EQ(vx::MergeTemplate(path, table, 2), (std::vector<std::string>{"Neu Schulz"}));
  sandbox.Write("template.txt", "");
  EXPECT_TRUE(vx::MergeTemplate(path, table, 1).empty());
}

TEST(MergeTemplate, ATemplateThatCannotBeOpenedStopsWithRunError) {
  vxtest::Sandbox sandbox;
  const auto table = TableOf({{"Name"}, {"Meier"}});
  const std::string path = sandbox.Path("missing.txt");
  try {
    vx::MergeTemplate(path, table, 1);
    ADD_FAILURE() << "no RunError";
  } catch (const vx::RunError& error) {
    EXPECT_EQ(std::string(error.what()), "Datei " + path + " kann nicht geöffnet werden");
  }
}

TEST(FieldValue, TheRightmostMatchingColumnWinsAndUnknownNamesAreEmpty) {
  const auto table = TableOf({{"email", "Name", "Email"}, {"a@x", "Meier", "b@x"}});
  EXPECT_EQ(vx::FieldValue(table, "EMail", 1), "b@x");
  EXPECT_EQ(vx::FieldValue(table, "Fax", 1), "");
  EXPECT_EQ(vx::FieldValue(table, "Name", 5), "");
}

}  // namespace
