#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <QVariantMap>

// A notebook's look, from one record of the read-only template catalogue:
// the cover, the page background (one file, or a numbered series when the
// file name holds "%i"), its fallback, preview pictures and row pictures, all
// inside the "template" resource folder. A value object owned by its caller;
// changing it never changes the catalogue. Names that would leave the
// template folder are treated as absent.
class BookTemplate {
public:
  BookTemplate() = default;
  // From a catalogue record (initWithDictionary); wrong value types count as absent.
  explicit BookTemplate(const QVariantMap &record);

  // "template" in the resource folder.
  static QString templateFolder();
  // The template's own folder: templateFolder() + templatePath.
  QString folder() const;

  QString bookCoverPath() const;
  // The set cover, else the picture of bookCoverPath (then kept).
  QImage bookCover();
  void setBookCover(const QImage &cover) { coverImage = cover; }
  // The row picture "<templateCell>@2x.png" when present, else "<templateCell>.png".
  QImage cellBg() const;
  QImage selectedCellBg() const;
  int thumbCount() const { return int(thumbs.size()); }
  QImage thumbAtIndex(int index) const;
  // The background picture path for page position index (numbered from 10000
  // in a series); the default file when the page's own one is missing.
  QString backgroundForPage(int index) const;

  QString templateName;
  QString templatePath;
  QString templateFileName;
  QString defaultFile;
  QString coverName;
  QStringList thumbs;
  QString templateCell;
  QString templateCells;

private:
  QString pathOf(const QString &name) const;
  QImage rowPicture(const QString &baseName) const;
  QImage coverImage;
};
