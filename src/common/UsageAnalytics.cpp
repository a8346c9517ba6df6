#include "UsageAnalytics.h"

#include "DiagnosticLog.h"
#include "URLHelpers.h"

#include <QDateTime>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QUrlQuery>

namespace {
QMutex &logMutex() {
  static QMutex mutex;
  return mutex;
}
constexpr int updateCheckTimeoutMs = 15000;
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

void UsageAnalytics::beginEvent(const QString &name, const QString &label) {
  appendTimed(QStringLiteral("beginEvent"), name, label);
}
void UsageAnalytics::endEvent(const QString &name, const QString &label) {
  appendTimed(QStringLiteral("endEvent"), name, label);
}
void UsageAnalytics::appendTimed(const QString &type, const QString &name, const QString &label) {
  QVariantMap record{{"type", type}, {"name", name}};
  if (!label.isEmpty())
    record.insert(QStringLiteral("label"), label);
  append(record);
}
void UsageAnalytics::beginLogPageView(const QString &page) {
  append({{"type", "beginPage"}, {"name", page}});
}
void UsageAnalytics::endLogPageView(const QString &page) {
  append({{"type", "endPage"}, {"name", page}});
}

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
  file.write(QJsonDocument(QJsonObject::fromVariantMap(line)).toJson(QJsonDocument::Compact) +
             '\n');
}

void UsageAnalytics::setUpdateCheckAddress(const QUrl &address) {
  QMutexLocker lock(&logMutex());
  updateAddress = address;
}

bool UsageAnalytics::checkUpdate(const QString &currentVersion, UpdateAnswer answer) {
  QUrl url;
  QString appKey;
  {
    QMutexLocker lock(&logMutex());
    url = updateAddress;
    appKey = key;
  }
  if (!url.isValid() || url.host().isEmpty()) {
    qInfo("update check: skipped, no update-check service is configured");
    return false;
  }
  QUrlQuery query(url);
  query.addQueryItem(QStringLiteral("version"), currentVersion);
  query.addQueryItem(QStringLiteral("key"), appKey);
  url.setQuery(query);
  // One check a day at most: a manager of its own, gone with its reply.
  auto *network = new QNetworkAccessManager;
  network->setTransferTimeout(updateCheckTimeoutMs);
  QNetworkReply *reply = network->get(QNetworkRequest(url));
  QObject::connect(
      reply, &QNetworkReply::finished, network, [network, reply, answer = std::move(answer)] {
        network->deleteLater();
        if (reply->error() != QNetworkReply::NoError) {
          QUILL_LOG_ERROR("update check", "network", reply->error(), reply->errorString());
          return;
        }
        QJsonParseError error{};
        const QJsonDocument document = QJsonDocument::fromJson(reply->readAll(), &error);
        if (!document.isObject()) {
          QUILL_LOG_ERROR("update check: answer", "json", error.error, error.errorString());
          return;
        }
        const QVariantMap info = document.object().toVariantMap();
        // The download page is opened for the user, so it has to be a web page.
        const QVariant page = info.value(QStringLiteral("path"));
        if (page.isValid() && !isWebAddress(QUrl(page.toString()))) {
          QUILL_LOG_ERROR("update check: download page refused", "url", 0,
                          "not an http or https address: " + page.toString());
          return;
        }
        answer(info);
      });
  return true;
}
