#pragma once

#include <QString>
#include <memory>

class QSettings;

// The per-user key-value defaults of the application, kept in
// "Library/Preferences/Quill.ini" (INI format). Numbers such as "bundleVersion"
// and "lastUpdateDate" are single precision, as the stored files have always
// held them. A missing or unreadable file reads as empty. Main thread only.
class UserDefaults {
public:
  // The defaults file of the current home folder.
  static QString standardPath();

  explicit UserDefaults(const QString &path = standardPath());
  ~UserDefaults();
  UserDefaults(const UserDefaults &) = delete;
  UserDefaults &operator=(const UserDefaults &) = delete;

  bool boolForKey(const QString &key) const;
  float floatForKey(const QString &key) const;
  QString stringForKey(const QString &key) const;
  void setBool(const QString &key, bool value);
  void setFloat(const QString &key, float value);

  // Writes pending changes to disk (replacing the file whole); false on failure.
  bool synchronize();

private:
  std::unique_ptr<QSettings> settings;
};
