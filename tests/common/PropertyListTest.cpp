#include "QuillTest.h"

#include "common/PropertyList.h"

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

class PropertyListTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init() { QuillTest::failOnUnexpectedWarnings(); }
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
    QuillTest::expectLogLine("property list: parse", "is empty or not a property list");
    QTemporaryDir dir;
    QFile file(dir.filePath("bad.plist"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    QVERIFY(!PropertyList::read(file.fileName()).toMap().contains("a"));
    QVERIFY(!PropertyList::read(dir.filePath("missing.plist")).isValid());
  }

  // Texts and keys keep only what XML 1.0 allows, so other readers take the
  // whole file; tab, line feed and carriage return survive the round trip.
  void textsKeepOnlyXmlCharacters_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kept");
    QTest::newRow("plain") << QString("Tom & Jerry <3") << QString("Tom & Jerry <3");
    QTest::newRow("tab, line feed, carriage return")
        << QString("a\tb\nc\r\nd\re") << QString("a\tb\nc\r\nd\re");
    QTest::newRow("NUL and escape") << QString("a") + QChar(0) + "b\x1b[0m" << QString("ab[0m");
    QTest::newRow("every other control") << QString("\x01\x08\x0b\x0c\x1f!") << QString("!");
    QTest::newRow("U+FFFE and U+FFFF")
        << QString("x") + QChar(0xfffe) + QChar(0xffff) + QChar(0xfffd)
        << QString("x") + QChar(0xfffd);
    QTest::newRow("lone surrogates")
        << QString("a") + QChar(0xd800) + "b" + QChar(0xdc00) << QString("ab");
    QTest::newRow("surrogate pair")
        << QString::fromUtf8("\xf0\x9f\x96\x8b pen") << QString::fromUtf8("\xf0\x9f\x96\x8b pen");
  }
  void textsKeepOnlyXmlCharacters() {
    QFETCH(QString, text);
    QFETCH(QString, kept);
    // One log line for each of the text, the list item and the key.
    for (int i = 0; i < (kept == text ? 0 : 3); ++i)
      QuillTest::expectLogLine("property list: encode");
    QTemporaryDir dir;
    const QString path = dir.filePath("texts.plist");
    const QVariantMap value{
        {"text", text}, {"list", QVariantList{text}}, {text + "key", qint64(1)}};
    QVERIFY(PropertyList::write(path, value));

    QProcess python;
    python.start("python3", {"-c",
                             "import json, plistlib, sys\n"
                             "v = plistlib.load(open(sys.argv[1], 'rb'))\n"
                             "print(json.dumps([v['text'], v['list'][0]]))",
                             path});
    QVERIFY2(python.waitForStarted(), "python3 is one of the build dependencies");
    QVERIFY(python.waitForFinished(30000));
    QVERIFY2(python.exitCode() == 0, python.readAllStandardError().constData());
    const QJsonArray seen = QJsonDocument::fromJson(python.readAllStandardOutput()).array();
    QCOMPARE(seen.size(), 2);
    QCOMPARE(seen.at(0).toString(), kept);
    QCOMPARE(seen.at(1).toString(), kept);

    const QVariantMap read = PropertyList::read(path).toMap();
    QCOMPARE(read.value("text").toString(), kept);
    QCOMPARE(read.value("list").toList().value(0).toString(), kept);
    QCOMPARE(read.value(kept + "key").toLongLong(), 1);
  }

  void unwritableValueLeavesOldFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath("keep.plist");
    QVERIFY(PropertyList::write(path, QVariantMap{{"a", qint64(1)}}));
    QuillTest::expectLogLine("property list: encode", "value holds no property-list type");
    QVERIFY(!PropertyList::write(path, QVariantMap{{"a", QVariant::fromValue(QPoint(1, 2))}}));
    QCOMPARE(PropertyList::read(path).toMap().value("a").toLongLong(), 1);
  }
};

QUILL_TEST(PropertyListTest)
#include "PropertyListTest.moc"
