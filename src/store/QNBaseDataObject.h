#pragma once

#include "AttributeRecord.h"

#include <QVariantMap>

// A small stored record without widget specifics (bookmarks): subclasses
// declare their attribute map. Its stored form is a dictionary of the present
// attributes, and it archives itself into a keyed archive (a dictionary that
// also names the class) that reads back to the same attributes.
class QNBaseDataObject : public AttributeRecord {
public:
  QString className() const override { return QStringLiteral("QNBaseDataObject"); }

  // Reads a stored dictionary (initWithDataDic).
  void initWithDataDic(const QVariantMap &stored);
  // The stored dictionary; empty when there are no attributes.
  QVariantMap dataDictionary() const;

  // Writes every present attribute under its name, and "$class".
  void encodeWithCoder(QVariantMap &coder) const;
  // Reads every mapped attribute by its name; false when the archive names another class.
  bool initWithCoder(const QVariantMap &coder);
};
