#pragma once

#include <QLatin1String>

class QString;

// The announcement that a notebook file was written or deleted, posted on
// NotificationCenter::defaultCenter() synchronously on the poster's thread.
// userInfo: kFileMethod ("ADD" or "DELETE"), kFilePath (absolute path) and
// kNotebookIdentifier (the notebook that owns the file). The sync manager
// mirrors these files.
inline constexpr QLatin1String QuillSyncFileChangedNotification{"QuillSyncFileChangedNotification"};
inline constexpr QLatin1String kFileMethod{"kFileMethod"};
inline constexpr QLatin1String kFilePath{"kFilePath"};
inline constexpr QLatin1String kNotebookIdentifier{"kNotebookIdentifier"};
inline constexpr QLatin1String kFileMethodAdd{"ADD"};
inline constexpr QLatin1String kFileMethodDelete{"DELETE"};

// Posts QuillSyncFileChangedNotification with object as the poster.
void postFileChanged(const QString &method, const QString &path, const QString &notebookIdentifier,
                     const void *object);
