#include "FileChangeNotification.h"

#include "common/NotificationCenter.h"

void postFileChanged(const QString &method, const QString &path, const QString &notebookIdentifier,
                     const void *object) {
  NotificationCenter::defaultCenter().postNotification(
      QuillSyncFileChangedNotification, object,
      {{kFileMethod, method}, {kFilePath, path}, {kNotebookIdentifier, notebookIdentifier}});
}
