#include "NotePage.h"

#include "FileChangeNotification.h"
#include "JsonElementTexts.h"
#include "NoteBook.h"
#include "NoteBookManager.h"
#include "StoreFiles.h"
#include "StoredPicture.h"
#include "WidgetData.h"
#include "common/DiagnosticLog.h"
#include "common/FolderPaths.h"
#include "common/StagedWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
const QString kBackground = QStringLiteral("background");
const QString kBackgroundName = QStringLiteral("backgroundName");
const QString kWidgets = QStringLiteral("widgets");
} // namespace

NotePage::NotePage(NoteBook *book) : notebook(book) {}

NotePage::NotePage(NoteBook *book, const QString &identifier) : notebook(book), id(identifier) {
  if (!notebook || !isPlainFileName(id))
    return;
  StagedWrite::recover(commitMarkerPath(), {dataPath(), sketchImagePath()});
  // Reading makes no folders; a page never saved simply has no file.
  const QString path = NoteBookManager::homeForBook(*notebook) + QLatin1Char('/') + id + ".json";
  QFile file(path);
  if (file.open(QIODevice::ReadOnly))
    initDataWithJsonString(file.readAll());
  else if (file.exists())
    QUILL_LOG_ERROR("page: open", "file", file.error(), path + ": " + file.errorString());
}

NotePage::~NotePage() = default;

void NotePage::initDataWithJsonString(const QByteArray &json) {
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(json, &error);
  if (document.isObject()) {
    initDataWithJsonText(json, document.object());
    return;
  }
  if (!json.isEmpty())
    QUILL_LOG_ERROR("page: parse", "json", error.error, "page " + id + ": " + error.errorString());
  bgPath.clear();
  bgName.clear();
  stored.clear();
  heldSketch = QImage();
}

