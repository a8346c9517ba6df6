#include "QuillTest.h"

#include <QRegularExpression>
#include <QTest>
#include <atomic>

namespace {
// Qt Test's handler, installed by QTest::qExec for the run of one class.
std::atomic<QtMessageHandler> testHandler{nullptr};

// What the offscreen platform says about window features it lacks; it says nothing about Quill.
bool isPlatformNoise(const QString &message) {
  return message == QLatin1String("This plugin does not support propagateSizeHints()");
}

// Qt 6.4's failOnWarning looks at warnings only: a critical goes on as a warning, so that the
// same rule and the same ignoreMessage apply to it. Platform noise goes on as information.
void relay(QtMsgType type, const QMessageLogContext &context, const QString &message) {
  const QtMessageHandler next = testHandler.load();
  if (!next)
    return;
  if (type == QtWarningMsg && isPlatformNoise(message))
    type = QtInfoMsg;
  else if (type == QtCriticalMsg)
    type = QtWarningMsg;
  next(type, context, message);
}
} // namespace

void QuillTest::failOnUnexpectedWarnings() {
  // QTest::qExec puts its own handler back in place for every class it runs.
  const QtMessageHandler previous = qInstallMessageHandler(relay);
  if (previous != relay)
    testHandler = previous;
  QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
}

void QuillTest::expectLogLine(const char *label, const QString &detailsEnd) {
  // "<function>(<line>): <label>: <domain> <code> <details>"
  const QString pattern = QStringLiteral("\\(\\d+\\): %1: \\S+ -?\\d+ .*%2$")
                              .arg(QRegularExpression::escape(QLatin1String(label)),
                                   QRegularExpression::escape(detailsEnd));
  QTest::ignoreMessage(QtWarningMsg, QRegularExpression(pattern));
}
