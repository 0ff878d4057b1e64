#include "vxbiz/engine/piece_reader.h"

#include <algorithm>
#include <cstring>

namespace vx {
namespace {
constexpr size_t kBlockSize = 256 * 1024;
constexpr char kCtrlZ = 26;

std::string_view UpToNul(const char* data, size_t size) {
  const void* nul = std::memchr(data, '\0', size);
  return {data, nul ? static_cast<size_t>(static_cast<const char*>(nul) - data) : size};
}
}  // namespace

PieceReader::PieceReader(std::FILE* file) : file_(file), block_(kBlockSize) {
  std::setvbuf(file_, nullptr, _IONBF, 0);  // blocks are read straight into block_
}

bool PieceReader::Fill() {
  pos_ = end_ = 0;
  size_t n = std::fread(block_.data(), 1, block_.size(), file_);
  if (n == 0) {
    if (std::ferror(file_)) return false;
    ended_ = true;
    return true;
  }
  char* data = block_.data();
  if (const void* z = std::memchr(data, kCtrlZ, n)) {
    n = static_cast<size_t>(static_cast<const char*>(z) - data);
    ended_ = true;
  }
  if (char* cr = static_cast<char*>(std::memchr(data, '\r', n))) {
    char* out = cr;
    for (const char* in = cr; in != data + n; ++in)
      if (*in != '\r') *out++ = *in;
    n = static_cast<size_t>(out - data);
  }
  end_ = n;
  return true;
}

PieceReader::Result PieceReader::Next(std::string_view& piece) {
  if (carryHanded_) carryLen_ = 0, carryHanded_ = false;
  for (;;) {
    if (pos_ == end_) {
      if (ended_) {
        if (carryLen_ == 0) return Result::End;
        carryHanded_ = true;
        piece = UpToNul(carry_, carryLen_);
        return Result::Piece;
      }
      if (!Fill()) return Result::Error;
      continue;
    }
    const char* start = block_.data() + pos_;
    const size_t room = kMaxPiece - carryLen_;
    const size_t avail = std::min(room, end_ - pos_);
    const void* lf = std::memchr(start, '\n', avail);
    const size_t take = lf ? static_cast<size_t>(static_cast<const char*>(lf) - start) + 1 : avail;
    pos_ += take;
    if (carryLen_ == 0 && (lf || take == room)) {
      piece = UpToNul(start, take);
      return Result::Piece;
    }
    std::memcpy(carry_ + carryLen_, start, take);
    carryLen_ += take;
    if (lf || take == room) {
      carryHanded_ = true;
      piece = UpToNul(carry_, carryLen_);
      return Result::Piece;
    }
  }
}

}  // namespace vx
