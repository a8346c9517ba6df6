#include "QuillTest.h"

#include "common/FolderPaths.h"
#include "common/PropertyList.h"
#include "store/BookTemplate.h"
#include "store/TemplateManager.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QImageReader>
#include <QSvgRenderer>
#include <QTest>

// The shipped template catalogue and built-in background list must name only
// files that exist, under plain names, at the sizes the screens expect: a
// broken entry would show as a blank page or cover on first use.
class ResourceCatalogueTest : public QObject {
  Q_OBJECT

  static QString templatePath(const QString &folder, const QString &name) {
    return folder.isEmpty() ? QString(QUILL_RESOURCE_DIR "/template/%1").arg(name)
                            : QString(QUILL_RESOURCE_DIR "/template/%1/%2").arg(folder, name);
  }
  static QSize pictureSize(const QString &path) { return QImageReader(path).size(); }
  static QVariantList templates() {
    return PropertyList::read(templatePath({}, "template.plist")).toMap().value("templates").toList();
  }

private Q_SLOTS:
  void catalogueListsTemplates() {
    const QVariantList list = templates();
    QVERIFY(list.size() >= 6);
    QStringList names;
    for (const QVariant &entry : list)
      names << entry.toMap().value("template_name").toString();
    names.removeDuplicates();
    QCOMPARE(names.size(), list.size());
  }

  void templateFilesExist_data() {
    QTest::addColumn<QVariantMap>("record");
    for (const QVariant &entry : templates()) {
      const QVariantMap record = entry.toMap();
      QTest::newRow(qPrintable(record.value("template_name").toString())) << record;
    }
  }
  void templateFilesExist() {
    QFETCH(QVariantMap, record);
    const QString folder = record.value("template_path").toString();
    QVERIFY(folder.isEmpty() || isPlainFileName(folder));
    QString page = record.value("template_file_name").toString();
    const bool series = page.contains("%i");
    if (series)
      page.replace("%i", "10000");
    for (const QString &name : {page, record.value("default").toString()}) {
      QVERIFY2(isPlainFileName(name), qPrintable(name));
      QCOMPARE(pictureSize(templatePath(folder, name)), QSize(1514, 1900));
    }
    if (series) // a series has more than one page picture
      QVERIFY(QFileInfo::exists(templatePath(folder, page.replace("10000", "10001"))));
    QCOMPARE(pictureSize(templatePath(folder, record.value("cover").toString())), QSize(628, 780));
    const QStringList thumbs = record.value("preview_thumbs").toStringList();
    QVERIFY(!thumbs.isEmpty());
    for (const QString &thumb : thumbs)
      QVERIFY2(!pictureSize(templatePath(folder, thumb)).isEmpty(), qPrintable(thumb));
    for (const QString &key : {"template_cell", "template_cell_s"}) {
      const QString base = record.value(key).toString();
      QCOMPARE(pictureSize(templatePath(folder, base + ".png")), QSize(222, 64));
      QCOMPARE(pictureSize(templatePath(folder, base + "@2x.png")), QSize(444, 128));
    }
  }

  // The store's own reader finds every picture the screens ask a template for.
  void storeReadsEveryTemplate() {
    setResourceFolder(QUILL_RESOURCE_DIR);
    TemplateManager &manager = TemplateManager::sharedTemplateManager();
    manager.initData();
    QCOMPARE(manager.templateCount(), int(templates().size()));
    for (const std::unique_ptr<BookTemplate> &look : manager.allTemplate()) {
      const QString name = look->templateName;
      QVERIFY2(!look->cellBg().isNull() && !look->selectedCellBg().isNull(), qPrintable(name));
      QVERIFY2(!look->bookCover().isNull(), qPrintable(name));
      for (int i = 0; i < look->thumbCount(); ++i)
        QVERIFY2(!look->thumbAtIndex(i).isNull(), qPrintable(name));
      QVERIFY2(QFileInfo::exists(look->backgroundForPage(0)), qPrintable(name));
      QVERIFY2(QFileInfo::exists(look->backgroundForPage(40)), qPrintable(name));
    }
    const std::unique_ptr<BookTemplate> planner = manager.templateWithName("Planner");
    QVERIFY(planner);
    QVERIFY(planner->backgroundForPage(0) != planner->backgroundForPage(1));
    QCOMPARE(manager.builtInBackgrounds().size(), manager.builtInBackgroundThumbs().size());
  }

