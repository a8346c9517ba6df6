#pragma once

#include <QJsonObject>
#include <QMap>
#include <QString>

// A record made of named attributes, read from and written to a stored object
// through attribute maps (attribute name -> stored member name). Values are
// kept in their stored form: text, or a number for number attributes. A value
// of the wrong type, or a file name that is not one plain name, is treated as
// absent. The base of widget records and of other small stored records.
// Plain data: not shared between threads.
class AttributeRecord {
public:
  using AttributeMap = QMap<QString, QString>;

  virtual ~AttributeRecord();

  virtual QString className() const = 0;
  // The map every record of the family has; empty in the base.
  virtual const AttributeMap &staticAttribes() const;
  // The kind's own map; empty in the base. An entry here wins over a static one.
  virtual const AttributeMap &attributeMapDictionary() const;
  virtual bool isNumberAttribute(const QString &name) const;
  // Attributes whose value names a file in the notebook's resource folder.
  virtual bool isFileNameAttribute(const QString &name) const;

  // Reads every mapped attribute from stored; an absent member clears it.
  void setAttributes(const QJsonObject &stored);
  // The present attributes, each under its member name.
  QJsonObject attributesObject() const;

  // The attribute's value, or Undefined when absent.
  QJsonValue attribute(const QString &name) const { return values.value(name); }
  // Sets (or, with Undefined or Null, clears) a mapped attribute; other names are ignored.
  void setAttribute(const QString &name, const QJsonValue &value);
  // A text attribute; null text when absent. Setting a null text clears it.
  QString stringAttribute(const QString &name) const;
  void setStringAttribute(const QString &name, const QString &value);

  // "Class:{ [name=value]  [name=nil] }", with customDescription added when not empty.
  QString description() const;
  virtual QString customDescription() const;

protected:
  bool hasAttributeMaps() const;
  // True when every attribute is stored under its own name, as in all kinds.
  bool storesUnderOwnNames() const;
  // The attribute values by name; with own names, possibly also "className"
  // (kept from a stored object that was read whole).
  const QJsonObject &storedValues() const { return values; }

private:
  bool isMapped(const QString &name) const;
  bool accepts(const QString &name, const QJsonValue &value) const;
  // Only mapped attributes of an accepted type (and possibly "className").
  QJsonObject values;
};
