#pragma once
// The loaded data file as a grid of text cells: row 0 holds the field names, rows 1 to
// RowCount() - 1 the recipients. Cells are stored compactly (one byte buffer and offsets),
// so a file of a million rows needs little more memory than its own size.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "vxbiz/engine/config.h"
#include "vxbiz/engine/profile.h"

namespace vx {

class RecipientTable {
 public:
  RecipientTable();  // the initial table: 2 rows, 2 columns, all cells empty

  size_t RowCount() const;
  size_t ColCount() const;
  // The cell at column c, row r; empty when no line filled it (also outside the table).
  std::string_view Cell(size_t c, size_t r) const;

  // Loading: forget everything (2 rows, 1 column), then add rows of cells in file order.
  void Clear();
  void BeginRow();                       // the next row to fill
  void AddCell(std::string_view text);   // the next cell of that row

 private:
  // implementation detail of the engine
  std::string text_;                 // every cell's bytes, one after another
  std::vector<uint32_t> cellStart_;  // start of each cell in text_, plus one end marker
  std::vector<uint32_t> rowStart_;   // index of each row's first cell in cellStart_
  size_t rowCount_ = 2, colCount_ = 2;
};

// Loads fileName into table with the profile's delimiter (TAB when Delim is empty), sets
// config.DataFile and reports its own failures with "Fehler" message boxes (style 48).
// Returns whether the file could be opened (the table was replaced), so the caller knows
// to set its column widths again.
bool LoadDataFile(const std::string& fileName, const TProfile& profile, TConfig& config,
                  RecipientTable& table);

}  // namespace vx
