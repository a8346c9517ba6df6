#pragma once

#include <QString>

// Writes the pictures under the names the screens ask for ("pen_btn" and its
// pressed form "pen_btns", ...) into resources/artwork, from the hand-drawn
// icons there: the normal picture is the icon itself, the pressed one the same
// drawing in the accent colour. One table below says which icon serves which
// screen picture, so a redrawn icon reaches every place it is used.
class ScreenArtworkWriter {
public:
  explicit ScreenArtworkWriter(const QString &artworkFolder) : m_folder(artworkFolder) {}

  // False when an icon is missing or a file could not be written.
  bool writeAll() const;

private:
  QString m_folder;
};
