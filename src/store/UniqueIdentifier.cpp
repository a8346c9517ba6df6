#include "UniqueIdentifier.h"

#include "common/Identifiers.h"

#include <QDateTime>
#include <atomic>

namespace {
// The last second handed out by this process, so that two identifiers made
// within one second still differ.
std::atomic<qint64> lastSecond{0};

qint64 claimSecondFrom(qint64 wanted) {
  qint64 last = lastSecond.load();
  qint64 second = 0;
  do {
    second = std::max(wanted, last + 1);
  } while (!lastSecond.compare_exchange_weak(last, second));
  return second;
}
} // namespace

QString uniqueSecondsDigest(const std::function<bool(const QString &digest)> &isTaken) {
  qint64 second = claimSecondFrom(QDateTime::currentSecsSinceEpoch());
  QString digest = md5StringOfString(QString::number(second));
  while (isTaken && isTaken(digest)) {
    second = claimSecondFrom(second + 1);
    digest = md5StringOfString(QString::number(second));
  }
  return digest;
}
