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
  // Sets (or, with Undefined or Null, clears) an attribute.
  void setAttribute(const QString &name, const QJsonValue &value);
  // A text attribute; null text when absent. Setting a null text clears it.
  QString stringAttribute(const QString &name) const;
  void setStringAttribute(const QString &name, const QString &value);

  // "Class:{ [name=value]  [name=nil] }", with customDescription added when not empty.
  QString description() const;
  virtual QString customDescription() const;

protected:
  bool hasAttributeMaps() const;

private:
  bool accepts(const QString &name, const QJsonValue &value) const;
  QJsonObject values;
};
