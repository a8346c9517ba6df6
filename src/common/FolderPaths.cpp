#include "FolderPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
QString &homeFolderPath() {
  static QString path;
  return path;
}
QString &resourceFolderPath() {
  static QString path;
  return path;
}
QString joined(const QString &folder, const QString &name) {
  if (name.isEmpty())
    return folder;
  return QDir::cleanPath(folder + QLatin1Char('/') + name);
}
} // namespace

void setHomeFolder(const QString &path) { homeFolderPath() = QDir::cleanPath(path); }
QString homeFolder() { return homeFolderPath(); }
void setResourceFolder(const QString &path) { resourceFolderPath() = QDir::cleanPath(path); }
QString resourceFolder() { return resourceFolderPath(); }

QString temporaryPathWithName(const QString &name) { return joined(homeFolder() + "/tmp", name); }
QString documentPathWithName(const QString &name) { return joined(homeFolder() + "/Documents", name); }
QString libraryDirectory() { return homeFolder() + "/Library"; }
QString libraryPathWithName(const QString &name) { return joined(libraryDirectory(), name); }
QString resourcePathWithName(const QString &name) { return joined(resourceFolder(), name); }

QString confirmFileAtPath(const QString &path, bool isDirectory) {
  const QFileInfo info(path);
  if (info.exists() && info.isDir() == isDirectory)
    return path;
  if (info.isDir())
    QDir(path).removeRecursively();
  else if (info.exists() || info.isSymLink())
    QFile::remove(path);
  bool made = false;
  if (isDirectory) {
    made = QDir().mkdir(path);
  } else {
    QFile file(path);
    made = file.open(QIODevice::WriteOnly);
  }
  return made ? path : QString();
}

bool isPlainFileName(const QString &name) {
  if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
    return false;
  for (const QChar c : name) {
    if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() == 0)
      return false;
  }
  return true;
}