  void defaultTemplateFilesExist() {
    QCOMPARE(pictureSize(templatePath({}, "template_blue_bg_01.jpg")), QSize(1514, 1900));
    QVERIFY(!pictureSize(templatePath({}, "red_cover.png")).isEmpty());
  }

  void builtInBackgroundsPairWithThumbnails() {
    const QVariantMap list = PropertyList::read(QUILL_RESOURCE_DIR "/BuildIn_BG.plist").toMap();
    const QStringList backgrounds = list.value("bgs").toStringList();
    const QStringList thumbs = list.value("bg_thumbs").toStringList();
    QVERIFY(backgrounds.size() >= 8);
    QCOMPARE(thumbs.size(), backgrounds.size());
    for (int i = 0; i < backgrounds.size(); ++i) {
      QVERIFY2(isPlainFileName(backgrounds.at(i)), qPrintable(backgrounds.at(i)));
      QCOMPARE(pictureSize(templatePath({}, backgrounds.at(i))), QSize(1514, 1900));
      QVERIFY2(!pictureSize(templatePath({}, thumbs.at(i))).isEmpty(), qPrintable(thumbs.at(i)));
    }
  }

  // The first-run notes folder: the tutorial is the catalogue's first entry and
  // every page it lists has its page file, sketch, thumbnail and widget files.
  void tutorialNotebookIsComplete() {
    const QString notes = QUILL_RESOURCE_DIR "/Notes_EN";
    const QVariantList books = PropertyList::read(notes + "/NoteBooks.plist").toMap().value("notebooks").toList();
    QVERIFY(!books.isEmpty());
    const QVariantMap entry = books.first().toMap();
    const QString identifier = entry.value("identifier_key").toString();
    QCOMPARE(identifier, QString("com.morvel.notebook.tutorial"));
    const QString home = notes + "/" + identifier;
    const QVariantMap info = PropertyList::read(home + "/info.plist").toMap();
    const QStringList pages = info.value("page_key").toStringList();
    QVERIFY(pages.size() >= 4);
    QCOMPARE(entry.value("pagecount_key").toInt(), pages.size());
    QVERIFY(!pictureSize(home + "/src/cover").isEmpty());
    for (const QString &page : pages) {
      QFile file(home + "/" + page + ".json");
      QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(page));
      const QJsonObject object = QJsonDocument::fromJson(file.readAll()).object();
      QVERIFY2(!object.contains("background"), "an absolute path would not exist on a device");
      QVERIFY(QFileInfo::exists(home + "/src/" + object.value("backgroundName").toString()));
      QCOMPARE(pictureSize(home + "/src/sketchImage_" + page), QSize(1514, 1820));
      QVERIFY(!pictureSize(home + "/src/thumb_" + page).isEmpty());
      const QJsonArray widgets = object.value("widgets").toArray();
      QVERIFY(!widgets.isEmpty());
      for (const QJsonValue &widget : widgets) {
        const QJsonObject record = widget.toObject();
        if (record.value("className") == QLatin1String("EmojiWidgetData")) // stickers keep no files
          continue;
        const QString file = record.contains("photoName") ? record.value("photoName").toString()
                                                          : record.value("textName").toString() + ".plist";
        QVERIFY2(isPlainFileName(file) && QFileInfo::exists(home + "/src/" + file), qPrintable(file));
      }
    }
  }

  void iconsParse() {
    const QString folder = QUILL_RESOURCE_DIR "/artwork";
    const QStringList icons = QDir(folder).entryList({"*.svg"}, QDir::Files);
    QVERIFY(icons.size() >= 20);
    for (const QString &icon : icons) {
      QSvgRenderer svg(folder + "/" + icon);
      QVERIFY2(svg.isValid() && !svg.viewBoxF().isEmpty(), qPrintable(icon));
    }
  }

  void resourceFolderStaysSmall() {
    qint64 bytes = 0;
    QDirIterator files(QUILL_RESOURCE_DIR, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext())
      bytes += QFileInfo(files.next()).size();
    QVERIFY2(bytes < 15 * 1024 * 1024, qPrintable(QString::number(bytes)));
  }
};

QUILL_TEST(ResourceCatalogueTest)
#include "ResourceCatalogueTest.moc"
