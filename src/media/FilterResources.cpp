#include "FilterResources.h"

#include "AcvReader.h"
#include "LookupTable.h"
#include "common/DiagnosticLog.h"
#include "common/FolderPaths.h"

#include <QFile>

namespace {
constexpr size_t kKeptLookups = 4;

QByteArray fileData(const QString &fileName) {
  if (!isPlainFileName(fileName)) {
    QUILL_LOG_ERROR("filter resource: name", "file", 0, fileName);
    return {};
  }
  QFile file(FilterResources::pathWithName(fileName));
  if (!file.open(QIODevice::ReadOnly)) {
    QUILL_LOG_ERROR("filter resource: open", "file", file.error(), file.fileName());
    return {};
  }
  return file.readAll();
}
} // namespace

FilterResources &FilterResources::shared() {
  static FilterResources resources;
  return resources;
}

QString FilterResources::pathWithName(const QString &fileName) {
  return resourcePathWithName(QStringLiteral("filter/") + fileName);
}

ChannelTables FilterResources::toneCurve(const QString &fileName) {
  QMutexLocker lock(&mutex);
  const auto known = curves.constFind(fileName);
  if (known != curves.constEnd())
    return *known;
  const QByteArray data = fileData(fileName);
  auto tables = AcvReader::tables(data);
  if (!tables) {
    if (!data.isEmpty())
      QUILL_LOG_ERROR("tone curve: read", "acv", data.size(), fileName);
    tables = ChannelTables::identity();
  }
  curves.insert(fileName, *tables);
  return *tables;
}

std::shared_ptr<const LookupTable> FilterResources::lookupTable(const QString &fileName) {
  QMutexLocker lock(&mutex);
  for (auto it = lookups.begin(); it != lookups.end(); ++it) {
    if (it->first == fileName) {
      lookups.splice(lookups.begin(), lookups, it);
      return it->second;
    }
  }
  std::shared_ptr<const LookupTable> table;
  const QByteArray data = fileData(fileName);
  if (!data.isEmpty()) {
    const QImage image = QImage::fromData(data);
    table = LookupTable::fromImage(image);
    if (!table)
      QUILL_LOG_ERROR("lookup table: size", "image", image.width(), fileName);
  }
  lookups.emplace_front(fileName, table);
  if (lookups.size() > kKeptLookups)
    lookups.pop_back();
  return table;
}

void FilterResources::clear() {
  QMutexLocker lock(&mutex);
  curves.clear();
  lookups.clear();
}
