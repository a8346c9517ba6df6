#pragma once

#include <QString>
#include <QUrl>
#include <QVariantMap>
#include <functional>

// The usage-analytics service, kept locally: every event, page view and timed
// event is appended as one JSON object per line to the log file (normally
// "Library/Caches/analytics.jsonl"). Recording never fails the caller; a log
// that cannot be written only produces a diagnostic line. Thread-safe, except
// the update check, which runs on the thread that asks (it needs an event loop).
class UsageAnalytics {
public:
  static UsageAnalytics &shared();

  // Starts the service; until a log file is set, events are dropped.
  void startWithAppKey(const QString &appKey, int reportPolicy, const QString &channel);
  void setLogFile(const QString &path);
  QString logFile() const;

  void event(const QString &name, const QVariantMap &attributes = {});
  // A timed event; the label (when given) tells apart what was timed.
  void beginEvent(const QString &name, const QString &label = {});
  void endEvent(const QString &name, const QString &label = {});
  void beginLogPageView(const QString &page);
  void endLogPageView(const QString &page);

  // The update check: an HTTP GET of the update service's address (with the
  // query items "version" and "key") whose answer is a JSON object with
  // "update" (boolean), "path" (the download page) and "version" (its name).
  using UpdateAnswer = std::function<void(const QVariantMap &)>;
  void setUpdateCheckAddress(const QUrl &address);
  // Starts the check; answer runs on the asking thread with the service's
  // dictionary. False (with a log line) when no address is set; a failed
  // request, an answer that is not a JSON object or one whose "path" is not an
  // http or https address is logged and not answered.
  bool checkUpdate(const QString &currentVersion, UpdateAnswer answer);

private:
  UsageAnalytics() = default;
  void append(const QVariantMap &record);
  void appendTimed(const QString &type, const QString &name, const QString &label);
  QString path;
  QString key;
  QUrl updateAddress;
};
