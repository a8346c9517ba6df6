#include "NoteBook.h"

#include "BookTemplate.h"
#include "FileChangeNotification.h"
#include "NoteBookManager.h"
#include "NotePage.h"
#include "StoreFiles.h"
#include "StoredDictionary.h"
#include "StoredPicture.h"
#include "TemplateManager.h"
#include "UniqueIdentifier.h"
#include "common/DiagnosticLog.h"
#include "common/FolderPaths.h"
#include "common/Localization.h"
#include "common/PropertyList.h"
#include "common/UsageAnalytics.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {
const QString kPages = QStringLiteral("page_key");
const QString kCurrentPage = QStringLiteral("currentPage_key");
const QString kInfo = QStringLiteral("info");

QString textOf(const QVariant &value) {
  return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

// The identifiers of the page files in a notebook's folder, for an info file
// that could not be read. Page order is kept nowhere else, so the pages come
// in the order they were last saved (the oldest first), then by name.
QVariantList pagesOnDisk(const QString &home) {
  QFileInfoList files = QDir(home).entryInfoList({QStringLiteral("*.json")}, QDir::Files);
  std::stable_sort(files.begin(), files.end(), [](const QFileInfo &a, const QFileInfo &b) {
    const QDateTime aSaved = a.lastModified(), bSaved = b.lastModified();
    return aSaved != bSaved ? aSaved < bSaved : a.fileName() < b.fileName();
  });
  QVariantList pages;
  for (const QFileInfo &file : files) {
    const QString identifier = file.fileName().chopped(5);
    if (isPlainFileName(identifier))
      pages.append(identifier);
  }
  return pages;
}

void recordPageAmount(int count) {
  UsageAnalytics::shared().event(QStringLiteral("page_amount"),
                                 {{QStringLiteral("pageAmount"), QString::number(count)}});
}
} // namespace

NoteBook::NoteBook(const QString &identifier) : id(identifier) {}

NoteBook::NoteBook(const QVariantMap &record)
    : id(textOf(record.value(QStringLiteral("identifier_key")))),
      templateId(textOf(record.value(QStringLiteral("template_key")))),
      backgroundFile(textOf(record.value(QStringLiteral("background_key")))) {
  const QVariant name = record.value(QStringLiteral("notename_key"));
  if (name.typeId() == QMetaType::QString)
    storedName = name.toString();
  const QVariant date = record.value(QStringLiteral("editDate_key"));
  if (date.typeId() == QMetaType::QDateTime)
    editDate = date.toDateTime();
}

NoteBook::~NoteBook() = default;

QString NoteBook::name() const {
  return storedName ? *storedName : localizedString(QStringLiteral("Quill"));
}

const QVariantMap &NoteBook::info() const {
  if (infoData)
    return *infoData;
  // Reading makes no folders: a notebook without files simply has no pages.
  const QString home = NoteBookManager::homeForBook(*this);
  if (home.isEmpty())
    return infoData.emplace();
  const QString path = home + QLatin1String("/info.plist");
  const StoredDictionary file = StoredDictionary::read(path, kPages);
  infoData = file.value;
  if (file.unreadable) {
    const QVariantList pages = pagesOnDisk(home);
    if (!pages.isEmpty())
      infoData->insert(kPages, pages);
    infoData->insert(kInfo, infoDictionary());
    // The unreadable file is kept beside it, so the rebuilt one may replace it.
    if (!file.keptPath.isEmpty() && PropertyList::write(path, *infoData))
      postFileChanged(kFileMethodAdd, path, id, this);
  }
  return *infoData;
}

QVariantMap &NoteBook::mutableInfo() {
  info();
  return *infoData;
}

QString NoteBook::homePath() const {
  const QString home = NoteBookManager::homeForBook(*this);
  if (home.isEmpty() || confirmFileAtPath(NoteBookManager::notesFolder(), true).isEmpty())
    return {};
  return confirmFileAtPath(home, true);
}

QString NoteBook::infoPath() const {
  return StoreFiles::pathInFolder(homePath(), QStringLiteral("info.plist"));
}

QString NoteBook::resourcePath() const {
  const QString home = homePath();
  return home.isEmpty() ? QString() : confirmFileAtPath(home + QLatin1String("/src"), true);
}

QString NoteBook::coverPath() const {
  return StoreFiles::pathInFolder(resourcePath(), QStringLiteral("cover"));
}

QVariantList NoteBook::pageList() const {
  return info().value(kPages).toList();
}

void NoteBook::setPageList(const QVariantList &pages) {
  mutableInfo().insert(kPages, pages);
}

int NoteBook::pageCount() const {
  return int(pageList().size());
}

QString NoteBook::pageIdentifierAtIndex(int index) const {
  const QVariantList pages = pageList();
  if (index < 0 || index >= pages.size())
    return {};
  return textOf(pages.at(index));
}

std::unique_ptr<NotePage> NoteBook::pageWithIdentifer(const QString &identifier) {
  return std::make_unique<NotePage>(this, identifier);
}

std::unique_ptr<NotePage> NoteBook::pageAtIndex(int index) {
  if (index < 0 || index >= pageCount())
    return nullptr;
  return pageWithIdentifer(pageIdentifierAtIndex(index));
}

int NoteBook::indexOfPage(const NotePage &page) const {
  if (page.identifier().isEmpty())
    return NotFound;
  const int index = int(pageList().indexOf(page.identifier()));
  return index < 0 ? NotFound : index;
}

