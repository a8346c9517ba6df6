#pragma once

#include <QImage>
#include <QSizeF>
#include <QString>
#include <memory>
#include <vector>

class NoteBook;
class QByteArray;
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
// Main thread only (a save may run on one background thread while nothing
// else touches the page or its notebook).
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
  const std::vector<WidgetDataPtr> &widgets() const { return records; }
  void setWidgets(std::vector<WidgetDataPtr> widgets) { records = std::move(widgets); }

  bool pageEdited() const { return edited; }
  void setPageEdited(bool value) { edited = value; }
  bool sketched() const { return sketchChanged; }
  void setSketched(bool value) { sketchChanged = value; }

  // Paths; empty when the notebook or identifier cannot name a file.
  QString dataPath() const;
  QString sketchImagePath() const;
  QString thumbImagePath() const;

  int index() const;
  // The page file's object: "background", "backgroundName", "widgets".
  QJsonObject proxyForJson() const;

  // The held picture, else the sketch file (not kept); null when neither.
  QImage sketchImage() const;
  void setSketchImage(const QImage &image) { heldSketch = image; }

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
  // Writes the page file when pageEdited, the held sketch when sketched (both
  // or neither: a failure keeps the old files of both), then the notebook's
  // edit date and the catalogue. True only when everything it had to write was
  // written; a flag or held sketch whose write failed stays set, so a later
  // save tries again.
  bool save();

  NotePage(const NotePage &) = delete;
  NotePage &operator=(const NotePage &) = delete;

private:
  bool isInResourceFolder(const QString &path) const;

  NoteBook *notebook;
  QString id;
  QString bgPath;
  QString bgName;
  std::vector<WidgetDataPtr> records;
  QImage heldSketch;
  bool edited = false;
  bool sketchChanged = false;
};
