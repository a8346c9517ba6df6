#pragma once

class QByteArray;
class QImage;
class QSizeF;
class QString;

// Pictures as the store keeps them: written at scale 2 (a picture of w by h
// points is 2w by 2h pixels whatever its own scale), the sketch as PNG with
// alpha, everything else as JPEG at quality 80 over white. Reading gives a
// picture of scale 2, or one stretched to a given point size; a missing file
// or one that is not a picture reads as null with a log line.
namespace StoredPicture {

QImage read(const QString &path);
QImage read(const QString &path, const QSizeF &pointSize);

// The PNG quality handed to Qt, which maps 0..100 to zlib levels 9..0: 70 is
// level 2, much faster than the default level 6 on mostly clear sketches for
// a few per cent more bytes.
constexpr int kPngQuality = 70;
constexpr int kJpegQuality = 80;

QByteArray pngData(const QImage &image);
QByteArray jpegData(const QImage &image);
// Atomic writes; false when the picture is null, cannot be encoded or written.
bool writePng(const QString &path, const QImage &image);
bool writeJpeg(const QString &path, const QImage &image);

} // namespace StoredPicture
