#include "PageSaveJob.h"

#include "StoredPicture.h"
#include "common/AtomicFile.h"
#include "common/DiagnosticLog.h"
#include "common/StagedWrite.h"

#include <QFile>

PageSaveJob::Result PageSaveJob::run() const {
  Result result;
  if (pageUnwritable || !writeWidgetFiles(result))
    return result; // the stored page stays as it was
  if (!writePage(result))
    return result; // it still lists removed widgets: keep their files
  bool complete = true;
  if (!cataloguePath.isEmpty()) {
    complete = writeFileAtomically(cataloguePath, catalogueData);
    if (complete)
      result.written.append(cataloguePath);
  }
  if (!thumbPath.isEmpty()) {
    const bool thumbWritten = StoredPicture::writeJpeg(thumbPath, thumb);
    if (thumbWritten)
      result.written.append(thumbPath);
    complete = thumbWritten && complete;
  }
  deleteFiles(result);
  result.complete = complete && result.notDeleted.isEmpty();
  return result;
}

bool PageSaveJob::writeWidgetFiles(Result &result) const {
  bool allWritten = true;
  QList<int> failedOwners;
  for (const WidgetFile &file : widgetFiles) {
    const bool moved = !file.temporary.isEmpty() && QFile::exists(file.temporary) &&
                       moveFileOver(file.temporary, file.target);
    bool written = moved;
    if (!written && !file.data.isEmpty())
      written = writeFileAtomically(file.target, file.data);
    else if (!written && !file.picture.isNull())
      written = StoredPicture::writePng(file.target, file.picture);
    else if (!written) {
      // Nothing to write it from: the record stays as it is, so the page can still be saved.
      QUILL_LOG_ERROR("page save: widget file missing", "file", 0, file.target);
      continue;
    }
    if (!written) {
      allWritten = false;
      failedOwners.append(file.owner);
      continue;
    }
    if (!moved && !file.temporary.isEmpty())
      QFile::remove(file.temporary);
    result.written.append(file.target);
    if (!result.savedOwners.contains(file.owner))
      result.savedOwners.append(file.owner);
  }
  for (int owner : std::as_const(failedOwners))
    result.savedOwners.removeAll(owner);
  return allWritten;
}

bool PageSaveJob::writePage(Result &result) const {
  // The sketch goes into place first: when it cannot, nothing has changed yet.
  StagedWrite files(commitMarker);
  if (!sketchPath.isEmpty()) {
    const QByteArray png = StoredPicture::pngData(sketch);
    if (png.isEmpty() || !files.stage(sketchPath, png))
      return false;
  }
  if (!pagePath.isEmpty() && !files.stage(pagePath, pageData))
    return false;
  if (!files.commit())
    return false;
  result.pageSaved = true;
  for (const QString &path : {pagePath, sketchPath}) {
    if (!path.isEmpty())
      result.written.append(path);
  }
  return true;
}

void PageSaveJob::deleteFiles(Result &result) const {
  for (const QString &path : filesToDelete) {
    if (!QFile::exists(path))
      continue;
    if (QFile::remove(path))
      result.deleted.append(path);
    else
      result.notDeleted.append(path);
  }
}
