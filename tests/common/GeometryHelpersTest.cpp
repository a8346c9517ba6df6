#include "QuillTest.h"

#include "common/GeometryHelpers.h"

#include <QTest>

#include <numbers>

class GeometryHelpersTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  void angleBetweenPoints_data() {
    QTest::addColumn<QPointF>("p");
    QTest::addColumn<QPointF>("q");
    QTest::addColumn<double>("expected");
    const double pi = std::numbers::pi;
    const QPointF q(100, 100);
    QTest::newRow("same point") << q << q << 0.0;
    QTest::newRow("right") << QPointF(150, 100) << q << 0.0;
    QTest::newRow("straight above") << QPointF(100, 40) << q << pi / 2;
    QTest::newRow("left") << QPointF(20, 100) << q << pi;
    QTest::newRow("straight below") << QPointF(100, 160) << q << 3 * pi / 2;
    QTest::newRow("up right") << QPointF(110, 90) << q << pi / 4;
    QTest::newRow("down right") << QPointF(110, 110) << q << 7 * pi / 4;
  }
  void angleBetweenPoints() {
    QFETCH(QPointF, p);
    QFETCH(QPointF, q);
    QFETCH(double, expected);
    const double angle = ::angleBetweenPoints(p, q);
    QVERIFY2(qAbs(angle - expected) < 1e-9, qPrintable(QString::number(angle)));
    QVERIFY(angle >= 0 && angle < 2 * std::numbers::pi);
  }

  void distanceAndRectangles() {
    QCOMPARE(distanceBetweenPoints({0, 0}, {3, -4}), 5.0);
    QCOMPARE(distanceBetweenPoints({2, 2}, {2, 2}), 0.0);
    QCOMPARE(rectWithCenterAndSize({384, 512}, {314, 180}), QRectF(227, 422, 314, 180));
  }
};

QUILL_TEST(GeometryHelpersTest)
#include "GeometryHelpersTest.moc"
