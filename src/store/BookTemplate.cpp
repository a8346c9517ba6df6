#include "BookTemplate.h"

#include "StoreFiles.h"
#include "StoredPicture.h"
#include "common/FolderPaths.h"

#include <QFileInfo>

namespace {
QString textValue(const QVariantMap &record, const char *key) {
  const QVariant value = record.value(QLatin1String(key));
  return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

// A sub-folder of the template folder: relative, without "." or ".." parts.
bool isRelativeFolder(const QString &path) {
  if (path.isEmpty())
    return true;
  if (path.startsWith(QLatin1Char('/')))
    return false;
  const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
  return std::all_of(parts.begin(), parts.end(), isPlainFileName);
}
} // namespace

BookTemplate::BookTemplate(const QVariantMap &record)
    : templateName(textValue(record, "template_name")),
      templatePath(textValue(record, "template_path")),
      templateFileName(textValue(record, "template_file_name")),
      defaultFile(textValue(record, "default")), coverName(textValue(record, "cover")),
      templateCell(textValue(record, "template_cell")),
      templateCells(textValue(record, "template_cell_s")) {
  for (const QVariant &thumb : record.value(QStringLiteral("preview_thumbs")).toList()) {
    if (thumb.typeId() == QMetaType::QString)
      thumbs.append(thumb.toString());
  }
}

QString BookTemplate::templateFolder() {
  return resourcePathWithName(QStringLiteral("template"));
}

QString BookTemplate::folder() const {
  if (!isRelativeFolder(templatePath))
    return {};
  return templatePath.isEmpty() ? templateFolder()
                                : templateFolder() + QLatin1Char('/') + templatePath;
}

QString BookTemplate::pathOf(const QString &name) const {
  return StoreFiles::pathInFolder(folder(), name);
}

QString BookTemplate::bookCoverPath() const {
  return pathOf(coverName);
}

QImage BookTemplate::bookCover() {
  if (coverImage.isNull())
    coverImage = StoredPicture::read(bookCoverPath());
  return coverImage;
}

// The sharper picture first: pictures are drawn at scale 2 whatever the screen.
QImage BookTemplate::rowPicture(const QString &baseName) const {
  if (baseName.isEmpty())
    return {};
  const QString sharp = pathOf(baseName + QLatin1String("@2x.png"));
  if (QFileInfo::exists(sharp)) {
    QImage image = StoredPicture::read(sharp);
    if (!image.isNull())
      return image;
  }
  QImage plain = StoredPicture::read(pathOf(baseName + QLatin1String(".png")));
  plain.setDevicePixelRatio(1);
  return plain;
}

QImage BookTemplate::cellBg() const {
  return rowPicture(templateCell);
}
QImage BookTemplate::selectedCellBg() const {
  return rowPicture(templateCells);
}

QImage BookTemplate::thumbAtIndex(int index) const {
  if (index < 0 || index >= thumbs.size())
    return {};
  return StoredPicture::read(pathOf(thumbs.at(index)));
}

QString BookTemplate::backgroundForPage(int index) const {
  QString name = templateFileName;
  const qsizetype placeholder = name.indexOf(QLatin1String("%i"));
  if (placeholder >= 0)
    name.replace(placeholder, 2, QString::number(qint64(index) + 10000));
  const QString own = pathOf(name);
  if (!own.isEmpty() && QFileInfo::exists(own))
    return own;
  return pathOf(defaultFile);
}
