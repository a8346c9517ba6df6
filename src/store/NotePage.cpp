#include "NotePage.h"

#include "FileChangeNotification.h"
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
    initDataWithDictionary(document.object());
    return;
  }
  if (!json.isEmpty())
    QUILL_LOG_ERROR("page: parse", "json", error.error, "page " + id + ": " + error.errorString());
  bgPath.clear();
  bgName.clear();
  records.clear();
  heldSketch = QImage();
}

void NotePage::initDataWithDictionary(const QJsonObject &object) {
  bgPath = object.value(kBackground).toString();
  bgName = object.value(kBackgroundName).toString();
  if (!bgName.isEmpty() && !isPlainFileName(bgName)) {
    QUILL_LOG_ERROR("page: background name", "json", 0, "not a plain file name: " + bgName);
    bgName.clear();
  }
  records.clear();
  const QJsonArray widgets = object.value(kWidgets).toArray();
  records.reserve(size_t(widgets.size()));
  for (const QJsonValue &stored : widgets) {
    if (WidgetDataPtr record = WidgetData::widgetWithData(stored.toObject()))
      records.push_back(std::move(record));
    else
      QUILL_LOG_ERROR("page: widget record", "json", 0,
                      "no record kind: " + stored.toObject().value("className").toString());
  }
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

QJsonObject NotePage::proxyForJson() const {
  QJsonObject object;
  if (!bgPath.isEmpty())
    object.insert(kBackground, bgPath);
  if (!bgName.isEmpty())
    object.insert(kBackgroundName, bgName);
  QJsonArray widgets;
  for (const WidgetDataPtr &record : records) {
    const QJsonObject stored = record ? record->dictionaryData() : QJsonObject();
    if (!stored.isEmpty())
      widgets.append(stored);
  }
  if (!widgets.isEmpty())
    object.insert(kWidgets, widgets);
  return object;
}

QImage NotePage::sketchImage() const {
  if (!heldSketch.isNull())
    return heldSketch;
  return StoredPicture::read(sketchImagePath(), sketchLayerSize);
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
  for (const WidgetDataPtr &record : records) {
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

bool NotePage::save() {
  if (!notebook)
    return !edited && !sketchChanged;
  const bool wasEdited = edited;
  const bool writeSketch = sketchChanged && !heldSketch.isNull();
  // The sketch and the page file change together or not at all, so a failed
  // save never leaves new widgets over an old sketch or the other way round.
  StagedWrite files;
  bool staged = true;
  const QString sketchPath = writeSketch ? sketchImagePath() : QString();
  if (writeSketch) {
    const QByteArray png = StoredPicture::pngData(heldSketch);
    staged = !sketchPath.isEmpty() && !png.isEmpty() && files.stage(sketchPath, png);
  }
  const QString path = edited ? dataPath() : QString();
  if (staged && edited)
    staged = !path.isEmpty() &&
             files.stage(path, QJsonDocument(proxyForJson()).toJson(QJsonDocument::Compact));
  if (!staged || !files.commit())
    return false;
  if (wasEdited) {
    postFileChanged(kFileMethodAdd, path, notebook->identifier(), this);
    edited = false;
  }
  if (writeSketch) {
    postFileChanged(kFileMethodAdd, sketchPath, notebook->identifier(), this);
    heldSketch = QImage();
  }
  if (wasEdited || sketchChanged) {
    notebook->setLatestEditDate(QDateTime::currentDateTimeUtc());
    return NoteBookManager::sharedNoteBookManager().doSave();
  }
  return true;
}