QString NoteBook::newPageIdentifier() const {
  const QVariantList pages = pageList();
  const QString home = NoteBookManager::homeForBook(*this);
  return uniqueSecondsDigest([&](const QString &digest) {
    return pages.contains(digest) || QFileInfo::exists(home + QLatin1Char('/') + digest + ".json");
  });
}

bool NoteBook::addPage(const NotePage &page) {
  const QString identifier = page.identifier();
  const QVariantList before = pageList();
  if (!isPlainFileName(identifier) || before.contains(identifier))
    return false;
  setPageList(before + QVariantList{identifier});
  if (!saveData()) {
    setPageList(before);
    return false;
  }
  UsageAnalytics::shared().event(QStringLiteral("add_page"));
  recordPageAmount(pageCount());
  return true;
}

void NoteBook::movePageFromIndex(int from, int to) {
  QVariantList pages = pageList();
  if (from < 0 || to < 0 || from >= pages.size() || to >= pages.size())
    return;
  pages.move(from, to);
  setPageList(pages);
  int current = currentPage();
  if (to < from && to <= current && current < from)
    ++current;
  else if (from < to && from < current && current <= to)
    --current;
  else if (current == from)
    current = to;
  mutableInfo().insert(kCurrentPage, qint64(current));
  saveData();
}

void NoteBook::removepageAtIndex(int index) {
  if (index < 0 || index >= pageCount())
    return;
  const int current = currentPage();
  if (current != 0 && current >= index)
    setCurrentPage(current - 1);
  if (const std::unique_ptr<NotePage> page = pageAtIndex(index))
    cleanDataForPage(*page);
  QVariantList pages = pageList();
  pages.removeAt(index);
  setPageList(pages);
  saveData();
  UsageAnalytics::shared().event(QStringLiteral("delete_page"));
  recordPageAmount(pageCount());
}

void NoteBook::cleanDataForPage(NotePage &page) {
  page.cleanData();
  for (const QString &path : {page.sketchImagePath(), page.thumbImagePath(), page.dataPath()}) {
    if (path.isEmpty())
      continue;
    StoreFiles::removeFile(path);
    postFileChanged(kFileMethodDelete, path, id, this);
  }
}

int NoteBook::currentPage() const {
  const QVariant value = info().value(kCurrentPage);
  if (value.typeId() != QMetaType::LongLong)
    return 0;
  return int(std::clamp<qint64>(value.toLongLong(), 0, INT_MAX));
}

void NoteBook::setCurrentPage(int index) {
  if (index == currentPage())
    return;
  mutableInfo().insert(kCurrentPage, qint64(std::max(index, 0)));
  saveData();
}

QString NoteBook::usableBackground() const {
  if (backgroundFile.isEmpty() || isPlainFileName(backgroundFile))
    return backgroundFile;
  QUILL_LOG_ERROR("notebook: background", "notebook", 0,
                  "not a plain file name: " + backgroundFile);
  return {};
}

std::unique_ptr<BookTemplate> NoteBook::bookTemplate() const {
  std::unique_ptr<BookTemplate> look;
  if (!templateId.isEmpty())
    look = TemplateManager::sharedTemplateManager().templateWithName(templateId);
  if (!look)
    look = TemplateManager::defaultTemplate();
  const QString background = usableBackground();
  if (!background.isEmpty()) {
    look->templateFileName = background;
    // A numbered series ("%i") has pictures for its first pages only; the
    // pages past its end keep the template's own page instead of a name no
    // file carries.
    if (!background.contains(QLatin1String("%i")))
      look->defaultFile = background;
  }
  if (!cover.isNull())
    look->setBookCover(cover);
  return look;
}

QString NoteBook::backgroundForPage(int index) const {
  const QString builtIn =
      StoreFiles::pathInFolder(BookTemplate::templateFolder(), usableBackground());
  if (!builtIn.isEmpty() && QFileInfo::exists(builtIn))
    return builtIn;
  return bookTemplate()->backgroundForPage(index);
}

QImage NoteBook::bookCover() {
  if (!cover.isNull())
    return cover;
  const QString path = coverPath();
  if (path.isEmpty())
    return {};
  if (!QFileInfo::exists(path)) {
    const QString templateCover = bookTemplate()->bookCoverPath();
    if (templateCover.isEmpty() || !StoreFiles::copyFile(templateCover, path))
      return {};
    postFileChanged(kFileMethodAdd, path, id, this);
  }
  cover = StoredPicture::read(path);
  return cover;
}

bool NoteBook::setBookCover(const QImage &picture) {
  if (picture.isNull())
    return false;
  if (picture.cacheKey() == cover.cacheKey())
    return true;
  // The cache only ever holds a stored cover, so a failed write can be retried.
  const QString path = coverPath();
  if (!StoredPicture::writePng(path, picture))
    return false;
  cover = picture;
  postFileChanged(kFileMethodAdd, path, id, this);
  return true;
}

QVariantMap NoteBook::infoDictionary() const {
  QVariantMap record{{QStringLiteral("notename_key"), name()},
                     {QStringLiteral("identifier_key"), id},
                     {QStringLiteral("pagecount_key"), qint64(pageCount())}};
  if (editDate.isValid())
    record.insert(QStringLiteral("editDate_key"), editDate);
  if (!templateId.isEmpty())
    record.insert(QStringLiteral("template_key"), templateId);
  if (!backgroundFile.isEmpty())
    record.insert(QStringLiteral("background_key"), backgroundFile);
  return record;
}

bool NoteBook::saveData() {
  mutableInfo().insert(kInfo, infoDictionary());
  const QString path = infoPath();
  if (path.isEmpty() || !PropertyList::write(path, *infoData))
    return false;
  postFileChanged(kFileMethodAdd, path, id, this);
  return true;
}
