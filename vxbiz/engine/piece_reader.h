#pragma once
// Reads a data file in pieces the way a text-mode line read cuts it: every carriage return
// is dropped as the file is read, a Ctrl-Z ends the file, and a piece runs up to and including
// the next line feed but holds at most 1023 characters. A NUL ends its piece: the characters
// after it (up to where the piece would have ended) are dropped. Works on large blocks, so
// a big file reads at the speed of the disk cache.
#include <cstdio>
#include <string_view>
#include <vector>

namespace vx {

class PieceReader {
 public:
  static constexpr size_t kMaxPiece = 1023;
  enum class Result { Piece, End, Error };

  // Reads from file, which stays open and owned by the caller.
  explicit PieceReader(std::FILE* file);

  // The next piece (valid until the next call), the end of the file, or a read error;
  // a piece that a read error cuts short is not returned.
  Result Next(std::string_view& piece);

 private:
  bool Fill();

  std::FILE* file_;
  std::vector<char> block_;
  size_t pos_ = 0, end_ = 0;
  bool ended_ = false;  // no bytes follow those in the block (end of file or Ctrl-Z)
  char carry_[kMaxPiece];  // the start of a piece that runs over the end of a block
  size_t carryLen_ = 0;
  bool carryHanded_ = false;
};

}  // namespace vx
