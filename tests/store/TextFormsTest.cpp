#include "QuillTest.h"

#include "store/TextForms.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QSizeF>
#include <QTest>

class TextFormsTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  void pointsAndSizesUseBraceTexts() {
    QCOMPARE(pointText(QPointF(512, 384)), QString("{512, 384}"));
    QCOMPARE(sizeText(QSizeF(320.5, 240)), QString("{320.5, 240}"));
    QCOMPARE(pointText(QPointF(-0.25, 1e-3)), QString("{-0.25, 0.001}"));
    const QPointF awkward(100.0 / 3, 2.0 / 7);
    QCOMPARE(*pointFromText(pointText(awkward)), awkward);
  }

  void readingBraceTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QPointF>("point");
    QTest::newRow("platform form") << "{512, 384}" << true << QPointF(512, 384);
    QTest::newRow("no blank") << "{1.5,-2}" << true << QPointF(1.5, -2);
    QTest::newRow("padded") << "  { 3 ,  4 } " << true << QPointF(3, 4);
    QTest::newRow("exponent") << "{1e2, 0}" << true << QPointF(100, 0);
    QTest::newRow("empty") << "" << false << QPointF();
    QTest::newRow("no braces") << "1, 2" << false << QPointF();
    QTest::newRow("one number") << "{1}" << false << QPointF();
    QTest::newRow("three numbers") << "{1, 2, 3}" << false << QPointF();
    QTest::newRow("words") << "{a, b}" << false << QPointF();
    QTest::newRow("not finite") << "{inf, nan}" << false << QPointF();
  }
  void readingBraceTexts() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QPointF, point);
    const auto read = pointFromText(text);
    QCOMPARE(read.has_value(), valid);
    if (valid)
      QCOMPARE(*read, point);
    QCOMPARE(sizeFromText(text).has_value(), valid);
  }

  void coloursUseFourComponents() {
    QColor orange;
    orange.setRgbF(1, 0.5, 0, 1);
    QCOMPARE(colorStringData(orange), QString("1.000000,0.500000,0.000000,1.000000"));
    QCOMPARE(colorStringData(QColor(Qt::black)), QString("0.000000,0.000000,0.000000,1.000000"));
    QCOMPARE(colorStringData(QColor::fromHsvF(0, 0, 0.25)),
             QString("0.250000,0.250000,0.250000,1.000000"));
    const QColor read = colorWithString("0.2,0.4,0.6,0.8");
    QCOMPARE(colorStringData(read), QString("0.200000,0.400000,0.600000,0.800000"));
  }

  void unreadableColoursAreTransparent_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("three parts") << "1,0,0";
    QTest::newRow("word") << "red";
  }
  void unreadableColoursAreTransparent() {
    QFETCH(QString, text);
    QCOMPARE(colorWithString(text).alpha(), 0);
  }

  void fontsUseNameAndSize() {
    QFont helvetica("Helvetica");
    helvetica.setPointSizeF(24);
    QCOMPARE(fontStringDescription(helvetica), QString("Helvetica,24.000000"));
    const QFont read = fontWithString("Helvetica,24.000000");
    QCOMPARE(read.family(), QString("Helvetica"));
    QCOMPARE(read.pointSizeF(), 24.0);
    QCOMPARE(fontWithString("Marker Felt,12.5").pointSizeF(), 12.5);
  }

  void unreadableFontsAreTheApplicationFont_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("name alone") << "Helvetica";
    QTest::newRow("empty") << "";
    QTest::newRow("no size") << "Helvetica,";
    QTest::newRow("zero size") << "Helvetica,0";
    QTest::newRow("word size") << "Helvetica,big";
  }
  void unreadableFontsAreTheApplicationFont() {
    QFETCH(QString, text);
    QCOMPARE(fontWithString(text), QFont());
  }
};

QUILL_TEST(TextFormsTest)
#include "TextFormsTest.moc"
