#include "NoteBookManager.h"

#include "NoteBook.h"
#include "StoredDictionary.h"
#include "UniqueIdentifier.h"
#include "common/AtomicFile.h"
#include "common/DiagnosticLog.h"
#include "common/FolderPaths.h"
#include "common/PropertyList.h"
#include "common/UsageAnalytics.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <algorithm>

namespace {
const QString kNotebooks = QStringLiteral("notebooks");
const QString kIdentifierKey = QStringLiteral("identifier_key");
const QString kEditDateKey = QStringLiteral("editDate_key");
// The files the notes folder holds besides the notebook folders.
const QString kNotesFolderFiles[] = {QStringLiteral("NoteBooks.plist"),
                                     QStringLiteral("SyncInfo.plist")};

// The records of the notebook folders on disk, for a catalogue that could not
// be read: every folder with a usable identifier and an info file, described
// by the copy of its record the info file keeps (an unreadable info file is
// the notebook's to report and rebuild when it is read). The shelf order went
// with the catalogue; the last edited come first, as a new notebook goes in front.
QVariantList recordsOnDisk() {
  QVariantList records;
  const QDir notes(NoteBookManager::notesFolder());
  for (const QString &name : notes.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
    QFile info(notes.filePath(name + QLatin1String("/info.plist")));
    if (!NoteBookManager::isUsableIdentifier(name) || !info.open(QIODevice::ReadOnly))
      continue;
    QVariantMap record =
        PropertyList::fromData(info.readAll()).toMap().value(QStringLiteral("info")).toMap();
    record.insert(kIdentifierKey, name);
    records.append(record);
  }
  std::stable_sort(records.begin(), records.end(), [](const QVariant &a, const QVariant &b) {
    return a.toMap().value(kEditDateKey).toDateTime() > b.toMap().value(kEditDateKey).toDateTime();
  });
  return records;
}

void recordAmount(int count) {
  UsageAnalytics::shared().event(QStringLiteral("notebook_amount"),
                                 {{QStringLiteral("notebookAmount"), QString::number(count)}});
}
} // namespace

NoteBookManager &NoteBookManager::sharedNoteBookManager() {
  static NoteBookManager manager;
  return manager;
}

NoteBookManager::NoteBookManager() {
  initData();
}
NoteBookManager::~NoteBookManager() = default;

QString NoteBookManager::notesFolder() {
  return libraryPathWithName(QStringLiteral("Notes"));
}

QString NoteBookManager::cataloguePath() {
  return notesFolder() + QLatin1String("/NoteBooks.plist");
}

bool NoteBookManager::isUsableIdentifier(const QString &identifier) {
  if (!isPlainFileName(identifier) || identifier.startsWith(QLatin1Char('.')))
    return false;
  for (const QString &file : kNotesFolderFiles) {
    if (identifier.startsWith(file, Qt::CaseInsensitive))
      return false;
  }
  return true;
}

QString NoteBookManager::homeForBook(const NoteBook &book) {
  if (!isUsableIdentifier(book.identifier()))
    return {};
  return notesFolder() + QLatin1Char('/') + book.identifier();
}

void NoteBookManager::initData() {
  books.clear();
  keptEntries.clear();
  editing.reset();
  QDir().mkpath(libraryDirectory());
  confirmFileAtPath(notesFolder(), true);
  const StoredDictionary file = StoredDictionary::read(cataloguePath(), kNotebooks);
  otherEntries = file.value;
  const QVariantList records =
      file.unreadable ? recordsOnDisk() : otherEntries.take(kNotebooks).toList();
  QSet<QString> listed;
  for (const QVariant &record : records) {
    const QVariant identifier = record.toMap().value(kIdentifierKey);
    const QString text = identifier.toString();
    if (record.typeId() != QMetaType::QVariantMap || identifier.typeId() != QMetaType::QString ||
        !isUsableIdentifier(text) || listed.contains(text)) {
      // Kept as it is so that nothing is lost, but never used to build a path.
      QUILL_LOG_ERROR("catalogue: entry skipped", "plist", int(keptEntries.size()),
                      "no usable or a repeated identifier: " + text);
      keptEntries.append(record);
      continue;
    }
    listed.insert(text);
    books.push_back(std::make_shared<NoteBook>(record.toMap()));
  }
  // The unreadable file is kept beside it, so the rebuilt list may replace it.
  if (file.unreadable && !file.keptPath.isEmpty())
    doSave();
}

