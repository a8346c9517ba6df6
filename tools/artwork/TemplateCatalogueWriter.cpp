#include "TemplateCatalogueWriter.h"

#include "ArtworkImage.h"
#include "CoverPainter.h"
#include "PaperPainter.h"
#include "PlannerPainter.h"
#include "TemplateCellPainter.h"

#include "common/PropertyList.h"

#include <QDir>
#include <QPainter>
#include <QVariantList>
#include <QVariantMap>

#include <functional>

namespace {
constexpr qreal kPageScale = 2;  // pages are drawn for the 2x screen: 1514 by 1900
constexpr int kPageQuality = 82; // JPEG quality of page backgrounds
const QSize kThumbSize(302, 380);
const QString kPlannerPath = "planner";

using Ruling = PaperStyle::Ruling;

struct BuiltInPaper {
  QString file;
  PaperStyle style;
};

// The built-in backgrounds, in the order of the background picker. The first
// is the page of the built-in default template.
const QList<BuiltInPaper> &builtInPapers() {
  static const QList<BuiltInPaper> papers{
      {"template_blue_bg_01.jpg",
       {Ruling::Lined, QColor(0xee, 0xf4, 0xfb), QColor(0xa6, 0xc1, 0xe0), QColor(0x7f, 0xa3, 0xd0), true}},
      {"bg_lined.jpg", {Ruling::Lined, QColor(0xfd, 0xfc, 0xf8), QColor(0xbf, 0xcf, 0xe2), QColor(0xe9, 0xa3, 0xa3), true}},
      {"bg_plain.jpg", {Ruling::Plain, QColor(0xfd, 0xfc, 0xf8)}},
      {"bg_grid.jpg", {Ruling::Grid, QColor(0xfd, 0xfd, 0xfb), QColor(0xa9, 0xc0, 0xd6)}},
      {"bg_dotted.jpg", {Ruling::Dotted, QColor(0xfc, 0xfb, 0xf8), QColor(0xb0, 0xb4, 0xbc)}},
      {"bg_kraft.jpg", {Ruling::Plain, QColor(0xc9, 0xa5, 0x7b), {}, {}, false, true}},
      {"bg_mint.jpg", {Ruling::Dotted, QColor(0xe6, 0xf3, 0xec), QColor(0x93, 0xc2, 0xab)}},
      {"bg_rose.jpg", {Ruling::Lined, QColor(0xfb, 0xeb, 0xec), QColor(0xeb, 0xb8, 0xbf), QColor(0xd9, 0x8f, 0x9c), false}},
      {"bg_cornell.jpg", {Ruling::Cornell, QColor(0xfd, 0xfc, 0xf8), QColor(0xc5, 0xd2, 0xe2), QColor(0xc9, 0x7b, 0x7b)}},
      {"bg_music.jpg", {Ruling::Music, QColor(0xfb, 0xf8, 0xf0), QColor(0x8f, 0x88, 0x7c)}},
  };
  return papers;
}

// One template of the catalogue whose page is one of the built-in backgrounds;
// its files lie in the "template" folder itself.
struct PaperTemplate {
  QString id; // names its cover and row pictures
  QString name;
  QString page;
  CoverStyle cover;
};

const QList<PaperTemplate> &paperTemplates() {
  using Emblem = CoverStyle::Emblem;
  static const QList<PaperTemplate> templates{
      {"lined", "Lined", "bg_lined.jpg", {QColor(0x2f, 0x46, 0x6b), QColor(0xf1, 0xe3, 0xc2), Emblem::Lines, {}}},
      {"plain", "Plain", "bg_plain.jpg", {QColor(0x5d, 0x6d, 0x7e), QColor(0xee, 0xe8, 0xdc), Emblem::Quill, {}}},
      {"grid", "Grid", "bg_grid.jpg", {QColor(0x2f, 0x7a, 0x78), QColor(0xe9, 0xf1, 0xe4), Emblem::Grid, {}}},
      {"dotted", "Dotted", "bg_dotted.jpg", {QColor(0x3b, 0x3d, 0x42), QColor(0xe4, 0xc9, 0x8f), Emblem::Dots, {}}},
      {"kraft", "Kraft", "bg_kraft.jpg", {QColor(0xa9, 0x7c, 0x4f), QColor(0xf6, 0xec, 0xd9), Emblem::Stamp, {}}},
      {"pastel", "Pastel", "bg_mint.jpg", {QColor(0x8c, 0xc4, 0xaa), QColor(0xff, 0xfb, 0xf4), Emblem::Polka, {}}},
      {"cornell", "Cornell Notes", "bg_cornell.jpg", {QColor(0x7c, 0x2d, 0x3b), QColor(0xf2, 0xdc, 0xc4), Emblem::Cornell, {}}},
      {"music", "Music", "bg_music.jpg", {QColor(0x5b, 0x3f, 0x6e), QColor(0xf0, 0xe2, 0xc6), Emblem::Notes, {}}},
  };
  return templates;
}

const CoverStyle kDefaultCover{QColor(0xa8, 0x32, 0x2d), QColor(0xf4, 0xe2, 0xc4), CoverStyle::Emblem::Quill, {}};
const CoverStyle kPlannerCover{QColor(0x6b, 0x8f, 0x76), QColor(0xf7, 0xf1, 0xe2), CoverStyle::Emblem::Calendar, "PLANNER"};

QImage drawPage(const std::function<void(QPainter &)> &paint) {
  QImage page = ArtworkImage::blank(PaperPainter::pageSize(), kPageScale, true);
  QPainter painter(&page);
  paint(painter);
  return page;
}

QString thumbName(const QString &pageFile) {
  return pageFile.section('.', 0, -2) + "_thumb.jpg";
}
} // namespace

