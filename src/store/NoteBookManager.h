#pragma once

#include <QString>
#include <QVariantList>
#include <QVariantMap>
#include <memory>
#include <vector>

class NoteBook;
using NoteBookPtr = std::shared_ptr<NoteBook>;

// The catalogue of notebooks in shelf order (index 0 is the front of the
// shelf), kept in "NoteBooks.plist" in the notes folder. The in-memory list is
// the truth once loaded; the file is rewritten whole after every change.
// Top-level keys of the file other than "notebooks" survive every save, and
// catalogue entries that cannot be used safely (no text identifier, an
// identifier that is not usable, see isUsableIdentifier, or a repeated
// identifier) are left out of the list but written back unchanged.
// Main thread only; the shared instance is made thread-safely on first use.
class NoteBookManager {
public:
  static NoteBookManager &sharedNoteBookManager();

  // The notes folder, "Notes" in the library folder.
  static QString notesFolder();
  static QString cataloguePath();
  // The notebook's home folder path; empty when its identifier is not usable,
  // so such an identifier never reaches the file system.
  static QString homeForBook(const NoteBook &book);
  // True when identifier can name a folder of the notes folder: one plain
  // name that is not hidden (staging folders start with ".") and does not
  // begin with the name of one of the notes folder's own files (the
  // catalogue, the sync file and their temporary or kept-aside copies), in
  // any case, as a folder of that name would take the file's place.
  static bool isUsableIdentifier(const QString &identifier);

  // (Re)loads the catalogue from the notes folder of the current home folder;
  // forgets the editing notebook. A missing file is an empty catalogue. An
  // unreadable one is kept beside itself (see StoredDictionary) and replaced
  // by a catalogue of the notebook folders on disk.
  void initData();

  const std::vector<NoteBookPtr> &allBook() const { return books; }
  int count() const { return int(books.size()); }
  NoteBookPtr bookAtIndex(int index) const;
  NoteBookPtr bookWithIdentifier(const QString &identifier) const;

  // "com.quill." + 32 hex digits of a seconds digest that no listed notebook,
  // folder or earlier call of this process uses.
  QString newNoteBookIdentifier() const;

  // Lists a new notebook at the front (named "note%i" when its name is empty)
  // or keeps a listed one in place; either way stores its info file and the
  // catalogue. False for a notebook without a usable identifier, another
  // notebook object with a listed identifier, or a failed write.
  bool addNoteBook(const NoteBookPtr &book);
  // Deletes a listed notebook's folder and drops it from the catalogue.
  void removeBook(const NoteBookPtr &book);
  void removeBookAtIndex(int index);
  void moveBookFromIndex(int from, int to);
  // Writes the catalogue atomically; false when it could not be written.
  bool doSave();
  // The catalogue file's text as doSave writes it (empty if it cannot be encoded).
  QByteArray catalogueData() const;

  // The notebook open in the page editor; kept even after it is removed.
  NoteBookPtr editingNote() const { return editing; }
  void setEditingNote(const NoteBookPtr &book) { editing = book; }

  // Top-level entries of the catalogue file other than "notebooks".
  const QVariantMap &noteInfo() const { return otherEntries; }

  NoteBookManager(const NoteBookManager &) = delete;
  NoteBookManager &operator=(const NoteBookManager &) = delete;

private:
  NoteBookManager();
  ~NoteBookManager();
  int indexOf(const NoteBook *book) const;

  QVariantMap otherEntries;
  QVariantList keptEntries;
  std::vector<NoteBookPtr> books;
  NoteBookPtr editing;
};
