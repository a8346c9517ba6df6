#pragma once

#include "AttributeRecord.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QStringList>
#include <memory>
#include <optional>

class WidgetData;
using WidgetDataPtr = std::shared_ptr<WidgetData>;

// The stored record of one page widget: its kind ("className"), centre and
// size in page points (brace texts such as {512, 384}) and the values of its
// kind. The page file keeps records as JSON objects in its "widgets" array.
class WidgetData : public AttributeRecord {
public:
  // The record of the kind named by stored's "className"; null when the
  // member is absent or names no widget record kind.
  static WidgetDataPtr widgetWithData(const QJsonObject &stored);

  QString className() const override { return QStringLiteral("WidgetData"); }
  // The widget kind that shows the record ("TextWidget", ...); empty here.
  virtual QString widgetClassname() const { return {}; }
  // {"size": "size", "center": "center"}.
  const AttributeMap &staticAttribes() const override;

  // The stored object: "className" and every present attribute.
  QJsonObject dictionaryData() const;
  QJsonObject proxyForJson() const { return dictionaryData(); }
  // Nothing by default; the widgets clean their own files.
  virtual void cleanData() {}
  // Plain names of the files in the notebook's resource folder that this
  // record's widget owns; removed with the page.
  virtual QStringList resourceFileNames() const { return {}; }

  std::optional<QPointF> center() const;
  void setCenter(std::optional<QPointF> center);
  std::optional<QSizeF> size() const;
  void setSize(std::optional<QSizeF> size);
  // origin = centre - size / 2; empty when either is absent.
  QRectF frame() const;
  void setFrame(const QRectF &frame);
};
