#include "QuillTest.h"

#include "common/XMLDataParser.h"

#include <QTemporaryDir>
#include <QTest>

class XMLDataParserTest : public QObject {
  Q_OBJECT
  const QString name = XMLDataParser::nameKey;
  const QString value = XMLDataParser::valueKey;

private Q_SLOTS:
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  void anchorGivesHrefNameAndText() {
    const QVariantMap a =
        dictionaryWithXMLString("<a href=\"http://x.com/app\" rel=\"nofollow\">Web</a>");
    QCOMPARE(a.value("href").toString(), QString("http://x.com/app"));
    QCOMPARE(a.value("rel").toString(), QString("nofollow"));
    QCOMPARE(a.value(name).toString(), QString("a"));
    QCOMPARE(a.value(value).toString(), QString("Web"));
    QCOMPARE(a.size(), 4);
  }

  void childrenNestByName() {
    const QVariantMap root = dictionaryWithXMLString(
        "<r><one>1</one><two>a</two><two>b</two><two>c</two><empty/></r>");
    QCOMPARE(root.value("one").toMap().value(value).toString(), QString("1"));
    const QVariantList twos = root.value("two").toList();
    QCOMPARE(twos.size(), 3);
    QCOMPARE(twos.at(2).toMap().value(value).toString(), QString("c"));
    const QVariantMap empty = root.value("empty").toMap();
    QCOMPARE(empty.value(name).toString(), QString("empty"));
    QCOMPARE(empty.value(value), QVariant(QString("")));
  }

  void childNamedLikeAnAttributeJoinsIt() {
    const QVariantMap root = dictionaryWithXMLString("<r id=\"7\"><id>8</id></r>");
    const QVariantList ids = root.value("id").toList();
    QCOMPARE(ids.size(), 2);
    QCOMPARE(ids.at(0).toString(), QString("7"));
    QCOMPARE(ids.at(1).toMap().value(value).toString(), QString("8"));
  }

  void cdataReplacesTextAndThenKeepsBytes() {
    const QVariantMap root = dictionaryWithXMLString("<r>before<![CDATA[<b>]]>after<![CDATA[&]]></r>");
    QCOMPARE(root.value(value).typeId(), int(QMetaType::QByteArray));
    QCOMPARE(root.value(value).toByteArray(), QByteArray("<b>&"));
  }

  void textAppendsAcrossChildren() {
    const QVariantMap root = dictionaryWithXMLString("<r>a<c/>b &amp; c</r>");
    QCOMPARE(root.value(value).toString(), QString("ab & c"));
  }

  void badMarkupGivesNothing_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("plain text") << QString("web");
    QTest::newRow("unclosed") << QString("<a><b></a>");
    QTest::newRow("truncated") << QString("<a href=\"x\">Web");
    QTest::newRow("two roots") << QString("<a/><b/>");
    QTest::newRow("unknown entity") << QString("<a>&nbsp;</a>");
  }
  void badMarkupGivesNothing() {
    QFETCH(QString, text);
    QVERIFY(dictionaryWithXMLString(text).isEmpty());
  }

  void readsFilesAndData() {
    QTemporaryDir dir;
    const QString path = dir.filePath("x.xml");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?><n>\xc3\xa9</n>");
    file.close();
    QCOMPARE(XMLDataParser::withContentOfFile(path).parse().value(value).toString(),
             QString::fromUtf8("\xc3\xa9"));
    QuillTest::expectLogLine("markup file: open", "/missing.xml");
    QVERIFY(XMLDataParser::withContentOfFile(dir.filePath("missing.xml")).parse().isEmpty());
    QCOMPARE(XMLDataParser(QByteArray("<n>x</n>")).parse().value(name).toString(), QString("n"));
  }
};

QUILL_TEST(XMLDataParserTest)
#include "XMLDataParserTest.moc"
