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
#include "vxbiz/engine/raw_array.h"

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
  // A whole row at once: text cut at every delimiter byte (-1: none), two delimiters in a row
  // giving an empty cell, and a delimiter at the very end opening no further cell.
  void AddDelimitedRow(std::string_view text, int delimiter);

  // Makes room ahead of loading for about this much text, rows and cells (best effort).
  void Reserve(size_t textBytes, size_t rows, size_t cells);

  // A row's cells hold at most this many bytes together; more throws std::length_error.

  static constexpr size_t kMaxRowBytes = 65535;

 private:
  // A row's cells lie together from its textStart, one separator byte between two cells (a
  // delimited row is stored as it came, delimiters included). Cell ends are kept relative to
  // their row (a row comes from one piece of at most 1023 characters) and row positions in
  // 64 bits, so no file size can make an offset overflow.
  struct RowStart {
    uint64_t textStart;  // position of the row's first byte in text_
    uint64_t firstCell;  // index of the row's first cell in cellEnd_
  };
  RawArray<char> text_;
  RawArray<uint16_t> cellEnd_;  // end of each cell, counted from its row's textStart
  RawArray<RowStart> rows_;
  size_t rowCount_ = 2, colCount_ = 2;

  void CountCells();
};

// Loads fileName into table with the profile's delimiter (TAB when Delim is empty), sets
// config.DataFile and reports its own failures with "Fehler" message boxes (style 48).
// Returns whether the file could be opened (the table was replaced), so the caller knows
// to set its column widths again.
bool LoadDataFile(const std::string& fileName, const TProfile& profile, TConfig& config,
                  RecipientTable& table);

}  // namespace vx
