// engine_load_bench generate FILE ROWS  — writes a data file of ROWS recipients × 6 fields
// engine_load_bench load FILE           — loads it into a RecipientTable and prints its size
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "vxbiz/engine/recipient_table.h"

namespace {

int Generate(const char* path, long rows) {
  std::FILE* out = std::fopen(path, "wb");
  if (!out) return 1;
  std::fputs("Anrede;Vorname;Name;Email;Ort;Kundennummer\n", out);
  static const char* const towns[] = {"Bonn", "Köln", "München", "Düsseldorf", "Aachen"};
  for (long i = 1; i < rows; ++i)
    std::fprintf(out, "%s;Anna%ld;Meier%ld;meier%ld@web.de;%s;K%08ld\n", i % 3 ? "Frau" : "Herr",
                 i % 9973, i, i, towns[i % 5], i);
  return std::fclose(out) == 0 ? 0 : 1;
}

int Load(const char* path) {
  vx::TProfile profile;
  profile.Delim = ";";
  vx::TConfig config;
  vx::RecipientTable table;
  if (!vx::LoadDataFile(path, profile, config, table)) return 1;
  const size_t last = table.RowCount() - 1;
  std::printf("%zu rows, %zu columns; last row: %.*s\n", table.RowCount(), table.ColCount(),
              static_cast<int>(table.Cell(3, last).size()), table.Cell(3, last).data());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "generate") == 0) return Generate(argv[2], std::atol(argv[3]));
  if (argc == 3 && std::strcmp(argv[1], "load") == 0) return Load(argv[2]);
  std::fprintf(stderr, "usage: %s generate FILE ROWS | load FILE\n", argv[0]);
  return 2;
}
