#include "platform/qt/shell_open.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>
#include <cstdlib>

namespace vx {
namespace {

bool LooksLikeUrl(const QString& text) {
  const QUrl url(text);
  return url.isValid() && url.scheme().size() > 1 && !QFileInfo::exists(text);
}

bool IsProgramFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray head = file.read(4);
  return head == QByteArray("\x7f" "ELF", 4) || head.startsWith("#!");
}

}  // namespace

bool OpenWithShell(const std::string& pathOrUrl) {
  const QString target = QString::fromStdString(pathOrUrl);
  if (const char* opener = std::getenv("VXBIZ_SHELL_OPEN"); opener && *opener)
    return QProcess::startDetached(QString::fromLocal8Bit(opener), {target});
  if (LooksLikeUrl(target)) return QDesktopServices::openUrl(QUrl(target));
  if (IsProgramFile(target)) {
    QFile::Permissions permissions = QFile::permissions(target) | QFile::ExeOwner | QFile::ExeUser;
    if (permissions & QFile::ReadGroup) permissions |= QFile::ExeGroup;
    if (permissions & QFile::ReadOther) permissions |= QFile::ExeOther;
    QFile::setPermissions(target, permissions);
    return QProcess::startDetached(QFileInfo(target).absoluteFilePath(), {});
  }
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath()));
}

}  // namespace vx
