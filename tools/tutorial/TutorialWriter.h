#pragma once

#include <QString>

class NoteBook;
class NotePage;
namespace TutorialPages {
struct Page;
}

// Builds the first-run notes folder "Notes_EN" of the resource folder: a
// catalogue whose first (and only) entry is the tutorial notebook
// "com.morvel.notebook.tutorial", written entirely by the store's own classes
// in a scratch home folder and then copied over the old "Notes_EN".
class TutorialWriter {
public:
  explicit TutorialWriter(const QString &resourceFolder);

  // False when any file could not be written; "Notes_EN" is then left as it was.
  bool write();

private:
  bool writePage(NoteBook &book, NotePage &page, const TutorialPages::Page &content);
  QString nextFileName(); // creation-time style names for widget files

  QString m_resources;
  qint64 m_nextName;
};
