#include "platform/qt/qt_text.h"

#include "platform/text.h"

namespace vx {

QString QtText(std::string_view bytes) {
  if (IsValidUtf8(bytes)) return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
  const std::string utf8 = TextToUtf8(bytes);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string EditedBytes(const QString& text, const std::string& original) {
  return text == QtText(original) ? original : text.toStdString();
}

}  // namespace vx
