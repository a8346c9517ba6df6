#include "Localization.h"

#include "DiagnosticLog.h"
#include "FolderPaths.h"

#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>

namespace {
QHash<QString, QString> loadTable() {
  QHash<QString, QString> table;
  const QString path = resourcePathWithName("Localizable.json");
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    QUILL_LOG_ERROR("localisation table: open", "file", file.error(), path);
    return table;
  }
  QJsonParseError error{};
  const QJsonObject object = QJsonDocument::fromJson(file.readAll(), &error).object();
  if (error.error != QJsonParseError::NoError)
    QUILL_LOG_ERROR("localisation table: parse", "json", error.error, error.errorString());
  for (auto it = object.begin(); it != object.end(); ++it)
    table.insert(it.key(), it.value().toString(it.key()));
  return table;
}
} // namespace

QString localizedString(const QString &key) {
  static QMutex mutex;
  static QHash<QString, QString> table;
  static bool loaded = false;
  QMutexLocker lock(&mutex);
  if (!loaded) {
    table = loadTable();
    loaded = true;
  }
  return table.value(key, key);
}
