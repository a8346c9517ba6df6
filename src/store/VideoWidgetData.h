#pragma once

#include "WidgetData.h"

// A video: a web video by its address "videoPath", or a file video by its
// file name "videoName" in the resource folder (then "videoPath" is only the
// source path it had); "videoTitle" is shown under it.
class VideoWidgetData : public WidgetData {
public:
  QString className() const override { return QStringLiteral("VideoWidgetData"); }
  QString widgetClassname() const override { return QStringLiteral("VideoWidget"); }
  const AttributeMap &attributeMapDictionary() const override;
  bool isFileNameAttribute(const QString &name) const override;
  QStringList resourceFileNames() const override;

  QString videoPath() const { return stringAttribute(QStringLiteral("videoPath")); }
  void setVideoPath(const QString &path) { setStringAttribute(QStringLiteral("videoPath"), path); }
  QString videoTitle() const { return stringAttribute(QStringLiteral("videoTitle")); }
  void setVideoTitle(const QString &title) {
    setStringAttribute(QStringLiteral("videoTitle"), title);
  }
  QString videoName() const { return stringAttribute(QStringLiteral("videoName")); }
  void setVideoName(const QString &name) { setStringAttribute(QStringLiteral("videoName"), name); }
};
