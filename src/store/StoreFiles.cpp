#include "StoreFiles.h"

#include "common/AtomicFile.h"
#include "common/DiagnosticLog.h"
#include "common/FolderPaths.h"

#include <QFile>
#include <QFileInfo>

namespace StoreFiles {

bool copyFile(const QString &from, const QString &to) {
  QFile source(from);
  if (!source.open(QIODevice::ReadOnly)) {
    QUILL_LOG_ERROR("copy: open source", "file", source.error(),
                    from + ": " + source.errorString());
    return false;
  }
  return writeFileAtomically(to, source.readAll());
}

bool removeFile(const QString &path) {
  const QFileInfo info(path);
  if (!info.exists() && !info.isSymLink())
    return true;
  QFile file(path);
  if (!file.remove()) {
    QUILL_LOG_ERROR("remove", "file", file.error(), path + ": " + file.errorString());
    return false;
  }
  return true;
}

QString pathInFolder(const QString &folder, const QString &name) {
  if (folder.isEmpty() || !isPlainFileName(name))
    return {};
  return folder + QLatin1Char('/') + name;
}

} // namespace StoreFiles
