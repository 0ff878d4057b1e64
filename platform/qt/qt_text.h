#pragma once
// The program's 8-bit texts (file contents, names) for Qt: decoded on their own, as UTF-8
// when valid, else as Windows-1252.
#include <QString>
#include <string>
#include <string_view>

namespace vx {

QString QtText(std::string_view bytes);

// The bytes to store for an edit field that was filled from `original`: the original bytes
// when the text was left as shown (so a Windows-1252 path survives a dialog unchanged),
// else the typed text in UTF-8.
std::string EditedBytes(const QString& text, const std::string& original);

}  // namespace vx
