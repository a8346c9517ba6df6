#include "StringHelpers.h"

#include <QStringList>

namespace {
QStringList pathComponents(const QString &path) {
  return path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
}
} // namespace

QString firstPathComponent(const QString &path) {
  const QStringList components = pathComponents(path);
  return components.isEmpty() ? QString() : components.first();
}

QString stringByDeletingFirstPathComponent(const QString &path) {
  QStringList components = pathComponents(path);
  if (!components.isEmpty())
    components.removeFirst();
  return components.join(QLatin1Char('/'));
}

bool isEmptyOrWhitespace(const QString &text) {
  for (const QChar c : text) {
    if (c != QLatin1Char('\t') && c.category() != QChar::Separator_Space)
      return false;
  }
  return true;
}

qsizetype indexOfString(const QVariantList &array, const QString &text) {
  for (qsizetype i = 0; i < array.size(); ++i) {
    const QVariant &element = array.at(i);
    if (element.typeId() == QMetaType::QString && element.toString() == text)
      return i;
  }
  return QuillNotFound;
}

void removeString(QVariantList &array, const QString &text) {
  const qsizetype index = indexOfString(array, text);
  if (index != QuillNotFound)
    array.removeAt(index);
}

void removeStringsInArray(QVariantList &array, const QStringList &texts) {
  for (const QString &text : texts)
    removeString(array, text);
}
