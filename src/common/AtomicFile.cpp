#include "AtomicFile.h"

#include "DiagnosticLog.h"

#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <cstdio>
#include <unistd.h>

bool writeFileAtomically(const QString &path, const QByteArray &data) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    QUILL_LOG_ERROR("open for writing", "file", file.error(), path + ": " + file.errorString());
    return false;
  }
  if (file.write(data) != data.size() || !file.flush() || ::fsync(file.handle()) != 0) {
    QUILL_LOG_ERROR("write", "file", file.error(), path + ": " + file.errorString());
    file.cancelWriting();
    return false;
  }
  if (!file.commit()) {
    QUILL_LOG_ERROR("rename into place", "file", file.error(), path + ": " + file.errorString());
    return false;
  }
  return true;
}

bool moveFileOver(const QString &from, const QString &to) {
  if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
    return true;
  QUILL_LOG_ERROR("rename into place", "file", errno, to);
  return false;
}
