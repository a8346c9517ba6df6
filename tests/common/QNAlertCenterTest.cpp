#include "QuillTest.h"

#include "SceneFixture.h"
#include "common/FolderPaths.h"
#include "common/QNActivityIndicator.h"
#include "common/QNAlertCenter.h"
#include "common/QNAlertView.h"
#include "common/QNButton.h"

#include <QCoreApplication>
#include <QPointer>
#include <QScopeGuard>
#include <QSemaphore>
#include <QSignalSpy>
#include <QThread>
#include <QTimer>

namespace {
QNAlertCenter &center() { return QNAlertCenter::sharedQNAlertCenter(); }

QPointF sceneCentre(const QGraphicsItem *item) { return item->sceneBoundingRect().center(); }

// A page item that counts the presses reaching it.
class PressCounter : public QGraphicsRectItem {
public:
  using QGraphicsRectItem::QGraphicsRectItem;
  int presses = 0;

protected:
  void mousePressEvent(QGraphicsSceneMouseEvent *) override { ++presses; }
};
} // namespace

// Alerts on the window's real scene, clicked through the view.
class QNAlertCenterTest : public QObject {
  Q_OBJECT
  std::unique_ptr<SceneFixture> window;

  // Shows an alert and waits until it has popped in, so clicks land where it rests.
  QPointer<QNAlertView> shown(const QString &tip, int type, QNAlertView::Action action = {}) {
    QPointer<QNAlertView> alert = QNAlertView::alertWithTitle("TIP", tip, type, std::move(action));
    if (!QTest::qWaitFor([&] { return alert && alert->scale() == 1.0; }, 2000))
      qWarning("alert did not settle");
    return alert;
  }

private Q_SLOTS:
  // The buttons' localised titles.
  void initTestCase() { setResourceFolder(QUILL_RESOURCE_DIR); }
  void init() {
    QuillTest::failOnUnexpectedWarnings();
    window = std::make_unique<SceneFixture>();
    center().setScene(window->scene.get());
  }
  void cleanup() {
    center().setScene(nullptr);
    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void showsCentredOverOneMask() {
    QPointer<QNAlertView> alert = QNAlertView::alertWithTitle("TIP", "Saved", QNAlertTypeMessage);
    QCOMPARE(center().alerts(), QList<QNAlertView *>{alert});
    QCOMPARE(alert->scene(), window->scene.get());
    QVERIFY(alert->scale() < 0.01); // pops in from almost nothing
    QGraphicsObject *mask = center().maskView();
    QVERIFY(mask);
    QCOMPARE(mask->opacity(), 0.3);
    QCOMPARE(mask->sceneBoundingRect(), QRectF(0, 0, 768, 1024));
    QVERIFY(alert->zValue() > mask->zValue());
    QTRY_COMPARE_WITH_TIMEOUT(alert->scale(), 1.0, 1000);
    QCOMPARE(sceneCentre(alert), QPointF(384, 512));
  }

  void noticeClosesItselfAfterOneSecond() {
    QPointer<QNAlertView> notice = QNAlertView::alertWithTitle("TIP", "Saved", QNAlertTypeNotice);
    QTimer *timer = notice->closeTimer();
    QVERIFY(timer && timer->isActive() && timer->isSingleShot());
    QCOMPARE(timer->interval(), 1000);
    QCOMPARE(center().alerts().size(), 1);
    QSignalSpy timedOut(timer, &QTimer::timeout);
    QVERIFY(timedOut.wait(5000));
    QVERIFY(center().alerts().isEmpty()); // closed by the timeout
    QTRY_VERIFY_WITH_TIMEOUT(notice.isNull(), 600); // faded out, taken off and deleted
    QVERIFY(!center().maskView());
  }

  void buttonsRunTheActionAsClicked_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("clickOK");
    QTest::addColumn<int>("runs");
    QTest::newRow("confirm OK") << int(QNAlertTypeConfirm) << true << 1;
    QTest::newRow("confirm Cancel") << int(QNAlertTypeConfirm) << false << 0;
    QTest::newRow("message OK") << int(QNAlertTypeMessage) << true << 1;
  }
  void buttonsRunTheActionAsClicked() {
    QFETCH(int, type);
    QFETCH(bool, clickOK);
    QFETCH(int, runs);
    int ran = 0;
    QPointer<QNAlertView> alert = shown("Delete this page?", type, [&] { ++ran; });
    const QPointF target = sceneCentre(clickOK ? alert->confirmBtn() : alert->cancelBtn());
    window->click(target);
    window->click(target); // the alert is closing: a second click does nothing
    QCOMPARE(ran, runs);
    QVERIFY(center().alerts().isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(alert.isNull(), 1000);
    QVERIFY(!center().maskView());
  }

  void alertWithDelegateShowsAMessage() {
    bool told = false;
    QPointer<QNAlertView> alert = alertWithDelegate([&] { told = true; }, "TIP", "Sent");
    QCOMPARE(alert->type(), int(QNAlertTypeMessage));
    QVERIFY(!alert->cancelBtn());
    QTRY_COMPARE_WITH_TIMEOUT(alert->scale(), 1.0, 1000);
    window->click(sceneCentre(alert->confirmBtn()));
    QVERIFY(told);
  }

  void maskAndPanelSwallowTouches() {
    auto *button = new PressCounter(0, 0, 768, 1024);
    window->scene->addItem(button);
    QPointer<QNAlertView> alert = shown("Wait", QNAlertTypeConfirm);
    window->click({20, 20});     // on the mask
    window->click({384, 460});   // on the panel, beside its buttons
    QCOMPARE(button->presses, 0);
    QCOMPARE(center().alerts().size(), 1);
    center().dismissAlert(alert, false);
    window->click({20, 20});
    QCOMPARE(button->presses, 1);
  }

  void dismissWithoutAnimationRemovesAtOnce() {
    QPointer<QNAlertView> waiting = QNAlertView::alertWithTitle("SAVING", "", QNAlertTypeWaiting);
    QVERIFY(waiting->indicator()->isAnimating());
    center().dismissAlert(waiting, false);
    QVERIFY(center().alerts().isEmpty());
    QVERIFY(!center().maskView());
    QVERIFY(!waiting || !waiting->scene());
    center().dismissAlert(waiting, true); // a second dismissal is harmless
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(waiting.isNull());
  }

  void twoAlertsShareTheMaskUntilTheLastGoes() {
    QPointer<QNAlertView> first = QNAlertView::alertWithTitle("TIP", "one", QNAlertTypeWaiting);
    QPointer<QNAlertView> second = QNAlertView::alertWithTitle("TIP", "two", QNAlertTypeWaiting);
    second->setIdentifier("second");
    QCOMPARE(center().alertWithIdentifier("second"), second.data());
    QCOMPARE(center().alertWithIdentifier("none"), nullptr);
    QVERIFY(second->zValue() > first->zValue());
    QGraphicsObject *mask = center().maskView();
    QCOMPARE(window->scene->items().count(mask), 1);

    first->dismissAnimated(true);
    QTRY_VERIFY_WITH_TIMEOUT(first.isNull(), 1000);
    QCOMPARE(center().maskView(), mask);
    QCOMPARE(mask->opacity(), 0.3);
    second->dismissAnimated(true);
    QTRY_VERIFY_WITH_TIMEOUT(!center().maskView(), 1000);
  }

  void alertShownWhileTheLastFadesKeepsTheMask() {
    QPointer<QNAlertView> first = QNAlertView::alertWithTitle("TIP", "one", QNAlertTypeWaiting);
    first->dismissAnimated(true);
    QTRY_VERIFY_WITH_TIMEOUT(center().maskView()->opacity() < 0.3, 1000); // the mask fades
    QPointer<QNAlertView> second = QNAlertView::alertWithTitle("TIP", "two", QNAlertTypeWaiting);
    QTRY_VERIFY_WITH_TIMEOUT(first.isNull(), 1000);
    // The second pops in for longer than the first's fade, so a fade left running has ended.
    QTRY_COMPARE_WITH_TIMEOUT(second->scale(), 1.0, 2000);
    QVERIFY(center().maskView());
    QCOMPARE(center().maskView()->opacity(), 0.3);
    QCOMPARE(second->opacity(), 1.0);
  }

  void taskRunsInTheBackgroundBehindASpinner() {
    QThread *taskThread = nullptr;
    QThread *finishThread = nullptr;
    QSemaphore running;
    QSemaphore release;
    QCOMPARE(center().alerts().size(), 0);
    QNAlertCenter::taskWithAlert(
        "SAVING",
        [&] {
          taskThread = QThread::currentThread();
          running.release();
          release.acquire(); // held until the spinner has been seen
        },
        [&] { finishThread = QThread::currentThread(); });
    auto unblock = qScopeGuard([&] { release.release(); }); // also when a check fails
    QVERIFY(running.tryAcquire(1, 5000));
    QCOMPARE(center().alerts().size(), 1);
    QCOMPARE(center().alerts().first()->type(), int(QNAlertTypeWaiting));
    QCOMPARE(center().alerts().first()->title(), QString("SAVING"));
    QCoreApplication::processEvents();
    QVERIFY(!finishThread);
    unblock.dismiss();
    release.release();
    QTRY_VERIFY_WITH_TIMEOUT(finishThread, 2000);
    QVERIFY(taskThread && taskThread != QThread::currentThread());
    QCOMPARE(finishThread, QThread::currentThread());
    QVERIFY(center().alerts().isEmpty());
  }

  void withoutASceneNothingIsShown() {
    center().setScene(nullptr);
    QuillTest::expectLogLine("alert: show", "no scene to show in: TIP");
    QuillTest::expectLogLine("alert: show", "no scene to show in: SAVING");
    QPointer<QNAlertView> alert = QNAlertView::alertWithTitle("TIP", "lost", QNAlertTypeConfirm);
    QVERIFY(center().alerts().isEmpty());
    QVERIFY(!center().maskView());
    center().dismissAlert(alert, true);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(alert.isNull());
    bool finished = false;
    QNAlertCenter::taskWithAlert("SAVING", [] {}, [&] { finished = true; });
    QTRY_VERIFY_WITH_TIMEOUT(finished, 2000);
  }

  void alertsLeaveAnOldScene() {
    QPointer<QNAlertView> alert = QNAlertView::alertWithTitle("TIP", "x", QNAlertTypeWaiting);
    QGraphicsScene other(0, 0, 768, 1024);
    center().setScene(&other);
    QVERIFY(center().alerts().isEmpty());
    QVERIFY(!alert || !alert->scene());
    QVERIFY(window->scene->items().size() == 1); // only the page is left
    center().setScene(window->scene.get());
  }
};

QUILL_TEST(QNAlertCenterTest)
#include "QNAlertCenterTest.moc"
