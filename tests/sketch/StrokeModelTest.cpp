#include "QuillTest.h"

#include "sketch/DrawClear.h"
#include "sketch/DrawPath.h"
#include "sketch/DrawPathGroup.h"
#include "sketch/StrokeGeometry.h"

#include <QPainter>
#include <QTest>
#include <cmath>

// The stroke items' bounds and painting, and the stroke-building rules.
class StrokeModelTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  void frameGrowsByLineWidth_data() {
    QTest::addColumn<QPainterPath>("path");
    QTest::addColumn<float>("width");
    QTest::addColumn<QRectF>("frame");
    QPainterPath tap(QPointF(10, 20));
    QTest::newRow("tap") << tap << 6.0f << QRectF(4, 14, 12, 12);
    QPainterPath line(QPointF(10, 20));
    line.lineTo(40, 30);
    QTest::newRow("line") << line << 2.0f << QRectF(8, 18, 34, 14);
  }
  void frameGrowsByLineWidth() {
    QFETCH(QPainterPath, path);
    QFETCH(float, width);
    QFETCH(QRectF, frame);
    QCOMPARE(DrawPath::pathWithPath(path, Qt::black, width, false)->frame(), frame);
  }

  void groupFrameIsUnionOfPieces() {
    QPainterPath a(QPointF(0, 0)), b(QPointF(100, 50));
    a.lineTo(10, 10);
    b.lineTo(120, 60);
    DrawPathGroup group({DrawPath::pathWithPath(a, Qt::black, 1, false),
                         DrawPath::pathWithPath(b, Qt::black, 1, false)});
    QCOMPARE(group.frame(), QRectF(-1, -1, 122, 62));
  }

  // A rubber piece and a clear erase whatever lies under them, whatever colour they carry.
  void rubberAndClearErase() {
    QImage image(100, 100, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::red);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path(QPointF(10, 50));
    path.lineTo(40, 50);
    DrawPath::pathWithPath(path, QColor(0, 0, 255, 128), 10, true)->draw(painter);
    DrawClear(QRectF(60, 0, 40, 100)).drawRect(painter, QRectF(90, 90, 5, 5));
    DrawClear(QRectF(0, 0, 10, 10)).drawRect(painter, QRectF(50, 50, 5, 5)); // misses
    painter.end();
    QCOMPARE(qAlpha(image.pixel(25, 50)), 0);
    QCOMPARE(qAlpha(image.pixel(80, 10)), 0);
    QCOMPARE(image.pixel(5, 5), QColor(Qt::red).rgba());
    QCOMPARE(image.pixel(25, 20), QColor(Qt::red).rgba());
  }

  void smoothingSegmentsMeet() {
    const QPointF p[] = {{0, 0}, {10, 0}, {20, 10}, {20, 30}};
    const QPainterPath first = StrokeGeometry::smoothingSegment(p[0], p[1], p[2]);
    const QPainterPath second = StrokeGeometry::smoothingSegment(p[1], p[2], p[3]);
    QCOMPARE(first.pointAtPercent(1), second.pointAtPercent(0));
    QCOMPARE(first.pointAtPercent(0), QPointF(5, 0));
    QCOMPARE(second.pointAtPercent(1), QPointF(20, 20));
  }

  void penWidthRule_data() {
    QTest::addColumn<float>("width");
    QTest::addColumn<qreal>("d1");
    QTest::addColumn<qreal>("d2");
    QTest::addColumn<float>("expected");
    const float scale = 0.6f; // strokeWidth 6
    // The first moved segment starts from 10 × lineScale and is clamped to 8 × lineScale.
    QTest::newRow("first segment, slow") << 10 * scale << 1.0 << 0.0 << 8 * scale;
    QTest::newRow("first segment, fast") << 10 * scale << 60.0 << 0.0 << 8 * scale;
    QTest::newRow("steady") << 5 * scale << 12.0 << 12.0 << 5 * scale;
    const float faster = 5 * scale + float(std::cbrt(1.0) / -1.2) * scale;
    QTest::newRow("speeding up") << 5 * scale << 22.0 << 12.0 << faster;
    QTest::newRow("clamped thin") << 2.2f * scale << 400.0 << 0.0 << 2 * scale;
    QTest::newRow("clamped thick") << 7.9f * scale << 0.0 << 400.0 << 8 * scale;
  }
  void penWidthRule() {
    QFETCH(float, width);
    QFETCH(qreal, d1);
    QFETCH(qreal, d2);
    QFETCH(float, expected);
    QCOMPARE(StrokeGeometry::penWidthAfterStep(width, 0.6f, d1, d2), expected);
  }
};

QUILL_TEST(StrokeModelTest)
#include "StrokeModelTest.moc"
