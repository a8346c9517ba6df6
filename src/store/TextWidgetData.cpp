#include "TextWidgetData.h"

#include "TextForms.h"

const AttributeRecord::AttributeMap &TextWidgetData::attributeMapDictionary() const {
  static const AttributeMap map{{QStringLiteral("text"), QStringLiteral("text")},
                                {QStringLiteral("textName"), QStringLiteral("textName")},
                                {QStringLiteral("textColor"), QStringLiteral("textColor")},
                                {QStringLiteral("font"), QStringLiteral("font")}};
  return map;
}

bool TextWidgetData::isFileNameAttribute(const QString &name) const {
  return name == QLatin1String("textName");
}

QString TextWidgetData::styledTextFileName() const {
  const QString name = textName();
  return name.isEmpty() ? QString() : name + QLatin1String(".plist");
}

QStringList TextWidgetData::resourceFileNames() const {
  const QString file = styledTextFileName();
  return file.isEmpty() ? QStringList() : QStringList{file};
}

QColor TextWidgetData::textColor() const {
  return colorWithString(stringAttribute(QStringLiteral("textColor")));
}

void TextWidgetData::setTextColor(const QColor &color) {
  setStringAttribute(QStringLiteral("textColor"), colorStringData(color));
}

QFont TextWidgetData::font() const {
  return fontWithString(stringAttribute(QStringLiteral("font")));
}

void TextWidgetData::setFont(const QFont &font) {
  setStringAttribute(QStringLiteral("font"), fontStringDescription(font));
}
