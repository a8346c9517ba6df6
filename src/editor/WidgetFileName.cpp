#include "WidgetFileName.h"

#include "NoteBookWidget.h"
#include "common/FolderPaths.h"

#include <QDateTime>
#include <QFile>
#include <QSet>

namespace {
QSet<QString> &takenNames() {
  static QSet<QString> names;
  return names;
}

bool inResources(const QString &resources, const QString &file) {
  return !resources.isEmpty() && QFile::exists(resources + QLatin1Char('/') + file);
}
} // namespace

QString WidgetFileName::newName(const QString &suffix) {
  const QString resources = NoteBookWidget::resourcePath();
  auto taken = [&](const QString &name) {
    if (takenNames().contains(name))
      return true;
    for (const QString &file : {name, name + suffix}) {
      if (QFile::exists(temporaryPathWithName(file)) || inResources(resources, file))
        return true;
    }
    return false;
  };
  qint64 seconds = QDateTime::currentSecsSinceEpoch();
  QString name = QString::number(seconds);
  while (taken(name))
    name = QString::number(++seconds);
  takenNames().insert(name);
  return name;
}

void WidgetFileName::noteTaken(const QString &name) {
  takenNames().insert(name);
}
