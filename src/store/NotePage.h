#pragma once

#include "PageSaveJob.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSizeF>
#include <QString>
#include <memory>
#include <vector>

class NoteBook;
class QJsonObject;
class WidgetData;
using WidgetDataPtr = std::shared_ptr<WidgetData>;

// One page as stored: the page file "<identifier>.json" in the notebook's home
// folder (background reference and widget records) and, in the resource folder,
// the sketch "sketchImage_<identifier>" (PNG), the thumbnail
// "thumb_<identifier>" (JPEG) and an own background "<identifier>_bg" (JPEG).
// A short-lived object: made fresh for each use, reading its page file at
// creation; it holds records and pictures, never editing state. It refers to
// its notebook, which must outlive it. Pictures are written at scale 2.
// Only files inside the notebook's folders are ever read, written or deleted.
// Every widget record read is kept as the text it was read as, whatever its
// kind, and written back so unless it is replaced. The page file and the
// sketch are written as one change; one left half-done by a crash is finished
// or rolled back when the page is next read. Main thread only: a save's
// writing runs elsewhere through a PageSaveJob, which holds only values.
class NotePage {
public:
  // The point size of the handwriting layer; the sketch file is read stretched to it.
  static constexpr QSizeF sketchLayerSize{757, 910};

  // An empty page of the notebook: no identifier, no widgets, flags false.
  explicit NotePage(NoteBook *book);
  // The page with that identifier, read from its page file (missing: empty).
  NotePage(NoteBook *book, const QString &identifier);
  ~NotePage();

  // Replaces the content by the page file's JSON text; anything but a JSON
  // object gives an empty page.
  void initDataWithJsonString(const QByteArray &json);
  void initDataWithDictionary(const QJsonObject &object);

  QString identifier() const { return id; }
  NoteBook *book() const { return notebook; }
  QString backgroundPath() const { return bgPath; }
  void setBackgroundPath(const QString &path) { bgPath = path; }
  QString backgroundName() const { return bgName; }
  void setBackgroundName(const QString &name) { bgName = name; }
  // The records of the kinds this build knows, in page order.
  std::vector<WidgetDataPtr> widgets() const;
  void setWidgets(const std::vector<WidgetDataPtr> &widgets);

  // Every stored record in page order: its text, and its record when the kind is known.
  struct StoredRecord {
    WidgetDataPtr record;
    QByteArray text;
  };
  const std::vector<StoredRecord> &storedRecords() const { return stored; }
  void setRecordTexts(const QList<QByteArray> &texts);
  // The page file's text with these records.
  QByteArray pageFileData(const QList<QByteArray> &recordTexts) const;
  QList<QByteArray> recordTexts() const;

  bool pageEdited() const { return edited; }
  void setPageEdited(bool value) { edited = value; }
  bool sketched() const { return sketchChanged; }
  void setSketched(bool value) { sketchChanged = value; }

  // Paths; empty when the notebook or identifier cannot name a file.
  QString dataPath() const;
  QString sketchImagePath() const;
  QString thumbImagePath() const;

  int index() const;

  // The held picture, else the sketch file (not kept); null when neither.
  QImage sketchImage() const;
  void setSketchImage(const QImage &image) { heldSketch = image; }
  // The sketch file read last was not at the store's scale of the layer
  // (older saves wrote it twice too large); the next save rewrites it.
  bool storedSketchMisfits() const { return storedSketchMisfit; }

  QImage pageThumb() const;
  // Writes the thumbnail (a null picture deletes it); false when that failed.
  bool setPageThumb(const QImage &thumb);
  bool thumbCached() const;

  // The background: the stored path, else the stored name in "src", else the
  // notebook's background for this page (copied into "src" once).
  QImage backgroundImage();
  // Makes the picture the page's own background "<identifier>_bg"; false when
  // it could not be written (the page then keeps its old background).
  bool setBackground(const QImage &image);

  // Deletes the files of the page's widget records from the resource folder.
  void cleanData();

  // The page's part of a save: the page file when pageEdited, the held sketch
  // when sketched (or when the stored one is not at its true size), and with
  // either the notebook's new edit date and the catalogue.
  PageSaveJob saveJob();
  // After the job ran: clears the flags of what was stored and announces
  // every written and deleted file.
  void applySaveResult(const PageSaveJob &job, const PageSaveJob::Result &result);
  // saveJob, run and applied here. True only when everything it had to write
  // was written; a flag or held sketch whose write failed stays set, so a
  // later save tries again.
  bool save();

  NotePage(const NotePage &) = delete;
  NotePage &operator=(const NotePage &) = delete;

private:
  void initDataWithJsonText(const QByteArray &json, const QJsonObject &object);
  bool isInResourceFolder(const QString &path) const;
  QString commitMarkerPath() const;

  NoteBook *notebook;
  QString id;
  QString bgPath;
  QString bgName;
  std::vector<StoredRecord> stored;
  QImage heldSketch;
  bool edited = false;
  bool sketchChanged = false;
  mutable bool storedSketchMisfit = false;
};
