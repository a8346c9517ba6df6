#include "QuillTest.h"

#include "common/DateHelpers.h"
#include "common/FolderPaths.h"

#include <QTest>
#include <QTimeZone>

class DateHelpersTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void initTestCase() { setResourceFolder(QUILL_RESOURCE_DIR); }
  void init() { QuillTest::failOnUnexpectedWarnings(); }

  void descriptionFromNow_data() {
    QTest::addColumn<qint64>("secondsAgo");
    QTest::addColumn<QString>("expected");
    QTest::newRow("future") << qint64(-30) << QString("Just Now");
    QTest::newRow("now") << qint64(0) << QString("Just Now");
    QTest::newRow("1 s") << qint64(1) << QString("1 seconds ago");
    QTest::newRow("59 s") << qint64(59) << QString("59 seconds ago");
    QTest::newRow("60 s") << qint64(60) << QString("1 minutes ago");
    QTest::newRow("3599 s") << qint64(3599) << QString("59 minutes ago");
    QTest::newRow("3600 s") << qint64(3600) << QString("1 hours ago");
    QTest::newRow("86399 s") << qint64(86399) << QString("23 hours ago");
  }
  void descriptionFromNow() {
    QFETCH(qint64, secondsAgo);
    QFETCH(QString, expected);
    const QDateTime now(QDate(2013, 5, 17), QTime(12, 0, 0));
    QCOMPARE(::descriptionFromNow(now.addSecs(-secondsAgo), now), expected);
  }

  void descriptionFromNowPastADayShowsTheDate() {
    const QDateTime now(QDate(2013, 5, 17), QTime(12, 0, 0));
    QCOMPARE(::descriptionFromNow(now.addSecs(-86400), now), QString("05-16 12:00"));
    QCOMPARE(::descriptionFromNow(QDateTime(QDate(2012, 1, 2), QTime(3, 4)), now),
             QString("01-02 03:04"));
    // A fraction of a second ago is still now: the seconds are truncated.
    QCOMPARE(::descriptionFromNow(now.addMSecs(-999), now), QString("Just Now"));
    QVERIFY(::descriptionFromNow(QDateTime(), now).isNull());
  }

  void separators_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<bool>("includeYear");
    QTest::addColumn<QString>("expected");
    QTest::newRow("dot without year") << QString(".") << false << QString("05.07");
    QTest::newRow("dot with year") << QString(".") << true << QString("2013.05.07");
    QTest::newRow("missing means dash") << QString() << true << QString("2013-05-07");
    QTest::newRow("empty joins") << QString("") << false << QString("0507");
    QTest::newRow("word") << QString(" / ") << false << QString("05 / 07");
  }
  void separators() {
    QFETCH(QString, separator);
    QFETCH(bool, includeYear);
    QFETCH(QString, expected);
    const QDateTime date(QDate(2013, 5, 7), QTime(23, 59));
    QCOMPARE(stringWithSeperator(date, separator, includeYear), expected);
  }

  void dateWithString_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QDateTime>("expected");
    const QDateTime posted(QDate(2008, 8, 27), QTime(13, 8, 45), QTimeZone::utc());
    QTest::newRow("timeline") << QString("Wed Aug 27 13:08:45 +0000 2008")
                              << QString("EE MMM dd HH:mm:ss ZZZ yyyy") << posted;
    QTest::newRow("timeline offset") << QString("Wed Aug 27 21:08:45 +0800 2008")
                                     << QString("EE MMM dd HH:mm:ss ZZZ yyyy") << posted;
    QTest::newRow("quoted literal") << QString("2008-08-27T13:08:45")
                                    << QString("yyyy-MM-dd'T'HH:mm:ss")
                                    << QDateTime(QDate(2008, 8, 27), QTime(13, 8, 45));
    QTest::newRow("no match") << QString("yesterday") << QString("yyyy-MM-dd") << QDateTime();
    QTest::newRow("bad month") << QString("2008-13-01") << QString("yyyy-MM-dd") << QDateTime();
    QTest::newRow("unknown field") << QString("AD 2008") << QString("G yyyy") << QDateTime();
    QTest::newRow("empty") << QString() << QString("yyyy") << QDateTime();
  }
  void dateWithString() {
    QFETCH(QString, text);
    QFETCH(QString, pattern);
    QFETCH(QDateTime, expected);
    const QDateTime read = ::dateWithString(text, pattern);
    QCOMPARE(read.isValid(), expected.isValid());
    if (expected.isValid())
      QCOMPARE(read.toMSecsSinceEpoch(), expected.toMSecsSinceEpoch());
  }
};

QUILL_TEST(DateHelpersTest)
#include "DateHelpersTest.moc"
