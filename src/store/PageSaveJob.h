#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

// What a page save writes, held as values only, so that the writing can run on
// a worker while the page and its widgets stay on the main thread. The main
// thread fills a job from the page; run() writes it on any one thread and
// returns what was written, and the main thread applies that result.
//
// The order keeps the stored page whole: the widgets' files first, then the
// page file and the sketch as one change (both or neither), then the
// catalogue, the thumbnail, and last the deletion of removed widgets' files,
// which happens only once the page that no longer lists them is stored.
class PageSaveJob {
public:
  // One file of a widget: the temporary file moved into place when present,
  // else the data, else the picture as PNG; with none of them the file is
  // missing and stays so (the save goes on).
  struct WidgetFile {
    int owner = -1; // the caller's number for the widget
    QString target;
    QString temporary;
    QByteArray data;
    QImage picture;
  };

  struct Result {
    QList<int> savedOwners; // widgets whose files are all in place
    QStringList written;    // every file written, in order
    QStringList deleted;    // removed widgets' files that are gone
    QStringList notDeleted; // removed widgets' files still there
    bool pageSaved = false; // the page file and sketch are stored (or had nothing to store)
    bool complete = false;  // everything in the job was written
  };

  QList<WidgetFile> widgetFiles;
  QString pagePath; // empty: the page file is not written
  QByteArray pageData;
  QString sketchPath; // empty: the sketch is not written
  QImage sketch;
  QString commitMarker;  // of the page file and sketch pair
  QString cataloguePath; // empty: the catalogue is not written (it is after the page only)
  QByteArray catalogueData;
  QString thumbPath; // empty: no thumbnail
  QImage thumb;
  QStringList filesToDelete;
  // The page file or sketch must be written but has no path (its folder
  // cannot be made): the job writes nothing and fails.
  bool pageUnwritable = false;

  // Whether the job writes the page file or the sketch.
  bool writesPage() const { return !pagePath.isEmpty() || !sketchPath.isEmpty(); }

  Result run() const;

private:
  bool writeWidgetFiles(Result &result) const;
  bool writePage(Result &result) const;
  void deleteFiles(Result &result) const;
};
