#pragma once

#include <QStringList>
#include <QVariantList>
#include <QVariantMap>
#include <memory>
#include <vector>

class BookTemplate;

// The template catalogue "template/template.plist" and the built-in
// background list "BuildIn_BG.plist" of the resource folder, read once on
// first use (initData reads them again). Every template handed out is a new
// object owned by the caller. A missing or unreadable catalogue gives an
// empty list, and every notebook then uses the default template.
// The shared instance is made thread-safely; use it on the main thread.
class TemplateManager {
public:
  static TemplateManager &sharedTemplateManager();

  void initData();
  int templateCount() const { return int(templates.size()); }
  std::vector<std::unique_ptr<BookTemplate>> allTemplate() const;
  std::unique_ptr<BookTemplate> templateAtIndex(int index) const;
  std::unique_ptr<BookTemplate> templateWithName(const QString &name) const;
  // The built-in template "默认模板": background "template_blue_bg_01.jpg", cover "red_cover.png".
  static std::unique_ptr<BookTemplate> defaultTemplate();

  // File names (inside the "template" folder) of the built-in backgrounds and
  // of their thumbnails, pair by pair.
  const QStringList &builtInBackgrounds() const { return backgrounds; }
  const QStringList &builtInBackgroundThumbs() const { return backgroundThumbs; }

  // The whole catalogue dictionary as read.
  const QVariantMap &catalogue() const { return data; }

  TemplateManager(const TemplateManager &) = delete;
  TemplateManager &operator=(const TemplateManager &) = delete;

private:
  TemplateManager();
  void readBuiltInBackgrounds();

  QVariantMap data;
  QVariantList templates;
  QStringList backgrounds;
  QStringList backgroundThumbs;
};