TemplateCatalogueWriter::TemplateCatalogueWriter(const QString &resourceFolder)
    : m_resources(resourceFolder) {}

QString TemplateCatalogueWriter::templateFolder(const QString &path) const {
  return path.isEmpty() ? m_resources + "/template" : m_resources + "/template/" + path;
}

bool TemplateCatalogueWriter::writeAll() {
  if (!QDir().mkpath(templateFolder(kPlannerPath)))
    return false;
  bool ok = writeBuiltInBackgrounds();
  ok = writePlanner() && ok;
  ok = writeCatalogue() && ok;
  return ok;
}

bool TemplateCatalogueWriter::writePage(const QString &folder, const QString &fileName,
                                        const QImage &page) {
  m_pages.insert(fileName, page);
  return ArtworkImage::writeJpeg(page, folder + "/" + fileName, kPageQuality) &&
         ArtworkImage::writeJpeg(ArtworkImage::scaledTo(page, kThumbSize),
                                 folder + "/" + thumbName(fileName), 85);
}

bool TemplateCatalogueWriter::writeCells(const QString &folder, const QString &base,
                                         const QImage &paper, const QString &name) {
  bool ok = true;
  for (const qreal scale : {1.0, 2.0}) {
    for (const bool selected : {false, true}) {
      QImage cell = ArtworkImage::blank(QSizeF(222, 64), scale, false);
      QPainter painter(&cell);
      TemplateCellPainter::paint(painter, paper, name, selected);
      painter.end();
      const QString file = base + (selected ? "_s" : "") + (scale > 1 ? "@2x" : "") + ".png";
      ok = ArtworkImage::writePng(cell, folder + "/" + file) && ok;
    }
  }
  return ok;
}

bool TemplateCatalogueWriter::writeBuiltInBackgrounds() {
  bool ok = true;
  QVariantList bgs;
  QVariantList thumbs;
  for (const BuiltInPaper &paper : builtInPapers()) {
    const QImage page = drawPage([&](QPainter &p) { PaperPainter::paint(p, paper.style); });
    ok = writePage(templateFolder(), paper.file, page) && ok;
    bgs.append(paper.file);
    thumbs.append(thumbName(paper.file));
  }
  ok = PropertyList::write(m_resources + "/BuildIn_BG.plist",
                           QVariantMap{{"bgs", bgs}, {"bg_thumbs", thumbs}}) && ok;
  return ok;
}

bool TemplateCatalogueWriter::writePlanner() {
  const QString folder = templateFolder(kPlannerPath);
  bool ok = true;
  for (int i = 0; i < PlannerPainter::pageCount(); ++i) {
    const QImage page = drawPage([i](QPainter &p) { PlannerPainter::paintPage(p, i); });
    ok = writePage(folder, QString("planner_%1.jpg").arg(10000 + i), page) && ok;
  }
  const QImage notes = drawPage([](QPainter &p) { PlannerPainter::paintNotesPage(p); });
  return writePage(folder, "planner_notes.jpg", notes) && ok;
}

bool TemplateCatalogueWriter::writeCatalogue() {
  bool ok = true;
  const auto writeCover = [&](const QString &folder, const QString &file, const CoverStyle &style) {
    QImage cover = ArtworkImage::blank(CoverPainter::coverSize(), kPageScale, false);
    QPainter painter(&cover);
    CoverPainter::paint(painter, style);
    painter.end();
    ok = ArtworkImage::writePng(cover, folder + "/" + file) && ok;
  };
  writeCover(templateFolder(), "red_cover.png", kDefaultCover);

  QVariantList templates;
  for (const PaperTemplate &t : paperTemplates()) {
    writeCover(templateFolder(), "cover_" + t.id + ".png", t.cover);
    ok = writeCells(templateFolder(), "cell_" + t.id, m_pages.value(t.page), t.name) && ok;
    templates.append(QVariantMap{{"template_name", t.name},
                                 {"template_path", QString()},
                                 {"template_file_name", t.page},
                                 {"default", t.page},
                                 {"preview_thumbs", QVariantList{thumbName(t.page)}},
                                 {"cover", "cover_" + t.id + ".png"},
                                 {"template_cell", "cell_" + t.id},
                                 {"template_cell_s", "cell_" + t.id + "_s"}});
  }

  const QString planner = templateFolder(kPlannerPath);
  writeCover(planner, "planner_cover.png", kPlannerCover);
  ok = writeCells(planner, "cell_planner", m_pages.value("planner_10000.jpg"), "Planner") && ok;
  QVariantList plannerThumbs;
  for (int i = 0; i < PlannerPainter::pageCount(); ++i)
    plannerThumbs.append(thumbName(QString("planner_%1.jpg").arg(10000 + i)));
  plannerThumbs.append(thumbName("planner_notes.jpg"));
  // The planner comes after the plain papers, before the special ones.
  templates.insert(6, QVariantMap{{"template_name", "Planner"},
                                  {"template_path", kPlannerPath},
                                  {"template_file_name", "planner_%i.jpg"},
                                  {"default", "planner_notes.jpg"},
                                  {"preview_thumbs", plannerThumbs},
                                  {"cover", "planner_cover.png"},
                                  {"template_cell", "cell_planner"},
                                  {"template_cell_s", "cell_planner_s"}});
  ok = PropertyList::write(templateFolder() + "/template.plist",
                           QVariantMap{{"templates", templates}}) && ok;
  return ok;
}
