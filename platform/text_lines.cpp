#include "platform/text_lines.h"

#include <cstdio>
#include <filesystem>

namespace vx {

std::vector<std::string> SplitLines(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
  }
  return lines;
}

std::string JoinLinesCrLf(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text.append(line).append("\r\n");
  return text;
}

bool WriteLinesCrLf(const std::string& path, const std::vector<std::string>& lines) {
  // An existing file is overwritten in place and then cut to the new length, not emptied first:
  // some file systems flush a file that was emptied and written again to the disk when it is
  // closed, and the next write then waits for the disk. This file is replaced for every mail.
  std::FILE* file = std::fopen(path.c_str(), "r+b");
  if (!file) file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  const std::string text = JoinLinesCrLf(lines);
  bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  written = (std::fclose(file) == 0) && written;
  std::error_code error;
  if (written && std::filesystem::file_size(path, error) > text.size())
    std::filesystem::resize_file(path, text.size(), error);
  return written && !error;
}

}  // namespace vx
