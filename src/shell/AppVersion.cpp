#include "AppVersion.h"

#include <QRegularExpression>

QString bundleVersionText() {
  return QStringLiteral(QUILL_BUNDLE_VERSION);
}

float bundleVersionNumber(const QString &text) {
  static const QRegularExpression leadingNumber(
      QStringLiteral("^\\s*([+-]?(\\d+\\.?\\d*|\\.\\d+))"));
  const QRegularExpressionMatch match = leadingNumber.match(text);
  return match.hasMatch() ? match.captured(1).toFloat() : 0.0f;
}