NoteBookPtr NoteBookManager::bookAtIndex(int index) const {
  if (index < 0 || index >= count())
    return nullptr;
  return books[size_t(index)];
}

NoteBookPtr NoteBookManager::bookWithIdentifier(const QString &identifier) const {
  for (const NoteBookPtr &book : books) {
    if (book->identifier() == identifier)
      return book;
  }
  return nullptr;
}

int NoteBookManager::indexOf(const NoteBook *book) const {
  for (size_t i = 0; i < books.size(); ++i) {
    if (books[i].get() == book)
      return int(i);
  }
  return -1;
}

QString NoteBookManager::newNoteBookIdentifier() const {
  return QStringLiteral("com.quill.") + uniqueSecondsDigest([this](const QString &digest) {
           const QString identifier = QStringLiteral("com.quill.") + digest;
           return bookWithIdentifier(identifier) ||
                  QFileInfo::exists(notesFolder() + QLatin1Char('/') + identifier);
         });
}

bool NoteBookManager::addNoteBook(const NoteBookPtr &book) {
  if (!book || !isUsableIdentifier(book->identifier()))
    return false;
  const NoteBookPtr listed = bookWithIdentifier(book->identifier());
  if (listed && listed != book) {
    QUILL_LOG_ERROR("catalogue: add", "notebook", 0,
                    "identifier already listed: " + book->identifier());
    return false;
  }
  if (!listed) {
    book->setLatestEditDate(QDateTime::currentDateTimeUtc());
    if (book->hasName() && book->name().isEmpty())
      book->setName(QStringLiteral("note%1").arg(count()));
    books.insert(books.begin(), book);
    QVariantMap attributes{{QStringLiteral("notebookName"), book->name()}};
    if (!book->templateName().isEmpty())
      attributes.insert(QStringLiteral("templateId"), book->templateName());
    UsageAnalytics::shared().event(QStringLiteral("add_notebook"), attributes);
    recordAmount(count());
  }
  const bool infoSaved = book->saveData();
  return doSave() && infoSaved;
}

void NoteBookManager::removeBook(const NoteBookPtr &book) {
  const int index = indexOf(book.get());
  if (index < 0)
    return;
  const QString home = homeForBook(*book);
  if (!home.isEmpty() && !QDir(home).removeRecursively())
    QUILL_LOG_ERROR("catalogue: remove folder", "file", 0, home);
  books.erase(books.begin() + index);
  doSave();
  UsageAnalytics::shared().event(QStringLiteral("delete_notebook"));
  recordAmount(count());
}

void NoteBookManager::removeBookAtIndex(int index) {
  if (const NoteBookPtr book = bookAtIndex(index))
    removeBook(book);
}

void NoteBookManager::moveBookFromIndex(int from, int to) {
  if (from < 0 || to < 0 || from >= count() || to >= count())
    return;
  NoteBookPtr book = books[size_t(from)];
  books.erase(books.begin() + from);
  books.insert(books.begin() + to, std::move(book));
  doSave();
}

bool NoteBookManager::doSave() {
  const QByteArray data = catalogueData();
  return !data.isEmpty() && writeFileAtomically(cataloguePath(), data);
}

QByteArray NoteBookManager::catalogueData() const {
  QVariantList records;
  records.reserve(qsizetype(books.size() + keptEntries.size()));
  for (const NoteBookPtr &book : books)
    records.append(book->infoDictionary());
  records.append(keptEntries);
  QVariantMap file = otherEntries;
  file.insert(kNotebooks, records);
  return PropertyList::toXml(file);
}
