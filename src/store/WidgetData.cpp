#include "WidgetData.h"

#include "EmojiWidgetData.h"
#include "PhotoWidgetData.h"
#include "RecordWidgetData.h"
#include "TextForms.h"
#include "TextWidgetData.h"
#include "VideoWidgetData.h"

#include <QHash>
#include <functional>

namespace {
const QString kCenter = QStringLiteral("center");
const QString kSize = QStringLiteral("size");

template <typename Kind> WidgetDataPtr make() {
  return std::make_shared<Kind>();
}

using Factory = WidgetDataPtr (*)();
const QHash<QString, Factory> &kinds() {
  static const QHash<QString, Factory> table{
      {QStringLiteral("TextWidgetData"), &make<TextWidgetData>},
      {QStringLiteral("PhotoWidgetData"), &make<PhotoWidgetData>},
      {QStringLiteral("VideoWidgetData"), &make<VideoWidgetData>},
      {QStringLiteral("RecordWidgetData"), &make<RecordWidgetData>},
      {QStringLiteral("EmojiWidgetData"), &make<EmojiWidgetData>},
  };
  return table;
}
} // namespace

WidgetDataPtr WidgetData::widgetWithData(const QJsonObject &stored) {
  const Factory factory = kinds().value(stored.value(QLatin1String("className")).toString());
  if (!factory)
    return nullptr;
  WidgetDataPtr record = factory();
  record->setAttributes(stored);
  return record;
}

const AttributeRecord::AttributeMap &WidgetData::staticAttribes() const {
  static const AttributeMap map{{kSize, kSize}, {kCenter, kCenter}};
  return map;
}

QJsonObject WidgetData::dictionaryData() const {
  if (!hasAttributeMaps())
    return {};
  // A record read whole from a page writes back the very same object.
  if (storesUnderOwnNames() && storedValues().value(QLatin1String("className")) == className())
    return storedValues();
  QJsonObject object = attributesObject();
  object.insert(QLatin1String("className"), className());
  return object;
}

std::optional<QPointF> WidgetData::center() const {
  return pointFromText(stringAttribute(kCenter));
}

void WidgetData::setCenter(std::optional<QPointF> center) {
  setStringAttribute(kCenter, center ? pointText(*center) : QString());
}

std::optional<QSizeF> WidgetData::size() const {
  return sizeFromText(stringAttribute(kSize));
}

void WidgetData::setSize(std::optional<QSizeF> size) {
  setStringAttribute(kSize, size ? sizeText(*size) : QString());
}

QRectF WidgetData::frame() const {
  const auto c = center();
  const auto s = size();
  if (!c || !s)
    return {};
  return QRectF(*c - QPointF(s->width() / 2, s->height() / 2), *s);
}

void WidgetData::setFrame(const QRectF &frame) {
  setCenter(frame.center());
  setSize(frame.size());
}
