#include "QuillTest.h"

#include "SceneFixture.h"
#include "common/QNButton.h"

#include <QSignalSpy>

namespace {
QPixmap filled(const QColor &colour) {
  QPixmap picture(40, 20);
  picture.fill(colour);
  return picture;
}
} // namespace

class QNButtonTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  void focusSwapsPicturesOnceEachWay() {
    QNButton button(filled(Qt::red), filled(Qt::blue));
    QCOMPARE(button.focused(), false);
    QCOMPARE(button.property("com.quill.uibutton.focused"), QVariant());
    button.setFocused(true);
    QCOMPARE(button.property("com.quill.uibutton.focused"), QVariant(true));
    QCOMPARE(button.normalPicture().toImage().pixelColor(0, 0), QColor(Qt::blue));
    button.setFocused(true); // the same value changes nothing
    QCOMPARE(button.normalPicture().toImage().pixelColor(0, 0), QColor(Qt::blue));
    button.setFocused(false);
    QCOMPARE(button.normalPicture().toImage().pixelColor(0, 0), QColor(Qt::red));
    QCOMPARE(button.highlightedPicture().toImage().pixelColor(0, 0), QColor(Qt::blue));
  }

  void sizeFollowsPictureUnlessSet() {
    QPixmap retina = filled(Qt::red);
    retina.setDevicePixelRatio(2);
    QNButton button(retina, QPixmap());
    QCOMPARE(button.boundingRect(), QRectF(0, 0, 20, 10));
    button.setSize({84, 32});
    button.setCenter({100, 100});
    QCOMPARE(button.sceneBoundingRect(), QRectF(58, 84, 84, 32));
  }

  void clickNeedsPressAndReleaseOnTheButton() {
    SceneFixture window;
    auto *button = new QNButton(filled(Qt::red), filled(Qt::blue));
    button->setPos(100, 100);
    window.scene->addItem(button);
    QSignalSpy clicked(button, &QNButton::clicked);
    window.click({120, 110});
    QCOMPARE(clicked.count(), 1);

    // Pressed, shown highlighted, then dragged off and released: no click.
    window.press({120, 110});
    QVERIFY(button->isHighlighted());
    window.moveTo({300, 300});
    QVERIFY(!button->isHighlighted());
    window.release({300, 300});
    QCOMPARE(clicked.count(), 1);

    button->setEnabled(false);
    window.click({120, 110});
    QCOMPARE(clicked.count(), 1);
  }
};

QUILL_TEST(QNButtonTest)
#include "QNButtonTest.moc"
