#include "QuillTest.h"

#include "common/PropertyList.h"
#include "store/EmojiWidgetData.h"
#include "store/PhotoWidgetData.h"
#include "store/QNBaseDataObject.h"
#include "store/RecordWidgetData.h"
#include "store/TextWidgetData.h"
#include "store/VideoWidgetData.h"

#include <QJsonDocument>
#include <QTest>

namespace {
QJsonObject object(const char *json) {
  return QJsonDocument::fromJson(json).object();
}

class Bookmark : public QNBaseDataObject {
public:
  QString className() const override { return "QNBookmark"; }
  const AttributeMap &attributeMapDictionary() const override {
    static const AttributeMap map{{"url", "url"}, {"title", "title"}};
    return map;
  }
};
} // namespace

class WidgetDataTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  void classNameChoosesTheKind_data() {
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("widget");
    QTest::newRow("text") << "TextWidgetData"
                          << "TextWidget";
    QTest::newRow("photo") << "PhotoWidgetData"
                           << "PhotoWidget";
    QTest::newRow("video") << "VideoWidgetData"
                           << "VideoWidget";
    QTest::newRow("record") << "RecordWidgetData"
                            << "RecordWidget";
    QTest::newRow("emoji") << "EmojiWidgetData"
                           << "EmojiWidget";
  }
  void classNameChoosesTheKind() {
    QFETCH(QString, className);
    QFETCH(QString, widget);
    const WidgetDataPtr record =
        WidgetData::widgetWithData({{"className", className}, {"center", "{512, 384}"}});
    QVERIFY(record);
    QCOMPARE(record->className(), className);
    QCOMPARE(record->widgetClassname(), widget);
    QCOMPARE(*record->center(), QPointF(512, 384));
    QCOMPARE(record->dictionaryData().value("className").toString(), className);
  }

  void unknownClassNamesGiveNoRecord_data() {
    QTest::addColumn<QString>("json");
    QTest::newRow("no className") << R"({"center":"{1, 2}"})";
    QTest::newRow("unknown") << R"({"className":"NSObject"})";
    QTest::newRow("base") << R"({"className":"WidgetData"})";
    QTest::newRow("number") << R"({"className":5})";
    QTest::newRow("empty") << "{}";
  }
  void unknownClassNamesGiveNoRecord() {
    QFETCH(QString, json);
    QVERIFY(!WidgetData::widgetWithData(object(json.toUtf8())));
  }

  void textRecordWritesItsTextForms() {
    TextWidgetData text;
    text.setCenter(QPointF(100, 200.5));
    text.setSize(QSizeF(320.5, 240));
    text.setText("Hello");
    text.setTextName("1370000000");
    QColor orange;
    orange.setRgbF(1, 0.5, 0, 1);
    text.setTextColor(orange);
    QFont font("Helvetica");
    font.setPointSizeF(24);
    text.setFont(font);
    const QJsonObject stored = text.dictionaryData();
    QCOMPARE(stored, object(R"({"className":"TextWidgetData","center":"{100, 200.5}",
      "size":"{320.5, 240}","text":"Hello","textName":"1370000000",
      "textColor":"1.000000,0.500000,0.000000,1.000000","font":"Helvetica,24.000000"})"));
    QCOMPARE(text.proxyForJson(), stored);
    QCOMPARE(text.styledTextFileName(), QString("1370000000.plist"));
    QCOMPARE(text.resourceFileNames(), QStringList{"1370000000.plist"});
    QCOMPARE(text.frame(), QRectF(100 - 160.25, 200.5 - 120, 320.5, 240));

    const WidgetDataPtr read = WidgetData::widgetWithData(stored);
    QCOMPARE(read->dictionaryData(), stored);
  }

  void kindsRoundTripTheirAttributes_data() {
    QTest::addColumn<QString>("json");
    QTest::newRow("photo")
        << R"({"className":"PhotoWidgetData","center":"{1, 2}","size":"{3, 4}","photoName":"1370000000","rotate":"0.000000"})";
    QTest::newRow("web video")
        << R"({"className":"VideoWidgetData","center":"{1, 2}","size":"{3, 4}","videoPath":"http://v.example/1","videoTitle":"A clip"})";
    QTest::newRow("file video")
        << R"({"className":"VideoWidgetData","center":"{1, 2}","size":"{3, 4}","videoPath":"/old/place/clip.mov","videoName":"1370000000clip.mov"})";
    QTest::newRow("record")
        << R"({"className":"RecordWidgetData","center":"{1, 2}","size":"{3, 4}","recordPath":"0cc175b9c0f1b6a831c399e269772661.caf","title":"Talk"})";
    QTest::newRow("emoji")
        << R"({"className":"EmojiWidgetData","center":"{1, 2}","size":"{3, 4}","emojiIndex":7})";
    QTest::newRow("no size")
        << R"({"className":"EmojiWidgetData","center":"{1, 2}","emojiIndex":0})";
  }
  void kindsRoundTripTheirAttributes() {
    QFETCH(QString, json);
    const QJsonObject stored = object(json.toUtf8());
    QCOMPARE(WidgetData::widgetWithData(stored)->dictionaryData(), stored);
  }

  void changingARecordReadWhole() {
    const WidgetDataPtr record = WidgetData::widgetWithData(
        object(R"({"className":"EmojiWidgetData","center":"{1, 2}","emojiIndex":7})"));
    record->setCenter(QPointF(3, 4));
    record->setAttribute("className", "TextWidgetData"); // not an attribute: ignored
    QCOMPARE(record->dictionaryData(),
             object(R"({"className":"EmojiWidgetData","center":"{3, 4}","emojiIndex":7})"));
  }

  void photoAndEmojiValues() {
    PhotoWidgetData photo;
    photo.setRotate(0);
    QCOMPARE(photo.dictionaryData().value("rotate"), QJsonValue("0.000000"));
    photo.setRotate(1.5);
    QCOMPARE(photo.rotate(), 1.5);
    EmojiWidgetData emoji;
    emoji.setEmojiIndex(12);
    QVERIFY(emoji.dictionaryData().value("emojiIndex").isDouble());
    QCOMPARE(*emoji.emojiIndex(), 12);
    emoji.setEmojiIndex(std::nullopt);
    QVERIFY(!emoji.dictionaryData().contains("emojiIndex"));
  }

  void absentAndExtraMembers() {
    const WidgetDataPtr record = WidgetData::widgetWithData(
        object(R"({"className":"PhotoWidgetData","center":"{1, 2}","extra":"x"})"));
    QVERIFY(!record->size());
    QCOMPARE(record->frame(), QRectF());
    const QJsonObject rewritten = record->dictionaryData();
    QVERIFY(!rewritten.contains("size"));
    QVERIFY(!rewritten.contains("extra"));
    // Reading again clears what the new object lacks.
    record->setAttributes(object(R"({"size":"{5, 6}"})"));
    QVERIFY(!record->center());
    QCOMPARE(*record->size(), QSizeF(5, 6));
  }

  void wrongTypesAreAbsent() {
    const WidgetDataPtr text = WidgetData::widgetWithData(object(
        R"({"className":"TextWidgetData","center":[1,2],"text":42,"textName":null,"font":{"a":1}})"));
    QVERIFY(!text->center());
    QVERIFY(static_cast<TextWidgetData &>(*text).text().isNull());
    QCOMPARE(text->dictionaryData(), object(R"({"className":"TextWidgetData"})"));
    const WidgetDataPtr emoji =
        WidgetData::widgetWithData(object(R"({"className":"EmojiWidgetData","emojiIndex":"3"})"));
    QVERIFY(!static_cast<EmojiWidgetData &>(*emoji).emojiIndex());
  }

  void fileNamesThatLeaveTheFolderAreAbsent_data() {
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("member");
    QTest::addColumn<QString>("name");
    QTest::newRow("photo up") << "PhotoWidgetData"
                              << "photoName"
                              << "../../x.png";
    QTest::newRow("photo absolute") << "PhotoWidgetData"
                                    << "photoName"
                                    << "/etc/passwd";
    QTest::newRow("text dot") << "TextWidgetData"
                              << "textName"
                              << ".";
    QTest::newRow("text dot dot") << "TextWidgetData"
                                  << "textName"
                                  << "..";
    QTest::newRow("video slash") << "VideoWidgetData"
                                 << "videoName"
                                 << "a/b";
    QTest::newRow("record nul") << "RecordWidgetData"
                                << "recordPath" << QString("a") + QChar(0) + "b";
    QTest::newRow("record empty") << "RecordWidgetData"
                                  << "recordPath"
                                  << "";
  }
  void fileNamesThatLeaveTheFolderAreAbsent() {
    QFETCH(QString, className);
    QFETCH(QString, member);
    QFETCH(QString, name);
    const WidgetDataPtr record =
        WidgetData::widgetWithData({{"className", className}, {member, name}});
    QVERIFY(record->stringAttribute(member).isNull());
    QVERIFY(record->resourceFileNames().isEmpty());
    QVERIFY(!record->dictionaryData().contains(member));
    record->setStringAttribute(member, name);
    QVERIFY(record->resourceFileNames().isEmpty());
  }

  void descriptionNamesEveryAttribute() {
    RecordWidgetData record;
    record.setTitle("Talk");
    const QString text = record.description();
    QVERIFY(text.startsWith("RecordWidgetData:{"));
    QVERIFY(text.contains(" [title=Talk] "));
    QVERIFY(text.contains(" [center=nil] "));
    QVERIFY(text.contains(" [recordPath=nil] "));
  }

  void baseDataObjectStoresAndArchives() {
    Bookmark bookmark;
    bookmark.initWithDataDic({{"url", "http://example.com"}, {"title", "Example"}, {"x", 1}});
    QCOMPARE(bookmark.dataDictionary(),
             (QVariantMap{{"url", "http://example.com"}, {"title", "Example"}}));
    QVariantMap coder;
    bookmark.encodeWithCoder(coder);
    const QVariant archived = PropertyList::fromData(PropertyList::toXml(coder));
    Bookmark restored;
    QVERIFY(restored.initWithCoder(archived.toMap()));
    QCOMPARE(restored.dataDictionary(), bookmark.dataDictionary());
    Bookmark other;
    QVERIFY(!other.initWithCoder({{"$class", "Other"}, {"url", "u"}}));
    QNBaseDataObject bare;
    QCOMPARE(bare.dataDictionary(), QVariantMap());
  }
};

QUILL_TEST(WidgetDataTest)
#include "WidgetDataTest.moc"
