#include "HomeLock.h"

#include <QDir>
#include <QLockFile>

HomeLock::HomeLock(const QString &homeFolder)
    : lock(std::make_unique<QLockFile>(
          QDir(homeFolder).absoluteFilePath(QStringLiteral("Library/quill.lock")))) {
  // Staleness by process only: the holder's process must have ended.
  lock->setStaleLockTime(0);
}

HomeLock::~HomeLock() = default;

HomeLock::Outcome HomeLock::tryLock(QString *error) {
  if (lock->tryLock(0))
    return Outcome::Taken;
  if (lock->error() != QLockFile::LockFailedError) {
    *error = QStringLiteral("cannot make the lock file of the home folder");
    return Outcome::Failed;
  }
  qint64 pid = 0;
  QString host, application;
  lock->getLockInfo(&pid, &host, &application);
  *error = QStringLiteral("the home folder is in use by another Quill (process %1)").arg(pid);
  return Outcome::InUse;
}
