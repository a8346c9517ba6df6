#include "PageThumbnail.h"

#include <QGuiApplication>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>

namespace {
constexpr double kEditorTop = 15;
const QSizeF kPage(757, 950);
const QSizeF kSketchLayer(757, 910);
} // namespace

std::unique_ptr<QTextDocument> PageThumbnail::document(const TutorialPages::TextBox &box) {
  auto document = std::make_unique<QTextDocument>();
  document->setTextWidth(box.width);
  QTextCursor cursor(document.get());
  for (const TutorialPages::TextRun &run : box.runs) {
    QTextCharFormat format;
    QFont font = QGuiApplication::font();
    font.setPointSizeF(run.pointSize);
    format.setFont(font);
    format.setForeground(run.color);
    cursor.insertText(run.text, format);
  }
  return document;
}

double PageThumbnail::boxHeight(const TutorialPages::TextBox &box) {
  return std::ceil(kEditorTop + document(box)->size().height() + 4);
}

QImage PageThumbnail::render(const QImage &background, const TutorialPages::Page &page,
                             const QList<QImage> &photos, const QImage &sketch,
                             const QString &resourceFolder) {
  constexpr double kScale = 2 * 0.2;
  QImage thumb((kPage * kScale).toSize(), QImage::Format_RGB32);
  thumb.fill(Qt::white);
  QPainter p(&thumb);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.scale(kScale, kScale);
  p.drawImage(QRectF(QPointF(), kPage), background);
  for (int i = 0; i < page.photos.size() && i < photos.size(); ++i) {
    const TutorialPages::Photo &photo = page.photos.at(i);
    p.save();
    p.translate(photo.center);
    p.rotate(qRadiansToDegrees(photo.rotate));
    const QRectF frame(QPointF(-photo.size.width() / 2, -photo.size.height() / 2), photo.size);
    p.drawImage(frame, photos.at(i));
    p.restore();
  }
  for (const TutorialPages::Sticker &sticker : page.stickers) {
    const QImage picture(resourceFolder + QString::asprintf("/artwork/%02d@2x.png", sticker.number));
    p.drawImage(QRectF(sticker.center - QPointF(22, 22), QSizeF(44, 44)), picture);
  }
  for (const TutorialPages::TextBox &box : page.texts) {
    p.save();
    p.translate(box.topLeft + QPointF(0, kEditorTop));
    document(box)->drawContents(&p);
    p.restore();
  }
  p.drawImage(QRectF(QPointF(), kSketchLayer), sketch);
  return thumb;
}
