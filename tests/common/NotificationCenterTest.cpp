#include "QuillTest.h"

#include "common/NotificationCenter.h"

#include <QTest>
#include <QThread>
#include <memory>
#include <thread>

class NotificationCenterTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  void deliversByNameAndObject() {
    NotificationCenter center;
    int a = 0, b = 0;
    QStringList any;
    const int poster = 1;
    center.addObserver("Changed", &poster, [&](const Notification &) { ++a; });
    center.addObserver("Changed", &b, [&](const Notification &) { ++b; });
    center.addObserver("Changed", nullptr,
                       [&](const Notification &n) { any << n.userInfo.value("k").toString(); });
    center.postNotification("Changed", &poster, {{"k", "v"}});
    center.postNotification("Other", &poster);
    QCOMPARE(a, 1);
    QCOMPARE(b, 0);
    QCOMPARE(any, QStringList{"v"});
  }

  void removedObserverHearsNothing() {
    NotificationCenter center;
    int heard = 0;
    int second = 0;
    // The first observer removes the second while the post is being delivered.
    center.addObserver("N", nullptr, [&](const Notification &) { center.removeObserver(second); });
    second = center.addObserver("N", nullptr, [&](const Notification &) { ++heard; });
    center.postNotification("N");
    center.postNotification("N");
    QCOMPARE(heard, 0);
  }

  void observationEndsWithItsOwner() {
    int heard = 0;
    {
      NotificationObservation observation("Scoped", nullptr,
                                          [&](const Notification &) { ++heard; });
      NotificationCenter::defaultCenter().postNotification("Scoped");
    }
    NotificationCenter::defaultCenter().postNotification("Scoped");
    QCOMPARE(heard, 1);
  }

  // An observer with a context hears a post from another thread on the
  // context's thread, and nothing once the context is gone.
  void contextTakesDeliveryToItsThread_data() {
    QTest::addColumn<bool>("contextGoes");
    QTest::newRow("context lives") << false;
    QTest::newRow("context destroyed before delivery") << true;
  }
  void contextTakesDeliveryToItsThread() {
    QFETCH(bool, contextGoes);
    NotificationCenter center;
    auto context = std::make_unique<QObject>();
    QList<QThread *> heardOn;
    center.addObserver("Saved", nullptr, context.get(),
                       [&](const Notification &) { heardOn.append(QThread::currentThread()); });
    std::thread poster([&center] { center.postNotification("Saved"); });
    poster.join();
    QVERIFY(heardOn.isEmpty()); // queued, not run on the poster's thread
    if (contextGoes)
      context.reset();
    QCoreApplication::processEvents();
    QCOMPARE(heardOn,
             contextGoes ? QList<QThread *>() : QList<QThread *>{QThread::currentThread()});
    center.postNotification("Saved"); // the same thread: at once, while the context lives
    QCOMPARE(heardOn.size(), contextGoes ? 0 : 2);
  }
};

QUILL_TEST(NotificationCenterTest)
#include "NotificationCenterTest.moc"
