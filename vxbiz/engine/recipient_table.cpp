#include "vxbiz/engine/recipient_table.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>

#include "vxbiz/engine/messages.h"
#include "vxbiz/engine/piece_reader.h"

namespace vx {

RecipientTable::RecipientTable() = default;

size_t RecipientTable::RowCount() const { return rowCount_; }

size_t RecipientTable::ColCount() const { return colCount_; }

std::string_view RecipientTable::Cell(size_t c, size_t r) const {
  if (r >= rows_.size()) return {};
  const RowStart& row = rows_[r];
  const uint64_t cellsEnd = r + 1 < rows_.size() ? rows_[r + 1].firstCell : cellEnd_.size();
  if (c >= cellsEnd - row.firstCell) return {};
  const size_t i = row.firstCell + c;
  const size_t begin = c == 0 ? 0 : cellEnd_[i - 1] + 1u;
  return {text_.data() + row.textStart + begin, cellEnd_[i] - begin};
}

void RecipientTable::Clear() {
  text_.Release();
  cellEnd_.Release();
  rows_.Release();
  rowCount_ = 2;
  colCount_ = 1;
}

void RecipientTable::BeginRow() {
  rows_.push_back({text_.size(), cellEnd_.size()});
  if (rows_.size() > rowCount_) rowCount_ = rows_.size();
}

void RecipientTable::AddCell(std::string_view text) {
  if (rows_.empty()) BeginRow();
  const RowStart& row = rows_.back();
  const bool first = cellEnd_.size() == row.firstCell;
  const size_t end = text_.size() + (first ? 0 : 1) + text.size() - row.textStart;
  if (end > kMaxRowBytes) throw std::length_error("row longer than RecipientTable::kMaxRowBytes");
  if (!first) text_.push_back('\0');
  text_.Append(text.data(), text.size());
  cellEnd_.push_back(static_cast<uint16_t>(end));
  CountCells();
}

void RecipientTable::AddDelimitedRow(std::string_view text, int delimiter) {
  if (text.size() > kMaxRowBytes) throw std::length_error("row longer than RecipientTable::kMaxRowBytes");
  BeginRow();
  text_.Append(text.data(), text.size());
  size_t start = 0;
  if (delimiter >= 0) {
    while (const void* hit = std::memchr(text.data() + start, delimiter, text.size() - start)) {
      const size_t at = static_cast<size_t>(static_cast<const char*>(hit) - text.data());
      cellEnd_.push_back(static_cast<uint16_t>(at));
      start = at + 1;
    }
  }
  if (start < text.size()) cellEnd_.push_back(static_cast<uint16_t>(text.size()));
  CountCells();
}

void RecipientTable::Reserve(size_t textBytes, size_t rows, size_t cells) {
  text_.Reserve(textBytes);
  rows_.Reserve(rows);
  cellEnd_.Reserve(cells);
}

void RecipientTable::CountCells() {
  const size_t cells = cellEnd_.size() - rows_.back().firstCell;
  if (cells > colCount_) colCount_ = cells;
}

namespace {

// The delimiter byte, or -1 when Delim can never match (two or more characters).
int DelimiterOf(const TProfile& profile) {
  if (profile.Delim.empty()) return '\t';
  if (profile.Delim.size() == 1) return static_cast<unsigned char>(profile.Delim[0]);
  return -1;
}

// Room for a file's contents, so the table fills without moving: its text is never larger than
// the file; rows and cells are reckoned generously (untouched room costs no memory).
void ReserveForFile(RecipientTable& table, std::FILE* file) {
  if (std::fseek(file, 0, SEEK_END) != 0) {
    std::clearerr(file);  // not a file that can seek (a pipe): it grows as it goes
    return;
  }
  const long size = std::ftell(file);
  std::rewind(file);
  if (size <= 0) return;
  const auto bytes = static_cast<size_t>(size);
  table.Reserve(bytes, bytes / 16 + 16, bytes / 4 + 16);
}

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

bool LoadDataFile(const std::string& fileName, const TProfile& profile, TConfig& config,
                  RecipientTable& table) {
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(fileName.c_str(), "rb"));
  if (!file) {
    ShowMessage("Fehler beim Öffnen der Datei!", "Fehler", MessageStyle::Exclamation);
    return false;
  }
  config.DataFile = fileName;
  table.Clear();
  ReserveForFile(table, file.get());
  const int delimiter = DelimiterOf(profile);
  PieceReader reader(file.get());
  std::string_view piece;
  for (;;) {
    const auto result = reader.Next(piece);
    if (result == PieceReader::Result::End) break;
    if (result == PieceReader::Result::Error) {
      ShowMessage("Fehler beim Lesen der Datei!", "Fehler", MessageStyle::Exclamation);
      break;
    }
    if (piece.size() < 3) continue;
    if (piece.back() == '\n') piece.remove_suffix(1);
    table.AddDelimitedRow(piece, delimiter);
  }
  return true;
}

}  // namespace vx
