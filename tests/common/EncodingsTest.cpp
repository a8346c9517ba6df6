#include "QuillTest.h"

#include "common/Encodings.h"
#include "common/URLHelpers.h"

#include <QTest>

class EncodingsTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  void base64Encoding_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << QByteArray() << QString("");
    QTest::newRow("abc") << QByteArray("abc") << QString("YWJj");
    QTest::newRow("one pad") << QByteArray("ab") << QString("YWI=");
    QTest::newRow("two pads") << QByteArray("a") << QString("YQ==");
    QTest::newRow("plus and slash") << QByteArray("\xfb\xff\xbf", 3) << QString("+/+/");
  }
  void base64Encoding() {
    QFETCH(QByteArray, data);
    QFETCH(QString, expected);
    QCOMPARE(::base64Encoding(data), expected);
  }

  void urlEncoded_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("space and tilde") << QString("a b~") << QString("a%20b~");
    QTest::newRow("unreserved kept") << QString("Az09-._~") << QString("Az09-._~");
    QTest::newRow("reserved") << QString("a+b&c=d/e?f*") << QString("a%2Bb%26c%3Dd%2Fe%3Ff%2A");
    QTest::newRow("utf-8 upper-case hex") << QString::fromUtf8("\xc3\xa9") << QString("%C3%A9");
    QTest::newRow("empty") << QString() << QString("");
  }
  void urlEncoded() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(::urlEncoded(text), expected);
  }

  void queryBuilding_data() {
    QTest::addColumn<QString>("url");
    QTest::addColumn<QVariantMap>("query");
    QTest::addColumn<QString>("expected");
    QTest::newRow("first query") << QString("http://h/p") << QVariantMap{{"a", "1"}, {"b", "2"}}
                                 << QString("http://h/p?a=1&b=2");
    QTest::newRow("joins with &") << QString("http://h/p?x=0") << QVariantMap{{"a", "1"}}
                                  << QString("http://h/p?x=0&a=1");
    QTest::newRow("value escapes ? and =") << QString("u") << QVariantMap{{"k?=", "v?=w"}}
                                           << QString("u?k?==v%3F%3Dw");
    QTest::newRow("empty map") << QString("u") << QVariantMap{} << QString("u");
  }
  void queryBuilding() {
    QFETCH(QString, url);
    QFETCH(QVariantMap, query);
    QFETCH(QString, expected);
    QCOMPARE(stringByAddingQueryDictionary(url, query), expected);
  }

  void paramStringTakesOnlyTexts() {
    const QVariantMap parameters{{"status", "a b"}, {"count", 20}, {"k&", "v="}};
    QCOMPARE(URLParamstringWithDictionary(parameters), QString("k%26=v%3D&status=a%20b"));
    QCOMPARE(URLParamstringWithDictionary({}), QString());
  }

  void urlWithoutQuery_data() {
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("expected");
    QTest::newRow("query") << QString("http://h/p?a=1?b") << QString("http://h/p");
    QTest::newRow("none") << QString("http://h/p") << QString("http://h/p");
    QTest::newRow("only mark") << QString("?") << QString("");
  }
  void urlWithoutQuery() {
    QFETCH(QString, url);
    QFETCH(QString, expected);
    QCOMPARE(URLStringWithoutQuery(url), expected);
  }
};

QUILL_TEST(EncodingsTest)
#include "EncodingsTest.moc"
