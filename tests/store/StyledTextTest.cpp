#include "QuillTest.h"

#include "StoreFixture.h"
#include "common/PropertyList.h"
#include "store/StyledText.h"

#include <QTest>

class StyledTextTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  void roundTripsRunsThroughItsFile() {
    StoreFixture fixture;
    StyledText text;
    QColor odd;
    odd.setRgb(128, 7, 201, 77);
    text.append({"Hello ", "Helvetica", 24, Qt::black});
    text.append({"wörld", "Marker Felt", 17.5, odd});
    text.append({"!", "Marker Felt", 17.5, odd});
    QCOMPARE(text.runs.size(), 2);
    QCOMPARE(text.plainText(), QString("Hello wörld!"));
    const QString path = fixture.home() + "/1370000000.plist";
    QVERIFY(text.write(path));
    const StyledText read = StyledText::read(path);
    QCOMPARE(read, text);
    QCOMPARE(PropertyList::read(path).toMap().value("string").toString(), text.plainText());
  }

  void badFilesReadAsEmpty_data() {
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<bool>("unparsable"); // logged as such
    QTest::newRow("missing") << "no-such-file" << false;
    QTest::newRow("empty") << "catalogues/empty.plist" << true;
    QTest::newRow("text") << "catalogues/text.plist" << true;
    QTest::newRow("truncated") << "catalogues/truncated.plist" << true;
    QTest::newRow("array") << "catalogues/array-root.plist" << false;
  }
  void badFilesReadAsEmpty() {
    QFETCH(QString, fixture);
    QFETCH(bool, unparsable);
    if (unparsable)
      QuillTest::expectLogLine("property list: parse", fixture + " is empty or not a property list");
    QVERIFY(StyledText::read(StoreFixture::data(fixture)).runs.isEmpty());
  }

  void runsWithWrongValuesAreDropped() {
    const QVariantList good{QVariantMap{{"text", "a"},
                                        {"fontName", "F"},
                                        {"pointSize", 12.0},
                                        {"color", QVariantList{0.0, 0.0, 0.0, 1.0}}}};
    QVariantList runs = good;
    runs.append(QVariantMap{{"text", 5}, {"fontName", "F"}, {"pointSize", 12.0}});
    runs.append(QVariantMap{{"text", "b"},
                            {"fontName", "F"},
                            {"pointSize", "12"},
                            {"color", QVariantList{0.0, 0.0, 0.0, 1.0}}});
    runs.append(
        QVariantMap{{"text", "c"}, {"fontName", "F"}, {"pointSize", 12.0}, {"color", "0,0,0,1"}});
    runs.append("not a run");
    for (int i = 0; i < 4; ++i)
      QuillTest::expectLogLine("styled text: run", "a run with missing or wrong values is dropped");
    const StyledText text = StyledText::fromPropertyList(QVariantMap{{"runs", runs}});
    QCOMPARE(text.plainText(), QString("a"));
  }
};

QUILL_TEST(StyledTextTest)
#include "StyledTextTest.moc"
