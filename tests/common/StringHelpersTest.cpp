#include "QuillTest.h"

#include "common/StringHelpers.h"

#include <QTest>

class StringHelpersTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  void pathComponents_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("rest");
    QTest::newRow("rooted") << QString("/a/b/c") << QString("a") << QString("b/c");
    QTest::newRow("relative") << QString("a/b") << QString("a") << QString("b");
    QTest::newRow("single name") << QString("a") << QString("a") << QString("");
    QTest::newRow("trailing slash") << QString("/a/b/") << QString("a") << QString("b");
    QTest::newRow("root only") << QString("/") << QString() << QString("");
    QTest::newRow("empty") << QString("") << QString() << QString("");
  }
  void pathComponents() {
    QFETCH(QString, path);
    QFETCH(QString, first);
    QFETCH(QString, rest);
    QCOMPARE(firstPathComponent(path), first);
    QCOMPARE(firstPathComponent(path).isNull(), first.isNull());
    QCOMPARE(stringByDeletingFirstPathComponent(path), rest);
  }

  void emptyOrWhitespace_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("blank");
    QTest::newRow("empty") << QString("") << true;
    QTest::newRow("spaces and tabs") << QString(" \t  ") << true;
    QTest::newRow("no-break space") << QString::fromUtf8("\xc2\xa0") << true;
    QTest::newRow("line break") << QString(" \n ") << false;
    QTest::newRow("word") << QString("  a ") << false;
  }
  void emptyOrWhitespace() {
    QFETCH(QString, text);
    QFETCH(bool, blank);
    QCOMPARE(isEmptyOrWhitespace(text), blank);
  }

  void indexOfStringMatchesTextsOnly() {
    const QVariantList array{1, QString("1"), QString("b"), QString("1")};
    QCOMPARE(indexOfString(array, "1"), 1);
    QCOMPARE(indexOfString(array, "x"), qsizetype(2147483647));
    QCOMPARE(indexOfString({}, "x"), QuillNotFound);
  }

  void removeStringsTakesFirstOccurrences() {
    QVariantList array{QString("a"), QString("b"), QString("a"), 7};
    removeString(array, "missing");
    QCOMPARE(array.size(), 4);
    removeStringsInArray(array, {"a", "7", "a", "a"});
    QCOMPARE(array, (QVariantList{QString("b"), 7}));
  }
};

QUILL_TEST(StringHelpersTest)
#include "StringHelpersTest.moc"
