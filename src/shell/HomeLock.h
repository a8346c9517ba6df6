#pragma once

#include <QString>
#include <memory>

class QLockFile;

// Makes one Quill process the only one using a home folder: each process
// rewrites the catalogue from what it holds in memory, so two on one home
// would drop each other's notebooks. The lock is the file "Library/quill.lock"
// of the home folder, held until this object goes. A lock left by a process
// that ended without releasing it (a crash) is taken over: it names a process
// that no longer runs. A lock is never taken over for its age alone, as a
// running Quill holds it for as long as it runs.
class HomeLock {
public:
  explicit HomeLock(const QString &homeFolder);
  ~HomeLock();

  enum class Outcome {
    Taken,  // this process holds the lock now
    InUse,  // another running process holds it
    Failed, // the lock file cannot be made (a folder that cannot be written)
  };
  // Tries once to take the lock; when it is not taken, error says why.
  Outcome tryLock(QString *error);

  HomeLock(const HomeLock &) = delete;
  HomeLock &operator=(const HomeLock &) = delete;

private:
  std::unique_ptr<QLockFile> lock;
};
