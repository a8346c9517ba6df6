#include "TemplateManager.h"

#include "BookTemplate.h"
#include "common/DiagnosticLog.h"
#include "common/FolderPaths.h"
#include "common/PropertyList.h"

TemplateManager &TemplateManager::sharedTemplateManager() {
  static TemplateManager manager;
  return manager;
}

TemplateManager::TemplateManager() {
  initData();
}

void TemplateManager::initData() {
  const QString path = BookTemplate::templateFolder() + QLatin1String("/template.plist");
  const QVariant value = PropertyList::read(path);
  data = value.toMap();
  templates.clear();
  if (value.typeId() != QMetaType::QVariantMap) {
    QUILL_LOG_ERROR("templates: catalogue", "plist", 0, path + " gives no templates");
    data.clear();
  }
  for (const QVariant &record : data.value(QStringLiteral("templates")).toList()) {
    if (record.typeId() == QMetaType::QVariantMap)
      templates.append(record);
    else
      QUILL_LOG_ERROR("templates: record", "plist", 0,
                      "a template record that is no dictionary is skipped");
  }
  readBuiltInBackgrounds();
}

void TemplateManager::readBuiltInBackgrounds() {
  backgrounds.clear();
  backgroundThumbs.clear();
  const QString path = resourcePathWithName(QStringLiteral("BuildIn_BG.plist"));
  const QVariantMap list = PropertyList::read(path).toMap();
  const QVariantList pictures = list.value(QStringLiteral("bgs")).toList();
  const QVariantList thumbs = list.value(QStringLiteral("bg_thumbs")).toList();
  if (pictures.size() != thumbs.size())
    QUILL_LOG_ERROR("templates: built-in backgrounds", "plist", 0,
                    path + ": lists of unequal length");
  for (qsizetype i = 0; i < std::min(pictures.size(), thumbs.size()); ++i) {
    const QString picture = pictures[i].toString(), thumb = thumbs[i].toString();
    if (pictures[i].typeId() != QMetaType::QString || thumbs[i].typeId() != QMetaType::QString ||
        !isPlainFileName(picture) || !isPlainFileName(thumb)) {
      QUILL_LOG_ERROR("templates: built-in background", "plist", int(i), "not a plain file name");
      continue;
    }
    backgrounds.append(picture);
    backgroundThumbs.append(thumb);
  }
}

std::vector<std::unique_ptr<BookTemplate>> TemplateManager::allTemplate() const {
  std::vector<std::unique_ptr<BookTemplate>> all;
  for (const QVariant &record : templates)
    all.push_back(std::make_unique<BookTemplate>(record.toMap()));
  return all;
}

std::unique_ptr<BookTemplate> TemplateManager::templateAtIndex(int index) const {
  if (index < 0 || index >= templates.size())
    return nullptr;
  return std::make_unique<BookTemplate>(templates.at(index).toMap());
}

std::unique_ptr<BookTemplate> TemplateManager::templateWithName(const QString &name) const {
  for (const QVariant &record : templates) {
    const QVariant templateName = record.toMap().value(QStringLiteral("template_name"));
    if (templateName.typeId() == QMetaType::QString && templateName.toString() == name)
      return std::make_unique<BookTemplate>(record.toMap());
  }
  return nullptr;
}

std::unique_ptr<BookTemplate> TemplateManager::defaultTemplate() {
  auto fallback = std::make_unique<BookTemplate>();
  fallback->templateName = QStringLiteral("默认模板");
  fallback->templateFileName = QStringLiteral("template_blue_bg_01.jpg");
  fallback->defaultFile = QStringLiteral("template_blue_bg_01.jpg");
  fallback->coverName = QStringLiteral("red_cover.png");
  return fallback;
}
