#include "QuillTest.h"

#include "common/FolderPaths.h"
#include "common/QNActivityIndicator.h"
#include "common/QNAlertView.h"
#include "common/QNButton.h"

#include <QTest>

namespace {
QPointF centreOf(const QGraphicsItem *item) {
  return item->mapRectToParent(item->boundingRect()).center();
}
} // namespace

// The panel's layout per type; nothing here is shown.
class QNAlertViewTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  // The buttons' localised titles.
  void initTestCase() { setResourceFolder(QUILL_RESOURCE_DIR); }
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  void layoutPerType_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("spinner");
    QTest::addColumn<QPointF>("okCentre");     // null: no OK button
    QTest::addColumn<QPointF>("cancelCentre"); // null: no Cancel button
    QTest::newRow("waiting") << int(QNAlertTypeWaiting) << true << QPointF() << QPointF();
    QTest::newRow("confirm") << int(QNAlertTypeConfirm) << false << QPointF(107, 160)
                             << QPointF(207, 160);
    QTest::newRow("notice") << int(QNAlertTypeNotice) << false << QPointF() << QPointF();
    QTest::newRow("message") << int(QNAlertTypeMessage) << false << QPointF(157, 160) << QPointF();
    QTest::newRow("other") << 9 << false << QPointF() << QPointF();
  }
  void layoutPerType() {
    QFETCH(int, type);
    QFETCH(bool, spinner);
    QFETCH(QPointF, okCentre);
    QFETCH(QPointF, cancelCentre);
    QNAlertView alert("TIP", "Short", type);
    QCOMPARE(alert.boundingRect(), QRectF(0, 0, 314, 180));
    QCOMPARE(alert.textRect(), QRectF(27, 50, 260, 50));
    QCOMPARE(alert.indicator() != nullptr, spinner);
    if (spinner) {
      QCOMPARE(centreOf(alert.indicator()), QPointF(157, 70));
      QVERIFY(alert.indicator()->isAnimating());
    }
    QCOMPARE(alert.confirmBtn() != nullptr, !okCentre.isNull());
    if (alert.confirmBtn())
      QCOMPARE(centreOf(alert.confirmBtn()), okCentre);
    QCOMPARE(alert.cancelBtn() != nullptr, !cancelCentre.isNull());
    if (alert.cancelBtn())
      QCOMPARE(centreOf(alert.cancelBtn()), cancelCentre);
  }

  void longTextGrowsDownAndMovesTheButtons() {
    const QString tip = QString("A rather long message that needs several lines. ").repeated(6);
    QNAlertView alert("TIP", tip, QNAlertTypeConfirm);
    const qreal d = alert.boundingRect().height() - 180;
    QVERIFY2(d > 40, qPrintable(QString::number(d)));
    QCOMPARE(alert.textRect().height(), 50 + d);
    QCOMPARE(centreOf(alert.confirmBtn()).y(), 160 + d);
    QCOMPARE(centreOf(alert.cancelBtn()).y(), 160 + d);

    QNAlertView waiting("", tip, QNAlertTypeWaiting);
    QCOMPARE(centreOf(waiting.indicator()).y(), (waiting.boundingRect().height() - 180) / 2 + 70);
  }

  void textMovesUpWithoutTitle() {
    QNAlertView alert("", "Saved", QNAlertTypeNotice);
    QCOMPARE(alert.textRect().topLeft(), QPointF(27, 40));
  }

  void buttonsCarryTheLocalisedTitles() {
    QNAlertView alert("TIP", "Delete?", QNAlertTypeConfirm);
    QCOMPARE(alert.confirmBtn()->title(), QString("OK"));
    QCOMPARE(alert.cancelBtn()->title(), QString("Cancel"));
  }

  void actionIsKeptOnlyForTypesWithOK_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("runs");
    QTest::newRow("waiting") << int(QNAlertTypeWaiting) << 0;
    QTest::newRow("confirm") << int(QNAlertTypeConfirm) << 1;
    QTest::newRow("notice") << int(QNAlertTypeNotice) << 0;
    QTest::newRow("message") << int(QNAlertTypeMessage) << 1;
  }
  void actionIsKeptOnlyForTypesWithOK() {
    QFETCH(int, type);
    QFETCH(int, runs);
    int ran = 0;
    QNAlertView alert("TIP", "text", type, [&] { ++ran; });
    alert.confirm();
    alert.confirm(); // a second OK does nothing
    QCOMPARE(ran, runs);
  }
};

QUILL_TEST(QNAlertViewTest)
#include "QNAlertViewTest.moc"
