#pragma once

#include <QDateTime>
#include <QImage>
#include <QString>
#include <QVariantMap>
#include <climits>
#include <memory>
#include <optional>

class BookTemplate;
class NotePage;

// One notebook: identity, name, the ordered page identifiers and current page
// (both kept in the info file "info.plist" of its home folder, read on first
// use), its cover and the template and background that give pages their look.
// The home folder and its resource folder "src" are made when their paths are
// asked for. A notebook whose identifier is not usable (see
// NoteBookManager::isUsableIdentifier) has no paths and never touches the
// disk. Owned through NoteBookPtr by the catalogue (and the editor); pages
// refer to it without owning it. Main thread only.
class NoteBook {
public:
  // What indexOfPage answers for a page that is not listed.
  static constexpr int NotFound = INT_MAX;

  // A new notebook with only an identifier (initWithIdentifier).
  explicit NoteBook(const QString &identifier);
  // A listed notebook from its catalogue record (initWithDictionary); values
  // of the wrong type count as absent. The info file is read when needed.
  explicit NoteBook(const QVariantMap &record);
  ~NoteBook();

  // The name, or the localised "Quill" when none was ever set.
  QString name() const;
  bool hasName() const { return storedName.has_value(); }
  void setName(const QString &name) { storedName = name; }
  QString identifier() const { return id; }
  QString templateName() const { return templateId; }
  void setTemplateName(const QString &name) { templateId = name; }
  // A file name (possibly with the "%i" of a numbered series); empty when unset.
  QString background() const { return backgroundFile; }
  void setBackground(const QString &name) { backgroundFile = name; }
  QDateTime latestEditDate() const { return editDate; }
  void setLatestEditDate(const QDateTime &date) { editDate = date; }
  // Free texts of the new-notebook screen, never stored.
  QString tag() const { return tagText; }
  void setTag(const QString &text) { tagText = text; }
  QString category() const { return categoryText; }
  void setCategory(const QString &text) { categoryText = text; }

  // The info file's content, read on first use: empty when missing; an
  // unreadable one is kept beside itself (see StoredDictionary) and replaced
  // by one listing the page files on disk.
  const QVariantMap &info() const;

  // Paths; empty when the identifier is unusable or a folder cannot be made.
  QString homePath() const;
  QString infoPath() const;
  QString resourcePath() const;
  QString coverPath() const;

  int pageCount() const;
  QString pageIdentifierAtIndex(int index) const;
  // A fresh page read from its page file; the caller owns it, this notebook must outlive it.
  std::unique_ptr<NotePage> pageWithIdentifer(const QString &identifier);
  std::unique_ptr<NotePage> pageAtIndex(int index);
  int indexOfPage(const NotePage &page) const;
  // 32 hex digits of a seconds digest not listed here, not on disk and not
  // made earlier in this process.
  QString newPageIdentifier() const;
  // Appends the page's identifier; false when it has none, it is not a plain
  // file name, it is already listed, or the info file could not be written.
  bool addPage(const NotePage &page);
  void movePageFromIndex(int from, int to);
  void removepageAtIndex(int index);
  // Deletes the page's widget files, sketch, thumbnail and page file.
  void cleanDataForPage(NotePage &page);
  int currentPage() const;
  void setCurrentPage(int index);

  // A fresh template object (the named one, else the default) carrying this
  // notebook's background and cached cover; the caller owns it.
  std::unique_ptr<BookTemplate> bookTemplate() const;
  // Path of the background picture for page index.
  QString backgroundForPage(int index) const;
  // The cover, cached; copied from the template into "src" the first time.
  QImage bookCover();
  // Caches the cover and writes it as PNG; false when the write failed.
  bool setBookCover(const QImage &cover);

  // The catalogue record: name, identifier, edit date, page count, template, background.
  QVariantMap infoDictionary() const;
  // Writes the info file atomically; false when it could not be written.
  bool saveData();

  NoteBook(const NoteBook &) = delete;
  NoteBook &operator=(const NoteBook &) = delete;

private:
  QVariantMap &mutableInfo();
  // The background when it is one plain file name (it may hold "%i").
  QString usableBackground() const;
  QVariantList pageList() const;
  void setPageList(const QVariantList &pages);

  std::optional<QString> storedName;
  QString id;
  QString templateId;
  QString backgroundFile;
  QDateTime editDate;
  QString tagText;
  QString categoryText;
  mutable std::optional<QVariantMap> infoData;
  QImage cover;
};

using NoteBookPtr = std::shared_ptr<NoteBook>;
