#include "TutorialWriter.h"

#include "ArtworkImage.h"
#include "InkPainter.h"
#include "PageThumbnail.h"
#include "TutorialPages.h"
#include "TutorialPhoto.h"

#include "common/AtomicFile.h"
#include "common/FolderPaths.h"
#include "common/Identifiers.h"
#include "store/NoteBook.h"
#include "store/NoteBookManager.h"
#include "store/EmojiWidgetData.h"
#include "store/NotePage.h"
#include "store/PhotoWidgetData.h"
#include "store/StyledText.h"
#include "store/TextWidgetData.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>

namespace {
const QString kTutorialIdentifier = "com.morvel.notebook.tutorial";
const QString kTutorialName = "Quill Tutorial";
const QString kTutorialTemplate = "Dotted";
// Widget files are named by creation time; fixed times keep the output stable.
constexpr qint64 kFirstFileTime = 1765400000;

// Copies the folder tree, every file written atomically.
bool copyTree(const QString &from, const QString &to) {
  QDirIterator files(from, QDir::Files, QDirIterator::Subdirectories);
  while (files.hasNext()) {
    const QString source = files.next();
    const QString target = to + source.mid(from.size());
    QFile file(source);
    if (!QDir().mkpath(QFileInfo(target).path()) || !file.open(QIODevice::ReadOnly) ||
        !writeFileAtomically(target, file.readAll()))
      return false;
  }
  return true;
}
} // namespace

TutorialWriter::TutorialWriter(const QString &resourceFolder)
    : m_resources(resourceFolder), m_nextName(kFirstFileTime) {}

QString TutorialWriter::nextFileName() { return QString::number(m_nextName++); }

bool TutorialWriter::write() {
  QTemporaryDir home;
  if (!home.isValid())
    return false;
  setHomeFolder(home.path());
  setResourceFolder(m_resources);
  NoteBookManager &catalogue = NoteBookManager::sharedNoteBookManager();
  catalogue.initData();

  auto book = std::make_shared<NoteBook>(kTutorialIdentifier);
  book->setName(kTutorialName);
  book->setTemplateName(kTutorialTemplate);
  if (!catalogue.addNoteBook(book) || book->bookCover().isNull())
    return false;
  catalogue.setEditingNote(book);

  const QList<TutorialPages::Page> pages = TutorialPages::pages();
  for (int i = 0; i < pages.size(); ++i) {
    // Stable page identifiers: 32 hex digits like the editor's, from a fixed text.
    NotePage page(book.get(), md5StringOfString(kTutorialIdentifier + "/page/" + QString::number(i + 1)));
    if (!book->addPage(page) || !writePage(*book, page, pages.at(i)))
      return false;
  }
  if (!catalogue.doSave())
    return false;

  const QString staging = m_resources + "/Notes_EN.new";
  QDir(staging).removeRecursively();
  if (!copyTree(NoteBookManager::notesFolder(), staging))
    return false;
  const QString target = m_resources + "/Notes_EN";
  QDir(target).removeRecursively();
  return QDir().rename(staging, target);
}

bool TutorialWriter::writePage(NoteBook &book, NotePage &page, const TutorialPages::Page &content) {
  const QString resources = book.resourcePath();
  const QImage background = page.backgroundImage();
  // Only the name inside "src" is kept: an absolute path would point into
  // this machine's scratch folder.
  page.setBackgroundPath(QString());

  std::vector<WidgetDataPtr> widgets;
  QList<QImage> photos;
  for (const TutorialPages::Photo &photo : content.photos) {
    const QImage picture = TutorialPhoto::paint(photo.motif, (photo.size * 2).toSize());
    auto record = std::make_shared<PhotoWidgetData>();
    record->setPhotoName(nextFileName());
    record->setCenter(photo.center);
    record->setSize(photo.size);
    record->setRotate(photo.rotate);
    if (!ArtworkImage::writePng(picture, resources + "/" + record->photoName()))
      return false;
    widgets.push_back(record);
    photos << picture;
  }
  for (const TutorialPages::TextBox &box : content.texts) {
    StyledText styled;
    for (const TutorialPages::TextRun &run : box.runs)
      styled.append({run.text, QGuiApplication::font().family(), run.pointSize, run.color});
    auto record = std::make_shared<TextWidgetData>();
    record->setTextName(nextFileName());
    record->setText(styled.plainText());
    QFont font = QGuiApplication::font();
    font.setPointSizeF(box.runs.last().pointSize);
    record->setFont(font);
    record->setTextColor(box.runs.last().color);
    record->setFrame(QRectF(box.topLeft, QSizeF(box.width, PageThumbnail::boxHeight(box))));
    if (!styled.write(resources + "/" + record->styledTextFileName()))
      return false;
    widgets.push_back(record);
  }

  for (const TutorialPages::Sticker &sticker : content.stickers) {
    auto record = std::make_shared<EmojiWidgetData>();
    record->setEmojiIndex(sticker.number);
    record->setCenter(sticker.center);
    record->setSize(QSizeF(44, 44));
    widgets.push_back(record);
  }

  QImage sketch = ArtworkImage::blank(NotePage::sketchLayerSize, 2, false);
  if (content.sketch) {
    QPainter painter(&sketch);
    content.sketch(painter);
  }
  page.setWidgets(widgets);
  page.setSketchImage(sketch);
  page.setSketched(true);
  page.setPageEdited(true);
  const QImage thumb = PageThumbnail::render(background, content, photos, sketch, m_resources);
  if (!page.save() || !page.setPageThumb(thumb))
    return false;
  // The editor writes sketches fast; shipped ones are packed as tightly as
  // PNG allows (the same picture, a fraction of the bytes).
  return ArtworkImage::writePng(QImage(page.sketchImagePath()), page.sketchImagePath());
}
