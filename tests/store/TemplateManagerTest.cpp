#include "QuillTest.h"

#include "StoreFixture.h"
#include "common/FolderPaths.h"
#include "store/BookTemplate.h"
#include "store/TemplateManager.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

namespace {
TemplateManager &manager() {
  return TemplateManager::sharedTemplateManager();
}
QString nameOf(const QString &path) {
  return QFileInfo(path).fileName();
}
} // namespace

class TemplateManagerTest : public QObject {
  Q_OBJECT
private Q_SLOTS:
  void init() { QuillTest::failOnUnexpectedWarnings(); }
  void readsTheCatalogueInOrder() {
    StoreFixture fixture;
    QCOMPARE(manager().templateCount(), 3); // the record that is no dictionary is skipped
    QCOMPARE(manager().catalogue().value("version").toString(), QString("fixture 1"));
    const auto all = manager().allTemplate();
    QCOMPARE(all.size(), size_t(3));
    QCOMPARE(all[0]->templateName, QString("Lines"));
    QCOMPARE(all[1]->templateName, QString("Plain"));
    QCOMPARE(all[0]->thumbs, (QStringList{"preview_1.png", "preview_2.png"}));
    QVERIFY(!manager().templateAtIndex(3));
    QVERIFY(!manager().templateAtIndex(-1));
    QVERIFY(!manager().templateWithName("Nope"));
    QCOMPARE(manager().templateWithName("Plain")->coverName, QString("red_cover.png"));
  }

  void templatesAreIndependentObjects() {
    StoreFixture fixture;
    auto first = manager().templateAtIndex(0);
    auto second = manager().templateAtIndex(0);
    QVERIFY(first.get() != second.get());
    first->templateFileName = "changed.png";
    QCOMPARE(second->templateFileName, QString("page_%i.png"));
    QCOMPARE(manager().templateAtIndex(0)->templateFileName, QString("page_%i.png"));
  }

