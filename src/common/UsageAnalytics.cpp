#include "UsageAnalytics.h"

#include "DiagnosticLog.h"

#include <QDateTime>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>

namespace {
QMutex &logMutex() {
  static QMutex mutex;
  return mutex;
}
} // namespace

UsageAnalytics &UsageAnalytics::shared() {
  static UsageAnalytics analytics;
  return analytics;
}

void UsageAnalytics::startWithAppKey(const QString &appKey, int, const QString &) {
  QMutexLocker lock(&logMutex());
  key = appKey;
}

void UsageAnalytics::setLogFile(const QString &logPath) {
  QMutexLocker lock(&logMutex());
  path = logPath;
}

QString UsageAnalytics::logFile() const {
  QMutexLocker lock(&logMutex());
  return path;
}

void UsageAnalytics::event(const QString &name, const QVariantMap &attributes) {
  QVariantMap record{{"type", "event"}, {"name", name}};
  if (!attributes.isEmpty())
    record.insert("attributes", attributes);
  append(record);
}

void UsageAnalytics::beginEvent(const QString &name) { append({{"type", "beginEvent"}, {"name", name}}); }
void UsageAnalytics::endEvent(const QString &name) { append({{"type", "endEvent"}, {"name", name}}); }
void UsageAnalytics::beginLogPageView(const QString &page) { append({{"type", "beginPage"}, {"name", page}}); }
void UsageAnalytics::endLogPageView(const QString &page) { append({{"type", "endPage"}, {"name", page}}); }

// An append-only log: a line is either written whole or, after a crash, is the
// one truncated last line, which readers skip.
void UsageAnalytics::append(const QVariantMap &record) {
  QMutexLocker lock(&logMutex());
  if (path.isEmpty())
    return;
  QVariantMap line = record;
  line.insert("time", QDateTime::currentSecsSinceEpoch());
  QFile file(path);
  if (!file.open(QIODevice::Append)) {
    QUILL_LOG_ERROR("analytics: open", "file", file.error(), path + ": " + file.errorString());
    return;
  }
  file.write(QJsonDocument(QJsonObject::fromVariantMap(line)).toJson(QJsonDocument::Compact) + '\n');
}
