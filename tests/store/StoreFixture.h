#pragma once

#include "common/NotificationCenter.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QVariantMap>
#include <vector>

// A fresh home folder for one test, the fixture resource folder, the catalogue
// and template list reloaded from them, and a record of every file-change
// announcement and analytics event the store makes meanwhile.
class StoreFixture {
public:
  // resources: a folder under the test data, or an absolute path.
  explicit StoreFixture(const QString &resources = QStringLiteral("resources"));
  ~StoreFixture();

  QString home() const { return dir.path(); }
  static QString notesFolder();
  static QString data(const QString &relative);
  // Puts a fixture file at an absolute path (folders made as needed).
  static void install(const QString &relative, const QString &path);
  static void writeText(const QString &path, const QByteArray &text);
  // The bytes of the file at path (empty when it cannot be read).
  static QByteArray readBytes(const QString &path);
  // Makes a directory where a file would be written, so that the write fails.
  static void blockPath(const QString &path);

  // (method, file name) of each announcement, in order.
  QStringList fileChanges() const;
  std::vector<Notification> notifications;
  // Where each unreadable file the store found was kept, in order.
  QStringList keptCopies;
  // Names of the analytics events, in order; attributes of the last one named.
  QStringList eventNames() const;
  QVariantMap lastAttributes(const QString &event) const;
  void forget();

private:
  QList<QVariantMap> events() const;
  QTemporaryDir dir;
  NotificationObservation observation;
  NotificationObservation unreadableObservation;
};