  void numberedSeriesFallsBackToTheDefault_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("file");
    QTest::newRow("first") << 0 << "page_10000.png";
    QTest::newRow("second") << 1 << "page_10001.png";
    QTest::newRow("gap") << 2 << "lines_default.png";
    QTest::newRow("fifth") << 4 << "page_10004.png";
    QTest::newRow("past the series") << 7 << "lines_default.png";
  }
  void numberedSeriesFallsBackToTheDefault() {
    QFETCH(int, page);
    QFETCH(QString, file);
    StoreFixture fixture;
    const QString path = manager().templateWithName("Lines")->backgroundForPage(page);
    QCOMPARE(path, resourcePathWithName("template/lines/" + file));
  }

  void singleFileServesEveryPage() {
    StoreFixture fixture;
    auto plain = manager().templateWithName("Plain");
    QCOMPARE(plain->backgroundForPage(0), resourcePathWithName("template/plain.png"));
    QCOMPARE(plain->backgroundForPage(99), resourcePathWithName("template/plain.png"));
    plain->templateFileName = "missing.png";
    QCOMPARE(plain->backgroundForPage(3), resourcePathWithName("template/plain_default.png"));
  }

  void picturesOfATemplate() {
    StoreFixture fixture;
    auto lines = manager().templateWithName("Lines");
    QCOMPARE(lines->bookCover().pixelColor(0, 0), QColor(0, 0, 99));
    QCOMPARE(lines->thumbCount(), 2);
    QVERIFY(!lines->thumbAtIndex(0).isNull());
    QVERIFY(lines->thumbAtIndex(1).isNull()); // listed but missing
    QVERIFY(lines->thumbAtIndex(2).isNull());
    QCOMPARE(lines->cellBg().size(), QSize(20, 8));         // the @2x picture
    QCOMPARE(lines->selectedCellBg().size(), QSize(10, 4)); // no @2x: the plain one
    QImage custom(4, 4, QImage::Format_ARGB32);
    custom.fill(Qt::yellow);
    lines->setBookCover(custom);
    QCOMPARE(lines->bookCover().pixelColor(0, 0), QColor(Qt::yellow));
  }

  void namesThatLeaveTheTemplateFolderAreRefused() {
    StoreFixture fixture;
    auto escaping = manager().templateWithName("Escaping");
    QVERIFY(escaping->folder().isEmpty());
    QVERIFY(escaping->backgroundForPage(0).isEmpty());
    QVERIFY(escaping->bookCoverPath().isEmpty());
    QVERIFY(escaping->coverName.isEmpty()); // a number where a name belongs
    BookTemplate crafted(
        QVariantMap{{"template_file_name", "../../outside.png"}, {"default", "/etc/hostname"}});
    QVERIFY(crafted.backgroundForPage(0).isEmpty());
  }

  void defaultTemplateIsBuiltIn() {
    StoreFixture fixture;
    auto fallback = TemplateManager::defaultTemplate();
    QCOMPARE(fallback->templateName, QString("默认模板"));
    QCOMPARE(fallback->backgroundForPage(5),
             resourcePathWithName("template/template_blue_bg_01.jpg"));
    QCOMPARE(fallback->bookCoverPath(), resourcePathWithName("template/red_cover.png"));
    QVERIFY(!fallback->bookCover().isNull());
    QCOMPARE(fallback->thumbCount(), 0);
    QVERIFY(fallback->cellBg().isNull());
  }

  void builtInBackgroundsKeepPlainPairs() {
    StoreFixture fixture;
    QCOMPARE(manager().builtInBackgrounds(), QStringList{"builtin_grid.png"});
    QCOMPARE(manager().builtInBackgroundThumbs(), QStringList{"builtin_grid_thumb.png"});
  }

  void missingCatalogueGivesNoTemplates() {
    QTemporaryDir empty;
    QuillTest::expectLogLine("templates: catalogue", "/template/template.plist gives no templates");
    StoreFixture fixture(empty.path());
    QCOMPARE(manager().templateCount(), 0);
    QVERIFY(manager().allTemplate().empty());
    QVERIFY(manager().builtInBackgrounds().isEmpty());
  }

  void badCatalogueGivesNoTemplates_data() {
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<bool>("unparsable"); // logged as such
    QTest::newRow("empty") << "catalogues/empty.plist" << true;
    QTest::newRow("text") << "catalogues/text.plist" << true;
    QTest::newRow("truncated") << "catalogues/truncated.plist" << true;
    QTest::newRow("array") << "catalogues/array-root.plist" << false;
  }
  void badCatalogueGivesNoTemplates() {
    QFETCH(QString, fixture);
    QFETCH(bool, unparsable);
    QTemporaryDir resources;
    StoreFixture::install(fixture, resources.filePath("template/template.plist"));
    StoreFixture::install(fixture, resources.filePath("BuildIn_BG.plist"));
    for (const char *file : {"/template/template.plist", "/BuildIn_BG.plist"}) {
      if (unparsable)
        QuillTest::expectLogLine("property list: parse",
                                 file + QStringLiteral(" is empty or not a property list"));
    }
    QuillTest::expectLogLine("templates: catalogue", "/template/template.plist gives no templates");
    StoreFixture store(resources.path());
    QCOMPARE(manager().templateCount(), 0);
    QVERIFY(manager().builtInBackgrounds().isEmpty());
  }

  void theShippedCatalogueIsComplete() {
    const QString shipped = QStringLiteral(QUILL_RESOURCE_DIR);
    if (!QFileInfo::exists(shipped + "/template/template.plist"))
      QSKIP("the shipped template catalogue is not there yet");
    StoreFixture fixture(shipped);
    QVERIFY(manager().templateCount() > 0);
    for (const auto &look : manager().allTemplate()) {
      QVERIFY2(!look->templateName.isEmpty(), "a template without a name");
      QVERIFY2(QFileInfo::exists(look->bookCoverPath()),
               qPrintable(look->templateName + ": cover"));
      QVERIFY2(QFileInfo::exists(look->backgroundForPage(0)),
               qPrintable(look->templateName + ": page 0"));
      QVERIFY2(!look->bookCover().isNull(), qPrintable(look->templateName + ": cover picture"));
    }
    const auto fallback = TemplateManager::defaultTemplate();
    QVERIFY(QFileInfo::exists(fallback->backgroundForPage(0)));
    QVERIFY(QFileInfo::exists(fallback->bookCoverPath()));
    QCOMPARE(manager().builtInBackgrounds().size(), manager().builtInBackgroundThumbs().size());
    for (const QString &name : manager().builtInBackgrounds() + manager().builtInBackgroundThumbs())
      QVERIFY2(QFileInfo::exists(BookTemplate::templateFolder() + "/" + name), qPrintable(name));
  }
};

QUILL_TEST(TemplateManagerTest)
#include "TemplateManagerTest.moc"
