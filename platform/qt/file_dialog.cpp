#include "platform/qt/file_dialog.h"

#include <QFileDialog>
#include <QStringList>

#include "platform/qt/message_box.h"

namespace vx {
namespace {

FileDialogHook& Hook() {
  static FileDialogHook hook;
  return hook;
}

// "Ascii" + "*.txt" becomes "Ascii (*.txt)"; "*.*" means every file, also one without a dot.
QString QtFilterOf(const FileFilter& filter) {
  QStringList patterns;
  for (const QString& pattern : QString::fromStdString(filter.pattern).split(';', Qt::SkipEmptyParts))
    patterns << (pattern.trimmed() == QLatin1String("*.*") ? QStringLiteral("*") : pattern.trimmed());
  return QString::fromStdString(filter.description) + " (" + patterns.join(' ') + ")";
}

}  // namespace

void SetFileDialogHook(FileDialogHook hook) { Hook() = std::move(hook); }

bool FileDialog::Execute(QWidget* parent) {
  std::optional<std::string> chosen;
  if (Hook()) {
    chosen = Hook()(*this);
  } else if (!RunningWithoutScreen()) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(kind == Kind::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Like the classic open dialog, a name that does not exist yet may be confirmed.
    dialog.setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (const FileFilter& f : filter) filters << QtFilterOf(f);
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    if (!fileName.empty()) dialog.selectFile(QString::fromStdString(fileName));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
      chosen = dialog.selectedFiles().first().toStdString();
  }
  if (!chosen) return false;
  fileName = *chosen;
  return true;
}

}  // namespace vx
