#include "QuillTest.h"

#include "common/PropertyList.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

class PropertyListTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void roundTripsEveryType() {
    QTemporaryDir dir;
    const QDateTime date(QDate(2013, 5, 17), QTime(8, 30, 15), QTimeZone::utc());
    const QVariantMap value{
        {"text", QString::fromUtf8("Gr\xc3\xbc\xc3\x9f dich")},
        {"count", qint64(1000)},
        {"ratio", 0.25},
        {"flag", true},
        {"date", date},
        {"data", QByteArray("\x00\x01\xff", 3)},
        {"list", QVariantList{QString("a"), qint64(2), QVariantMap{{"k", QString("v")}}}},
        {"markup", QString("<b>Tom & Jerry</b>")},
        {"<key&>", QString()},
        {"empty", QVariantList{QVariantMap{}, QVariantList{}}},
        {"negative", qint64(-42)},
    };
    const QString path = dir.filePath("x.plist");
    QVERIFY(PropertyList::write(path, value));
    const QVariantMap read = PropertyList::read(path).toMap();
    QCOMPARE(read.value("text").toString(), value.value("text").toString());
    QCOMPARE(read.value("count").toLongLong(), 1000);
    QCOMPARE(read.value("ratio").toDouble(), 0.25);
    QCOMPARE(read.value("flag").toBool(), true);
    QCOMPARE(read.value("date").toDateTime(), date);
    QCOMPARE(read.value("data").toByteArray(), QByteArray("\x00\x01\xff", 3));
    QCOMPARE(read.value("list").toList().at(2).toMap().value("k").toString(), QString("v"));
    QCOMPARE(read.value("markup").toString(), QString("<b>Tom & Jerry</b>"));
    QVERIFY(read.contains("<key&>"));
    QCOMPARE(read.value("empty").toList().size(), 2);
    QCOMPARE(read.value("negative").toLongLong(), -42);
  }

  void badFilesReadAsNothing_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not a plist") << QByteArray("hello, world");
    QTest::newRow("truncated") << QByteArray("<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>a</key><str");
  }
  void badFilesReadAsNothing() {
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    QFile file(dir.filePath("bad.plist"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    QVERIFY(!PropertyList::read(file.fileName()).toMap().contains("a"));
    QVERIFY(!PropertyList::read(dir.filePath("missing.plist")).isValid());
  }

  void unwritableValueLeavesOldFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath("keep.plist");
    QVERIFY(PropertyList::write(path, QVariantMap{{"a", qint64(1)}}));
    QVERIFY(!PropertyList::write(path, QVariantMap{{"a", QVariant::fromValue(QPoint(1, 2))}}));
    QCOMPARE(PropertyList::read(path).toMap().value("a").toLongLong(), 1);
  }
};

QUILL_TEST(PropertyListTest)
#include "PropertyListTest.moc"
