#pragma once

#include <QHash>
#include <QImage>
#include <QString>

// Writes the template folder of the resource folder: every page background and
// its thumbnail, the covers, the template-list row pictures at 1x and 2x, the
// template catalogue "template/template.plist" and the built-in background list
// "BuildIn_BG.plist". The pictures and the lists come from one table of
// templates, so a name in a list always has its file.
class TemplateCatalogueWriter {
public:
  explicit TemplateCatalogueWriter(const QString &resourceFolder);

  // False when a file could not be written (each failure is logged).
  bool writeAll();

private:
  bool writeBuiltInBackgrounds();
  bool writePlanner();
  bool writeCatalogue();
  bool writePage(const QString &folder, const QString &fileName, const QImage &page);
  bool writeCells(const QString &folder, const QString &base, const QImage &paper,
                  const QString &name);
  QString templateFolder(const QString &path = QString()) const;

  QString m_resources;
  QHash<QString, QImage> m_pages; // page file name -> page as drawn, for row swatches
};
