#pragma once

#include "TutorialPages.h"

#include <QImage>
#include <memory>

class QTextDocument;

// Lays out the tutorial's text boxes and draws the thumbnail of a page as the
// page view would snapshot it: background, photos, text boxes, then the
// handwriting layer on top, at 0.2 of the page at scale 2.
class PageThumbnail {
public:
  // The box's styled text laid out in its width, in the app's font family.
  static std::unique_ptr<QTextDocument> document(const TutorialPages::TextBox &box);
  // The box's height as a text widget shows it: its editor starts 15 points down.
  static double boxHeight(const TutorialPages::TextBox &box);

  // Stickers are drawn from the resource folder's "artwork/NN@2x.png".
  static QImage render(const QImage &background, const TutorialPages::Page &page,
                       const QList<QImage> &photos, const QImage &sketch,
                       const QString &resourceFolder);
};
