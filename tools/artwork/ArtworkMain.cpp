// quill_artwork: regenerates Quill's shipped pictures.
//   quill_artwork templates [resource folder]   pages, covers, rows and both lists
//   quill_artwork icons [resource folder]       icons under the screens' picture names,
//                                               and the backdrop "bookshelf_bg.jpg"
//   quill_artwork stickers [resource folder]    the 50 emoji stickers "01@2x.png" to "50@2x.png"
//   quill_artwork sheet <sheet.png> [resource folder]  the icon set on one sheet

#include "ArtworkImage.h"
#include "BackdropPainter.h"
#include "IconSheet.h"
#include "ScreenArtworkWriter.h"
#include "StickerPainter.h"
#include "TemplateCatalogueWriter.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

namespace {
int usage() {
  std::fprintf(stderr, "usage: quill_artwork templates [resources]\n"
                       "       quill_artwork icons [resources]\n"
                       "       quill_artwork stickers [resources]\n"
                       "       quill_artwork sheet <sheet.png> [resources]\n");
  return 2;
}
} // namespace

int main(int argc, char **argv) {
  // Fonts need a GUI application, never a screen.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments().mid(1);
  if (args.isEmpty())
    return usage();
  const QString command = args.first();
  if (command == "templates") {
    const QString resources = args.value(1, QUILL_RESOURCE_DIR);
    return TemplateCatalogueWriter(resources).writeAll() ? 0 : 1;
  }
  if (command == "icons") {
    const QString resources = args.value(1, QUILL_RESOURCE_DIR);
    const bool icons = ScreenArtworkWriter(resources + "/artwork").writeAll();
    const bool backdrop = ArtworkImage::writeJpeg(BackdropPainter::linenTile(),
                                                  resources + "/artwork/bookshelf_bg.jpg", 88);
    return icons && backdrop ? 0 : 1;
  }
  if (command == "stickers") {
    const QString resources = args.value(1, QUILL_RESOURCE_DIR);
    bool ok = true;
    for (int n = 1; n <= StickerPainter::count(); ++n) {
      const QString name = QString::asprintf("%02d@2x.png", n);
      ok = ArtworkImage::writePng(StickerPainter::paint(n), resources + "/artwork/" + name) && ok;
    }
    return ok ? 0 : 1;
  }
  if (command == "sheet" && args.size() >= 2) {
    const QString resources = args.value(2, QUILL_RESOURCE_DIR);
    return IconSheet::render(resources + "/artwork", args.at(1)) ? 0 : 1;
  }
  return usage();
}
