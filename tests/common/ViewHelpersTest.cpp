#include "QuillTest.h"

#include "common/ViewFrame.h"
#include "common/ViewHelpers.h"

#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsWidget>
#include <QImage>
#include <QPointer>
#include <QTest>

class ViewHelpersTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  void snapshotShowsTheItemAndItsChildrenOnly() {
    QGraphicsScene scene(0, 0, 400, 400);
    scene.addRect(0, 0, 400, 400, Qt::NoPen, Qt::yellow); // under the item: left out
    auto *item = scene.addRect(0, 0, 100, 50, Qt::NoPen, Qt::red);
    item->setPos(30, 40);
    item->setRotation(30); // the item's own transform is left out too
    auto *child = new QGraphicsRectItem(0, 0, 10, 10, item);
    child->setBrush(Qt::blue);
    child->setPen(Qt::NoPen);
    child->setPos(80, 30);
    auto *hidden = new QGraphicsRectItem(0, 0, 10, 10, item);
    hidden->setBrush(Qt::green);
    hidden->setVisible(false);

    const QImage image = imageFromView(item);
    QCOMPARE(image.size(), QSize(200, 100));
    QCOMPARE(image.devicePixelRatio(), 2.0);
    QCOMPARE(image.pixelColor(10, 10), QColor(Qt::red));
    QCOMPARE(image.pixelColor(170, 70), QColor(Qt::blue));
    QCOMPARE(image.pixelColor(5, 5), QColor(Qt::red)); // no green from the hidden child
  }

  void snapshotIsTransparentWhereNothingDraws() {
    QGraphicsRectItem item(0, 0, 20, 20);
    item.setPen(Qt::NoPen);
    auto *child = new QGraphicsRectItem(0, 0, 5, 5, &item);
    child->setBrush(Qt::black);
    child->setOpacity(0.5);
    const QImage image = imageFromView(&item);
    QCOMPARE(image.pixelColor(30, 30).alpha(), 0);
    QVERIFY(qAbs(image.pixelColor(2, 2).alpha() - 128) <= 1);
    QVERIFY(imageFromView(nullptr).isNull());
  }

  void frameAccessorsMoveAndResize() {
    QGraphicsRectItem item(0, 0, 100, 50);
    item.setPen(Qt::NoPen); // a pen would widen the bounds by half its width
    item.setPos(10, 20);
    QCOMPARE(right(&item), 110.0);
    QCOMPARE(bottom(&item), 70.0);
    QCOMPARE(centerX(&item), 60.0);
    QCOMPARE(size(&item), QSizeF(100, 50));
    setRight(&item, 300);
    QCOMPARE(origin(&item), QPointF(200, 20));
    setBottom(&item, 100);
    setCenterX(&item, 50);
    QCOMPARE(item.pos(), QPointF(0, 50));
    setWidth(&item, 10); // not resizable: unchanged
    QCOMPARE(width(&item), 100.0);

    QGraphicsWidget widget;
    widget.setGeometry(5, 5, 40, 30);
    setWidth(&widget, 80);
    setHeight(&widget, 60);
    QCOMPARE(widget.geometry(), QRectF(5, 5, 80, 60));
    setOrigin(&widget, {0, 0});
    setCenterY(&widget, 100);
    QCOMPARE(widget.geometry(), QRectF(0, 70, 80, 60));
    QCOMPARE(left(nullptr), 0.0);
  }

  void pointsAndChildren() {
    QGraphicsScene scene;
    auto *outer = scene.addRect(0, 0, 200, 200);
    outer->setPos(100, 100);
    auto *inner = new QGraphicsRectItem(0, 0, 20, 20, outer);
    inner->setPos(50, 50);
    QCOMPARE(centerOfView(inner), QPointF(10, 10));
    QVERIFY(containsPoint(inner, QPointF(5, 5)));
    QVERIFY(!containsPoint(inner, QPointF(25, 5)));
    QVERIFY(containsPoint(inner, QPointF(60, 60), outer));
    QVERIFY(containsPoint(inner, QPointF(160, 160), nullptr)); // scene coordinates
    QVERIFY(!containsPoint(inner, QPointF(60, 60), nullptr));

    moveByOffset(inner, {5, -5});
    QCOMPARE(inner->pos(), QPointF(55, 45));
    new QGraphicsRectItem(outer);
    removeAllSubviews(outer);
    QVERIFY(outer->childItems().isEmpty());
  }
};

QUILL_TEST(ViewHelpersTest)
#include "ViewHelpersTest.moc"
