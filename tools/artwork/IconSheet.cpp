#include "IconSheet.h"

#include "ArtworkImage.h"

#include <QDir>
#include <QPainter>
#include <QSvgRenderer>

namespace {
// The largest rect of the picture's proportions centred in box.
QRectF fitted(const QSizeF &picture, const QRectF &box) {
  const QSizeF size = picture.isEmpty() ? box.size() : picture.scaled(box.size(), Qt::KeepAspectRatio);
  return QRectF(box.center() - QPointF(size.width(), size.height()) / 2, size);
}
} // namespace

namespace IconSheet {

bool render(const QString &svgFolder, const QString &sheetPath) {
  const QStringList files = QDir(svgFolder).entryList({"*.svg"}, QDir::Files, QDir::Name);
  if (files.isEmpty())
    return false;
  constexpr int kColumns = 6;
  const QSizeF tile(150, 120);
  const int rows = (int(files.size()) + kColumns - 1) / kColumns;
  QImage sheet = ArtworkImage::blank(QSizeF(tile.width() * kColumns, tile.height() * rows), 2, true);
  sheet.fill(QColor(0xf4, 0xf2, 0xee));
  QPainter painter(&sheet);
  painter.setRenderHint(QPainter::Antialiasing);
  QFont font("DejaVu Sans", 1);
  font.setPointSizeF(8);
  painter.setFont(font);
  bool ok = true;
  for (int i = 0; i < files.size(); ++i) {
    const QPointF origin((i % kColumns) * tile.width(), (i / kColumns) * tile.height());
    QSvgRenderer svg(svgFolder + "/" + files.at(i));
    if (!svg.isValid()) {
      qWarning("artwork: %s does not parse", qPrintable(files.at(i)));
      ok = false;
      continue;
    }
    const QRectF dark(origin + QPointF(8, 8), QSizeF(40, 40));
    painter.fillRect(dark, QColor(0x2e, 0x31, 0x36));
    painter.fillRect(dark.translated(0, 44), Qt::white);
    const QSizeF natural = svg.defaultSize();
    svg.render(&painter, fitted(natural, dark.adjusted(4, 4, -4, -4)));
    svg.render(&painter, fitted(natural, dark.translated(0, 44).adjusted(4, 4, -4, -4)));
    svg.render(&painter, fitted(natural, QRectF(origin + QPointF(58, 12), QSizeF(80, 80))));
    painter.setPen(QColor(0x55, 0x55, 0x55));
    painter.drawText(QRectF(origin + QPointF(0, 98), QSizeF(tile.width(), 18)), Qt::AlignCenter,
                     files.at(i));
  }
  painter.end();
  return ArtworkImage::writePng(sheet, sheetPath) && ok;
}

} // namespace IconSheet
