#pragma once

#include <QLatin1String>
#include <QString>
#include <QVariantMap>

// The announcement that a stored file exists but could not be read and that
// its bytes were kept beside it before the store rebuilt what it held; posted
// on NotificationCenter::defaultCenter() on the reading thread. userInfo:
// kUnreadablePath (the file) and kKeptPath (the copy; empty when the copy
// could not be written, so the file is not saved over at load).
inline constexpr QLatin1String QuillUnreadableFileKeptNotification{
    "QuillUnreadableFileKeptNotification"};
inline constexpr QLatin1String kUnreadablePath{"kUnreadablePath"};
inline constexpr QLatin1String kKeptPath{"kKeptPath"};

// A property-list dictionary file of the notes folder (the catalogue, an info
// file) as its owner loads it, telling a missing file (nothing stored yet)
// from an unreadable one (something stored that the next save would replace).
struct StoredDictionary {
  QVariantMap value;       // empty unless the file was read
  bool unreadable = false; // the file exists but is not a dictionary of the expected shape
  QString keptPath;        // where an unreadable file's bytes were kept

  // Reads the dictionary at path. A missing file reads as an empty dictionary.
  // A file that cannot be opened, is no property list, is not a dictionary or
  // holds anything but an array under arrayKey is unreadable: its bytes are
  // copied beside it as "<name>.unreadable-<yyyyMMdd-HHmmss>" (with "-2",
  // "-3", ... added when that is taken; never over another file), and
  // QuillUnreadableFileKeptNotification is posted.
  static StoredDictionary read(const QString &path, const QString &arrayKey);
};
