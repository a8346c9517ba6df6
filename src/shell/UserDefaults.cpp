#include "UserDefaults.h"

#include "common/DiagnosticLog.h"
#include "common/FolderPaths.h"

#include <QSettings>

QString UserDefaults::standardPath() {
  return libraryPathWithName("Preferences/Quill.ini");
}

UserDefaults::UserDefaults(const QString &path)
    : settings(std::make_unique<QSettings>(path, QSettings::IniFormat)) {
  if (settings->status() != QSettings::NoError)
    QUILL_LOG_ERROR("defaults: read", "settings", settings->status(), path);
}

UserDefaults::~UserDefaults() {
  synchronize();
}

bool UserDefaults::boolForKey(const QString &key) const {
  return settings->value(key).toBool();
}

float UserDefaults::floatForKey(const QString &key) const {
  return settings->value(key).toFloat();
}

QString UserDefaults::stringForKey(const QString &key) const {
  return settings->value(key).toString();
}

void UserDefaults::setBool(const QString &key, bool value) {
  settings->setValue(key, value);
}

// Stored as decimal text with every digit a float needs, so the file stays
// readable and the value reads back exactly.
void UserDefaults::setFloat(const QString &key, float value) {
  settings->setValue(key, QString::number(value, 'g', 9));
}

bool UserDefaults::synchronize() {
  settings->sync();
  if (settings->status() == QSettings::NoError)
    return true;
  QUILL_LOG_ERROR("defaults: write", "settings", settings->status(), settings->fileName());
  return false;
}
