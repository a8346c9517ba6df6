#include "StoredDictionary.h"

#include "common/AtomicFile.h"
#include "common/DiagnosticLog.h"
#include "common/NotificationCenter.h"
#include "common/PropertyList.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace {
// A name beside path that nothing uses yet; empty when none was found.
QString freeKeepingPath(const QString &path) {
  const QString base = path + QStringLiteral(".unreadable-") +
                       QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
  for (int counter = 1; counter <= 1000; ++counter) {
    const QString candidate =
        counter == 1 ? base : base + QLatin1Char('-') + QString::number(counter);
    const QFileInfo taken(candidate);
    if (!taken.exists() && !taken.isSymLink())
      return candidate;
  }
  return {};
}

QString keepBytes(const QString &path, const QByteArray &bytes) {
  const QString kept = freeKeepingPath(path);
  if (kept.isEmpty() || !writeFileAtomically(kept, bytes)) {
    QUILL_LOG_ERROR("unreadable file: keep a copy", "file", 0, path);
    return {};
  }
  return kept;
}
} // namespace

StoredDictionary StoredDictionary::read(const QString &path, const QString &arrayKey) {
  StoredDictionary stored;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    if (!file.exists())
      return stored;
    QUILL_LOG_ERROR("stored dictionary: open", "file", file.error(),
                    path + ": " + file.errorString());
    stored.unreadable = true;
  } else {
    const QByteArray bytes = file.readAll();
    const QVariant value = PropertyList::fromData(bytes);
    const QVariant array = value.toMap().value(arrayKey);
    if (value.typeId() == QMetaType::QVariantMap &&
        (!array.isValid() || array.typeId() == QMetaType::QVariantList)) {
      stored.value = value.toMap();
      return stored;
    }
    QUILL_LOG_ERROR("stored dictionary: read", "plist", 0,
                    path + " is no property list or not a dictionary with an array \"" + arrayKey +
                        "\"");
    stored.unreadable = true;
    stored.keptPath = keepBytes(path, bytes);
  }
  NotificationCenter::defaultCenter().postNotification(
      QuillUnreadableFileKeptNotification, nullptr,
      {{kUnreadablePath, path}, {kKeptPath, stored.keptPath}});
  return stored;
}
