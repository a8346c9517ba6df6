#include "ShellFolders.h"

#include "common/DiagnosticLog.h"
#include "common/FolderPaths.h"

#include <QDir>
#include <QFileInfo>

bool prepareHomeFolder(const QString &path) {
  setHomeFolder(QDir(path).absolutePath());
  bool made = true;
  for (const QString &folder : {libraryPathWithName("Caches"), libraryPathWithName("Preferences"),
                                documentPathWithName({}), temporaryPathWithName({})}) {
    if (!QDir().mkpath(folder)) {
      QUILL_LOG_ERROR("home folder: create", "file", 0, folder);
      made = false;
    }
  }
  return made;
}

QString findResourceFolder(const QString &programFolder) {
  const QStringList candidates{programFolder + QStringLiteral("/resources"),
                               programFolder + QStringLiteral("/../share/quill"),
                               QStringLiteral(QUILL_RESOURCE_DIR)};
  for (const QString &candidate : candidates) {
    if (QFileInfo::exists(candidate + QStringLiteral("/Localizable.json")))
      return QDir(candidate).absolutePath();
  }
  QUILL_LOG_ERROR("resource folder: not found", "file", 0, candidates.join(", "));
  return candidates.last();
}