void NotePage::initDataWithDictionary(const QJsonObject &object) {
  bgPath = object.value(kBackground).toString();
  bgName = object.value(kBackgroundName).toString();
  if (!bgName.isEmpty() && !isPlainFileName(bgName)) {
    QUILL_LOG_ERROR("page: background name", "json", 0, "not a plain file name: " + bgName);
    bgName.clear();
  }
  QList<QByteArray> texts;
  for (const QJsonValue &value : object.value(kWidgets).toArray())
    texts.append(QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
  setRecordTexts(texts);
  for (const StoredRecord &entry : stored) {
    if (!entry.record)
      QUILL_LOG_ERROR("page: widget record of no known kind, kept as it is", "json", 0,
                      QJsonDocument::fromJson(entry.text).object().value("className").toString());
  }
}

void NotePage::initDataWithJsonText(const QByteArray &json, const QJsonObject &object) {
  initDataWithDictionary(object);
  // The records as they stand in the file, so that they are written back unchanged.
  const QList<QByteArray> texts = jsonArrayElementTexts(json, QLatin1String("widgets"));
  if (texts.size() == qsizetype(stored.size())) {
    for (size_t i = 0; i < stored.size(); ++i)
      stored[i].text = texts[qsizetype(i)];
  }
}

std::vector<WidgetDataPtr> NotePage::widgets() const {
  std::vector<WidgetDataPtr> records;
  for (const StoredRecord &entry : stored) {
    if (entry.record)
      records.push_back(entry.record);
  }
  return records;
}

void NotePage::setWidgets(const std::vector<WidgetDataPtr> &widgets) {
  stored.clear();
  for (const WidgetDataPtr &record : widgets) {
    const QJsonObject object = record ? record->dictionaryData() : QJsonObject();
    if (!object.isEmpty())
      stored.push_back({record, QJsonDocument(object).toJson(QJsonDocument::Compact)});
  }
}

void NotePage::setRecordTexts(const QList<QByteArray> &texts) {
  stored.clear();
  stored.reserve(size_t(texts.size()));
  for (const QByteArray &text : texts) {
    const QJsonObject object = QJsonDocument::fromJson(text).object();
    stored.push_back({WidgetData::widgetWithData(object), text});
  }
}

QList<QByteArray> NotePage::recordTexts() const {
  QList<QByteArray> texts;
  texts.reserve(qsizetype(stored.size()));
  for (const StoredRecord &entry : stored)
    texts.append(entry.text);
  return texts;
}

QByteArray NotePage::pageFileData(const QList<QByteArray> &recordTexts) const {
  QJsonObject object;
  if (!bgPath.isEmpty())
    object.insert(kBackground, bgPath);
  if (!bgName.isEmpty())
    object.insert(kBackgroundName, bgName);
  QByteArray data = QJsonDocument(object).toJson(QJsonDocument::Compact);
  if (recordTexts.isEmpty())
    return data;
  // Keys are written in sorted order, so "widgets" comes last, as QJsonDocument would write it.
  data.chop(1);
  if (!object.isEmpty())
    data += ',';
  data += "\"widgets\":[" + recordTexts.join(',') + "]}";
  return data;
}

QString NotePage::dataPath() const {
  if (!notebook || !isPlainFileName(id))
    return {};
  return StoreFiles::pathInFolder(notebook->homePath(), id + QLatin1String(".json"));
}

QString NotePage::sketchImagePath() const {
  if (!notebook || !isPlainFileName(id))
    return {};
  return StoreFiles::pathInFolder(notebook->resourcePath(), QLatin1String("sketchImage_") + id);
}

QString NotePage::thumbImagePath() const {
  if (!notebook || !isPlainFileName(id))
    return {};
  return StoreFiles::pathInFolder(notebook->resourcePath(), QLatin1String("thumb_") + id);
}

int NotePage::index() const {
  return notebook ? notebook->indexOfPage(*this) : NoteBook::NotFound;
}

QString NotePage::commitMarkerPath() const {
  if (!notebook || !isPlainFileName(id))
    return {};
  return StoreFiles::pathInFolder(notebook->homePath(), id + QLatin1String(".commit"));
}

QImage NotePage::sketchImage() const {
  if (!heldSketch.isNull())
    return heldSketch;
  const QImage picture = StoredPicture::read(sketchImagePath(), sketchLayerSize);
  storedSketchMisfit = !picture.isNull() && picture.size() != (sketchLayerSize * 2).toSize();
  return picture;
}

QImage NotePage::pageThumb() const {
  return StoredPicture::read(thumbImagePath());
}

bool NotePage::setPageThumb(const QImage &thumb) {
  const QString path = thumbImagePath();
  if (path.isEmpty())
    return false;
  if (thumb.isNull())
    return StoreFiles::removeFile(path);
  if (!StoredPicture::writeJpeg(path, thumb))
    return false;
  postFileChanged(kFileMethodAdd, path, notebook->identifier(), this);
  return true;
}

bool NotePage::thumbCached() const {
  const QString path = thumbImagePath();
  return !path.isEmpty() && QFileInfo::exists(path);
}

bool NotePage::isInResourceFolder(const QString &path) const {
  const QString folder = notebook ? notebook->resourcePath() : QString();
  const QString clean = QDir::cleanPath(path);
  return !folder.isEmpty() && clean.startsWith(folder + QLatin1Char('/')) &&
         isPlainFileName(clean.mid(folder.size() + 1));
}

QImage NotePage::backgroundImage() {
  if (!notebook)
    return {};
  // A stored path is trusted only inside the notebook's resource folder.
  if (isInResourceFolder(bgPath)) {
    const QImage picture = StoredPicture::read(bgPath);
    if (!picture.isNull())
      return picture;
  }
  const QString folder = notebook->resourcePath();
  if (const QString named = StoreFiles::pathInFolder(folder, bgName); !named.isEmpty()) {
    bgPath = named;
    const QImage picture = StoredPicture::read(named);
    if (!picture.isNull())
      return picture;
  }
  const QString source = notebook->backgroundForPage(index());
  const QImage picture = StoredPicture::read(source);
  const QString name = QFileInfo(source).fileName();
  const QString copy = StoreFiles::pathInFolder(folder, name);
  if (picture.isNull() || copy.isEmpty())
    return picture;
  if (!QFileInfo::exists(copy)) {
    if (!StoreFiles::copyFile(source, copy))
      return picture;
    postFileChanged(kFileMethodAdd, copy, notebook->identifier(), this);
  }
  bgPath = copy;
  bgName = name;
  return picture;
}

bool NotePage::setBackground(const QImage &image) {
  if (!notebook || !isPlainFileName(id))
    return false;
  const QString name = id + QLatin1String("_bg");
  const QString path = StoreFiles::pathInFolder(notebook->resourcePath(), name);
  if (!StoredPicture::writeJpeg(path, image))
    return false;
  bgName = name;
  bgPath = path;
  return true;
}

void NotePage::cleanData() {
  const QString folder = notebook ? notebook->resourcePath() : QString();
  QStringList paths;
  for (const WidgetDataPtr &record : widgets()) {
    for (const QString &name : record->resourceFileNames()) {
      const QString path = StoreFiles::pathInFolder(folder, name);
      if (!path.isEmpty())
        paths.append(path);
    }
  }
  for (const QString &path : paths) {
    StoreFiles::removeFile(path);
    postFileChanged(kFileMethodDelete, path, notebook->identifier(), this);
  }
}

PageSaveJob NotePage::saveJob() {
  PageSaveJob job;
  if (!notebook)
    return job;
  if (edited) {
    job.pagePath = dataPath();
    job.pageData = pageFileData(recordTexts());
    job.pageUnwritable = job.pagePath.isEmpty();
  }
  if (sketchChanged && !heldSketch.isNull()) {
    job.sketchPath = sketchImagePath();
    job.sketch = heldSketch;
    job.pageUnwritable = job.pageUnwritable || job.sketchPath.isEmpty();
  }
  if (job.pageUnwritable) {
    QUILL_LOG_ERROR("page save: no folder for the page", "page", 0, id);
    return job;
  }
  if (!edited && !sketchChanged)
    return job;
  job.commitMarker = commitMarkerPath();
  notebook->setLatestEditDate(QDateTime::currentDateTimeUtc());
  job.cataloguePath = NoteBookManager::cataloguePath();
  job.catalogueData = NoteBookManager::sharedNoteBookManager().catalogueData();
  return job;
}

void NotePage::applySaveResult(const PageSaveJob &job, const PageSaveJob::Result &result) {
  if (result.pageSaved) {
    if (!job.pagePath.isEmpty())
      edited = false;
    if (!job.sketchPath.isEmpty()) {
      sketchChanged = false;
      storedSketchMisfit = false;
      heldSketch = QImage();
    }
  }
  const QString book = notebook ? notebook->identifier() : QString();
  for (const QString &path : result.written) {
    if (path != job.cataloguePath)
      postFileChanged(kFileMethodAdd, path, book, this);
  }
  for (const QString &path : result.deleted)
    postFileChanged(kFileMethodDelete, path, book, this);
}

bool NotePage::save() {
  if (!notebook)
    return !edited && !sketchChanged;
  const PageSaveJob job = saveJob();
  const PageSaveJob::Result result = job.run();
  applySaveResult(job, result);
  return result.complete;
}
