#include "URLHelpers.h"

#include "Encodings.h"

#include <QStringList>
#include <QUrl>

bool isWebAddress(const QUrl &url) {
  const QString scheme = url.scheme();
  return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
         !url.host().isEmpty();
}

QString URLStringWithoutQuery(const QString &url) {
  const qsizetype mark = url.indexOf(QLatin1Char('?'));
  return mark < 0 ? url : url.left(mark);
}

QString URLParamstringWithDictionary(const QVariantMap &parameters) {
  QStringList pairs;
  for (auto it = parameters.begin(); it != parameters.end(); ++it) {
    if (it.value().typeId() != QMetaType::QString)
      continue;
    pairs << urlEncoded(it.key()) + QLatin1Char('=') + urlEncoded(it.value().toString());
  }
  return pairs.join(QLatin1Char('&'));
}

QString stringByAddingQueryDictionary(const QString &url, const QVariantMap &query) {
  if (query.isEmpty())
    return url;
  QStringList pairs;
  for (auto it = query.begin(); it != query.end(); ++it) {
    QString value = it.value().toString();
    value.replace(QLatin1Char('?'), QLatin1String("%3F")).replace(QLatin1Char('='), QLatin1String("%3D"));
    pairs << it.key() + QLatin1Char('=') + value;
  }
  const QChar joiner = url.contains(QLatin1Char('?')) ? QLatin1Char('&') : QLatin1Char('?');
  return url + joiner + pairs.join(QLatin1Char('&'));
}
