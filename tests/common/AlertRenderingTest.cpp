#include "QuillTest.h"

#include "common/FolderPaths.h"
#include "common/Localization.h"
#include "common/QNActivityIndicator.h"
#include "common/QNAlertCenter.h"
#include "common/QNAlertView.h"
#include "common/QNButton.h"

#include <QCoreApplication>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QTest>

namespace {
// Highest channel of the brightest pixel in rect (scene points at scale 1).
int brightest(const QImage &image, const QRect &rect) {
  int best = 0;
  for (int y = rect.top(); y <= rect.bottom(); ++y)
    for (int x = rect.left(); x <= rect.right(); ++x)
      best = std::max(best, qGray(image.pixel(x, y)));
  return best;
}
} // namespace

// Each alert type as the user sees it over a page. Set QUILL_SNAPSHOT_DIR to
// keep the pictures.
class AlertRenderingTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void initTestCase() { setResourceFolder(QUILL_RESOURCE_DIR); }
  void init() { QuillTest::failOnUnexpectedWarnings(); }

  void alertOverAPage_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("tip");
    QTest::newRow("waiting") << int(QNAlertTypeWaiting) << "SAVING" << QString();
    QTest::newRow("confirm") << int(QNAlertTypeConfirm) << "TIP"
                             << "Delete this page? The handwriting and widgets on it go too.";
    QTest::newRow("notice") << int(QNAlertTypeNotice) << "TIP" << "Saved to the photo album";
    QTest::newRow("message") << int(QNAlertTypeMessage) << "NetWork Fail"
                             << "Please check the network connection and try again.";
  }
  void alertOverAPage() {
    QFETCH(int, type);
    QFETCH(QString, title);
    QFETCH(QString, tip);
    QGraphicsScene scene(0, 0, 768, 1024);
    scene.addRect(0, 0, 768, 1024, Qt::NoPen, Qt::white);
    for (int y = 120; y < 1024; y += 40)
      scene.addLine(40, y, 728, y, QPen(QColor(150, 190, 230), 1));
    auto &center = QNAlertCenter::sharedQNAlertCenter();
    center.setScene(&scene);
    QPointer<QNAlertView> alert =
        QNAlertView::alertWithTitle(localizedString(title), tip, type);
    QTRY_COMPARE_WITH_TIMEOUT(alert->scale(), 1.0, 1000);

    QImage image(768, 1024, QImage::Format_ARGB32_Premultiplied);
    {
      QPainter painter(&image);
      painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
      scene.render(&painter);
    }
    const QRect panel = alert->sceneBoundingRect().toRect();
    QuillTest::keepSnapshot(image, QStringLiteral("alert-%1").arg(QTest::currentDataTag()));

    // The page is dimmed by the black mask at 0.3.
    QVERIFY(qAbs(qGray(image.pixel(10, 10)) - 178) <= 2);
    // The panel is dark and centred; its title is drawn in white.
    QCOMPARE(panel.center(), QPoint(383, 511));
    QVERIFY(qGray(image.pixel(panel.left() + 12, panel.top() + 45)) < 90);
    QVERIFY(brightest(image, alert->mapRectToScene(alert->titleRect()).toRect()) > 200);
    if (!tip.isEmpty())
      QVERIFY(brightest(image, alert->mapRectToScene(alert->textRect()).toRect()) > 200);
    if (alert->confirmBtn()) {
      const QColor ok = image.pixelColor(alert->confirmBtn()->sceneBoundingRect().toRect().topLeft() + QPoint(6, 8));
      QVERIFY2(ok.blue() > ok.red() + 60, qPrintable(ok.name()));
    }
    if (alert->indicator())
      QVERIFY(brightest(image, alert->indicator()->sceneBoundingRect().toRect()) > 200);

    center.setScene(nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
};

QUILL_TEST(AlertRenderingTest)
#include "AlertRenderingTest.moc"
