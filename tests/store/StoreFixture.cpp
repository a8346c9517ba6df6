#include "StoreFixture.h"

#include "QuillTest.h"
#include "common/FolderPaths.h"
#include "common/UsageAnalytics.h"
#include "store/FileChangeNotification.h"
#include "store/NoteBookManager.h"
#include "store/StoredDictionary.h"
#include "store/TemplateManager.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <utility>

StoreFixture::StoreFixture(const QString &resources)
    : observation(QuillSyncFileChangedNotification, nullptr,
                  [this](const Notification &n) { notifications.push_back(n); }),
      unreadableObservation(QuillUnreadableFileKeptNotification, nullptr,
                            [this](const Notification &n) {
                              keptCopies.append(n.userInfo.value(kKeptPath).toString());
                            }) {
  setHomeFolder(dir.path());
  QDir().mkpath(libraryPathWithName("Caches"));
  QDir().mkpath(temporaryPathWithName(""));
  setResourceFolder(QDir::isAbsolutePath(resources) ? resources : data(resources));
  UsageAnalytics::shared().setLogFile(libraryPathWithName("Caches/analytics.jsonl"));
  if (resources == QLatin1String("resources")) {
    // Flawed entries kept in the fixture's templates for the template tests.
    QuillTest::expectLogLine("templates: record", "a template record that is no dictionary is skipped");
    QuillTest::expectLogLine("templates: built-in backgrounds", "/BuildIn_BG.plist: lists of unequal length");
    QuillTest::expectLogLine("templates: built-in background", "not a plain file name");
  }
  // The templates are read once per fixture: the shared manager reads them itself when it is
  // made, on first use.
  static bool managerMade = false;
  if (std::exchange(managerMade, true))
    TemplateManager::sharedTemplateManager().initData();
  else
    TemplateManager::sharedTemplateManager();
  NoteBookManager::sharedNoteBookManager().initData();
  forget();
}

StoreFixture::~StoreFixture() {
  UsageAnalytics::shared().setLogFile({});
}

QString StoreFixture::notesFolder() {
  return libraryPathWithName("Notes");
}

QString StoreFixture::data(const QString &relative) {
  return QStringLiteral(QUILL_TEST_DATA_DIR "/") + relative;
}

void StoreFixture::install(const QString &relative, const QString &path) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile::remove(path);
  QFile::copy(data(relative), path);
  QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
}

void StoreFixture::writeText(const QString &path, const QByteArray &text) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  file.open(QIODevice::WriteOnly | QIODevice::Truncate);
  file.write(text);
}

QByteArray StoreFixture::readBytes(const QString &path) {
  QFile file(path);
  file.open(QIODevice::ReadOnly);
  return file.readAll();
}

void StoreFixture::blockPath(const QString &path) {
  QFile::remove(path);
  QDir().mkpath(path + "/blocker");
}

QStringList StoreFixture::fileChanges() const {
  QStringList changes;
  for (const Notification &n : notifications)
    changes.append(n.userInfo.value(kFileMethod).toString() + " " +
                   QFileInfo(n.userInfo.value(kFilePath).toString()).fileName());
  return changes;
}

QList<QVariantMap> StoreFixture::events() const {
  QList<QVariantMap> records;
  QFile file(UsageAnalytics::shared().logFile());
  if (!file.open(QIODevice::ReadOnly))
    return records;
  for (const QByteArray &line : file.readAll().split('\n')) {
    const QVariantMap record = QJsonDocument::fromJson(line).object().toVariantMap();
    if (record.value("type") == "event")
      records.append(record);
  }
  return records;
}

QStringList StoreFixture::eventNames() const {
  QStringList names;
  for (const QVariantMap &record : events())
    names.append(record.value("name").toString());
  return names;
}

QVariantMap StoreFixture::lastAttributes(const QString &event) const {
  QVariantMap attributes;
  for (const QVariantMap &record : events()) {
    if (record.value("name") == event)
      attributes = record.value("attributes").toMap();
  }
  return attributes;
}

void StoreFixture::forget() {
  notifications.clear();
  keptCopies.clear();
  QFile::remove(UsageAnalytics::shared().logFile());
}
