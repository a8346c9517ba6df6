#include "QuillTest.h"

#include "editor/NoteBackgroundView.h"

#include <QGraphicsScene>
#include <QPainter>
#include <QTest>

class NoteBackgroundViewTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  // A 100 by 60 picture with a red top-left pixel block and a blue rest.
  void tilesFromTopLeftCorner() {
    QImage tile(100, 60, QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::blue);
    QPainter(&tile).fillRect(0, 0, 10, 10, Qt::red);
    QGraphicsScene scene(0, 0, 250, 130);
    auto *background = new NoteBackgroundView(QSizeF(250, 130));
    scene.addItem(background);
    background->setImage(tile);
    QImage out(250, 130, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::white);
    QPainter painter(&out);
    scene.render(&painter, QRectF(0, 0, 250, 130), QRectF(0, 0, 250, 130));
    painter.end();
    const struct {
      QPoint at;
      QColor expected;
    } probes[] = {
        {{2, 2}, Qt::red},     {{102, 2}, Qt::red},   {{202, 2}, Qt::red},  {{2, 62}, Qt::red},
        {{202, 122}, Qt::red}, {{50, 30}, Qt::blue},  {{249, 129}, Qt::blue},
        {{12, 62}, Qt::blue},  {{112, 122}, Qt::blue}, // cut-off last row still drawn
    };
    for (const auto &probe : probes)
      QCOMPARE(out.pixelColor(probe.at), probe.expected);
  }

  void noPictureDrawsNothing() {
    QGraphicsScene scene(0, 0, 50, 50);
    scene.addItem(new NoteBackgroundView(QSizeF(50, 50)));
    QImage out(50, 50, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::white);
    QPainter painter(&out);
    scene.render(&painter);
    painter.end();
    QCOMPARE(out.pixelColor(25, 25), QColor(Qt::white));
  }
};

QUILL_TEST(NoteBackgroundViewTest)
#include "NoteBackgroundViewTest.moc"
