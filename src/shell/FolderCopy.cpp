#include "FolderCopy.h"

#include "common/DiagnosticLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
bool copyTree(const QString &from, const QString &to) {
  if (!QDir().mkdir(to))
    return false;
  const QFileInfoList entries = QDir(from).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot |
                                                         QDir::Hidden | QDir::System);
  for (const QFileInfo &entry : entries) {
    if (entry.isSymLink())
      continue;
    const QString target = to + QLatin1Char('/') + entry.fileName();
    const bool copied =
        entry.isDir() ? copyTree(entry.filePath(), target) : QFile::copy(entry.filePath(), target);
    if (!copied) {
      QUILL_LOG_ERROR("folder copy: entry", "file", 0, entry.filePath() + " -> " + target);
      return false;
    }
  }
  return true;
}
} // namespace

bool copyFolder(const QString &from, const QString &to) {
  const QFileInfo source(from);
  if (!source.isDir()) {
    QUILL_LOG_ERROR("folder copy: source", "file", 0, from + " is not a folder");
    return false;
  }
  const QFileInfo target(to);
  if (target.exists() || target.isSymLink()) {
    QUILL_LOG_ERROR("folder copy: target", "file", 0, to + " already exists");
    return false;
  }
  const QString staging =
      target.absolutePath() + QStringLiteral("/.") + target.fileName() + QStringLiteral(".partial");
  QDir(staging).removeRecursively();
  if (copyTree(from, staging) && QDir().rename(staging, to))
    return true;
  QUILL_LOG_ERROR("folder copy", "file", 0, from + " -> " + to);
  QDir(staging).removeRecursively();
  return false;
}
