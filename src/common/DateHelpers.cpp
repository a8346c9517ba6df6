#include "DateHelpers.h"

#include "Localization.h"

#include <QLocale>

namespace {
QLocale usLocale() { return QLocale(QLocale::English, QLocale::UnitedStates); }

QString filled(const char *key, qint64 number) {
  return localizedString(QString::fromLatin1(key)).replace(QLatin1String("%d"), QString::number(number));
}

// Qt's field for one run of a Unicode pattern letter, or a null text for a
// field Qt cannot read.
QString qtField(QChar letter, qsizetype count) {
  switch (letter.unicode()) {
  case 'y':
  case 'Y':
    return count == 2 ? QStringLiteral("yy") : QStringLiteral("yyyy");
  case 'M':
  case 'L':
    return QString(qMin<qsizetype>(count, 4), QLatin1Char('M'));
  case 'd':
  case 'H':
  case 'h':
  case 'm':
  case 's':
    return QString(qMin<qsizetype>(count, 2), letter);
  case 'E':
    return count >= 4 ? QStringLiteral("dddd") : QStringLiteral("ddd");
  case 'S':
    return count >= 3 ? QStringLiteral("zzz") : QStringLiteral("z");
  case 'a':
    return QStringLiteral("AP");
  case 'Z':
  case 'z':
  case 'x':
  case 'X':
  case 'O':
    return QStringLiteral("t");
  default:
    return {};
  }
}

// Rewrites a Unicode (platform) date pattern into Qt's format language, with
// every literal quoted; a null text when a field has no Qt counterpart.
QString qtFormat(const QString &pattern) {
  QString format;
  QString literal;
  auto flushLiteral = [&] {
    if (!literal.isEmpty())
      format += QLatin1Char('\'') + literal + QLatin1Char('\'');
    literal.clear();
  };
  for (qsizetype i = 0; i < pattern.size();) {
    const QChar c = pattern.at(i);
    if (c == QLatin1Char('\'')) {
      const qsizetype end = pattern.indexOf(QLatin1Char('\''), i + 1);
      if (end == i + 1) {
        literal += QStringLiteral("''"); // a doubled quote is one quote character
        i += 2;
        continue;
      }
      literal += pattern.mid(i + 1, end < 0 ? -1 : end - i - 1);
      i = end < 0 ? pattern.size() : end + 1;
      continue;
    }
    if (!(c.isLetter() && c.unicode() < 128)) {
      literal += c;
      ++i;
      continue;
    }
    qsizetype count = 1;
    while (i + count < pattern.size() && pattern.at(i + count) == c)
      ++count;
    const QString field = qtField(c, count);
    if (field.isNull())
      return {};
    flushLiteral();
    format += field;
    i += count;
  }
  flushLiteral();
  return format;
}
} // namespace

QString descriptionFromNow(const QDateTime &date, const QDateTime &now) {
  if (!date.isValid())
    return {};
  const qint64 s = date.secsTo(now);
  if (s <= 0)
    return localizedString(QStringLiteral("Just Now"));
  if (s < 60)
    return filled("%d seconds ago", s);
  if (s < 3600)
    return filled("%d minutes ago", s / 60);
  if (s <= 86399)
    return filled("%d hours ago", s / 3600);
  return usLocale().toString(date.toLocalTime(), QStringLiteral("MM-dd HH:mm"));
}

QString stringWithSeperator(const QDateTime &date, const QString &separator, bool includeYear) {
  if (!date.isValid())
    return {};
  const QString sep = separator.isNull() ? QStringLiteral("-") : separator;
  const QDate day = date.toLocalTime().date();
  const auto twoDigits = [](int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
  QString text = twoDigits(day.month()) + sep + twoDigits(day.day());
  if (includeYear)
    text.prepend(QStringLiteral("%1").arg(day.year(), 4, 10, QLatin1Char('0')) + sep);
  return text;
}

QDateTime dateWithString(const QString &text, const QString &pattern) {
  const QString format = qtFormat(pattern);
  if (format.isEmpty() || text.isEmpty())
    return {};
  return usLocale().toDateTime(text, format);
}
