#pragma once

#include <QString>
#include <QVariantMap>

// The usage-analytics service, kept locally: every event, page view and timed
// event is appended as one JSON object per line to the log file (normally
// "Library/Caches/analytics.jsonl"). Recording never fails the caller; a log
// that cannot be written only produces a diagnostic line. Thread-safe.
class UsageAnalytics {
public:
  static UsageAnalytics &shared();

  // Starts the service; until a log file is set, events are dropped.
  void startWithAppKey(const QString &appKey, int reportPolicy, const QString &channel);
  void setLogFile(const QString &path);
  QString logFile() const;

  void event(const QString &name, const QVariantMap &attributes = {});
  void beginEvent(const QString &name);
  void endEvent(const QString &name);
  void beginLogPageView(const QString &page);
  void endLogPageView(const QString &page);

private:
  UsageAnalytics() = default;
  void append(const QVariantMap &record);
  QString path;
  QString key;
};
