#include "QuillTest.h"

#include "SceneFixture.h"
#include "common/QNCircleProgressView.h"
#include "common/QNScrollTitleView.h"
#include "common/QNSwitch.h"
#include "common/ViewHelpers.h"

#include <QImage>

#include <cmath>
#include <numbers>

namespace {
// The ring's colour at angle degrees (anticlockwise from three o'clock) on its circle.
QColor ringColourAt(const QNCircleProgressView &ring, qreal degrees) {
  const QImage image = imageFromView(&ring);
  const qreal a = degrees * std::numbers::pi / 180;
  const QPointF centre = ring.boundingRect().center();
  const QPointF p = centre + ring.radius() * QPointF(std::cos(a), -std::sin(a));
  return image.pixelColor((p * image.devicePixelRatio()).toPoint());
}

QNCircleProgressView *colouredRing(qreal progress) {
  auto *ring = new QNCircleProgressView(40);
  ring->setInnerColor(Qt::red);
  ring->setEmptyColor(Qt::gray);
  ring->setProgress(progress);
  return ring;
}
} // namespace

// The ring, the slide switch and the scrolling title.
class SharedControlsTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  void ringSizeAndClampedProgress() {
    QNCircleProgressView ring(40);
    QCOMPARE(ring.boundingRect(), QRectF(0, 0, 95, 95));
    ring.setPos(100, 100);
    ring.setRadius(20);
    QCOMPARE(ring.sceneBoundingRect(), QRectF(120, 120, 55, 55)); // same centre
    ring.setOuterWidth(5);
    QCOMPARE(ring.sceneBoundingRect().center(), QPointF(147.5, 147.5));
    ring.setProgress(1.5);
    QCOMPARE(ring.progress(), 1.0);
    ring.setProgress(-0.2);
    QCOMPARE(ring.progress(), 0.0);
  }

  void ringDrawsClockwiseFromNine() {
    std::unique_ptr<QNCircleProgressView> quarter(colouredRing(0.25));
    QCOMPARE(ringColourAt(*quarter, 135), QColor(Qt::red)); // between nine and twelve
    QCOMPARE(ringColourAt(*quarter, 0), QColor(Qt::gray));
    QCOMPARE(ringColourAt(*quarter, 225), QColor(Qt::gray));
    std::unique_ptr<QNCircleProgressView> over(colouredRing(1.5));
    std::unique_ptr<QNCircleProgressView> full(colouredRing(1));
    for (qreal degrees : {0, 90, 270})
      QCOMPARE(ringColourAt(*over, degrees), QColor(Qt::red));
    QCOMPARE(imageFromView(over.get()), imageFromView(full.get()));
    std::unique_ptr<QNCircleProgressView> below(colouredRing(-0.2));
    std::unique_ptr<QNCircleProgressView> none(colouredRing(0));
    QCOMPARE(imageFromView(below.get()), imageFromView(none.get()));
  }

  void switchTapsAndDrags() {
    SceneFixture window;
    auto *toggle = new QNSwitch(QRectF(100, 100, 80, 30), QPixmap(), QPixmap(), QPixmap());
    window.scene->addItem(toggle);
    QObject target;
    QList<int> heard;
    toggle->setTarget(&target, [&](QNSwitch *sender) { heard << sender->state(); });
    QCOMPARE(toggle->knobLeft(), 0.0);
    QCOMPARE(toggle->leftImageOpacity(), 1.0);

    window.click({160, 115}); // a tap anywhere flips it
    QCOMPARE(toggle->state(), 1);
    QCOMPARE(toggle->knobLeft(), 50.0);
    QCOMPARE(toggle->rightImageOpacity(), 1.0);
    toggle->setState(1); // unchanged: nobody is told
    QCOMPARE(heard, QList<int>{1});

    // Dragging the knob back a little cross-fades, but stays on; letting go snaps right.
    window.press({165, 115});
    window.moveTo({150, 115});
    QCOMPARE(toggle->knobLeft(), 35.0);
    QCOMPARE(toggle->leftImageOpacity(), 1 - 0.7);
    window.release({150, 115});
    QCOMPARE(toggle->state(), 1);
    QCOMPARE(toggle->knobLeft(), 50.0);

    // Past the middle and let go: off, snapped to the left edge.
    window.press({165, 115});
    window.moveTo({120, 115});
    QCOMPARE(toggle->state(), 0);
    window.release({120, 115});
    QCOMPARE(toggle->knobLeft(), 0.0);
    QCOMPARE(heard, (QList<int>{1, 0}));

    // Dragging from off the knob moves nothing.
    window.press({170, 115});
    window.moveTo({130, 115});
    window.release({130, 115});
    QCOMPARE(toggle->knobLeft(), 0.0);
    QCOMPARE(toggle->state(), 0);

    toggle->removeTarget();
    toggle->setState(1);
    QCOMPARE(heard.size(), 2);
  }

  void switchForgetsAGoneTarget() {
    QNSwitch toggle(QRectF(0, 0, 80, 30), QPixmap(), QPixmap(), QPixmap());
    int heard = 0;
    {
      QObject target;
      toggle.setTarget(&target, [&](QNSwitch *) { ++heard; });
      toggle.setState(1);
    }
    toggle.setState(0);
    QCOMPARE(heard, 1);
  }

  void shortTitleStaysCentred() {
    QNScrollTitleView title(QRectF(0, 0, 300, 32));
    title.setTitle("Rec");
    title.startAnimating();
    QVERIFY(title.isAnimating());
    QVERIFY(!title.isScrolling());
    QCOMPARE(title.labelRect(), QRectF(0, 0, 300, 32));
    QCOMPARE(title.scrollDuration(), 0);
  }

  void longTitleScrollsThereAndBack() {
    QNScrollTitleView title(QRectF(0, 0, 75, 32));
    title.setTitle("A recording with a rather long name");
    const qreal overhang = title.labelRect().width() - 75;
    QVERIFY(overhang > 20);
    QCOMPARE(title.labelRect().center().x(), 37.5); // centred while still
    QCOMPARE(title.scrollDuration(), qRound(overhang * 100));
    title.startAnimating();
    QVERIFY(title.isScrolling());
    QVERIFY(qAbs(title.labelRect().left()) < 0.5); // starts at its left end
    QTRY_VERIFY(title.labelRect().left() < -1);
    QVERIFY(title.labelRect().right() >= 75);
    title.setTitle("Rec"); // a new text that fits ends the scroll
    QVERIFY(!title.isScrolling());
    title.setTitle("A recording with a rather long name");
    QVERIFY(title.isScrolling());
    title.stopAnimating();
    QVERIFY(!title.isScrolling());
    QCOMPARE(title.labelRect().center().x(), 37.5);
  }
};

QUILL_TEST(SharedControlsTest)
#include "SharedControlsTest.moc"
