#pragma once

#include <QImage>
#include <functional>

struct ChannelTables;

// Helpers for filters that work on the CPU over bands of rows in parallel.

// The picture in a working format: RGB32 when it is opaque, otherwise
// ARGB32_Premultiplied. A picture already in one of them is shared, not copied.
QImage workingImage(const QImage &image);

// A new picture of the size and format of like, with uninitialised pixels.
QImage blankLike(const QImage &like);

// Runs work(firstRow, endRow) over bands of rowsPerBand rows that cover rows
// 0..height-1, on the global thread pool, and returns when every band is done.
void forEachRowBand(int height, const std::function<void(int firstRow, int endRow)> &work,
                    int rowsPerBand = 32);

// target = tables applied to source (both in a working format, same size).
void applyChannelTables(const QImage &source, QImage &target, const ChannelTables &tables);

// Luminance 0..255 with the weights 0.2125, 0.7154, 0.0721 (in 1/65536).
inline int luminanceOf(QRgb p) {
  return (qRed(p) * 13926 + qGreen(p) * 46884 + qBlue(p) * 4725 + 32768) >> 16;
}

// Rows of a picture as pixels, taken before any thread starts so that no band
// detaches the picture.
struct PixelRows {
  explicit PixelRows(const QImage &image)
      : bits(const_cast<uchar *>(image.constBits())), stride(image.bytesPerLine()) {}
  QRgb *row(int y) const { return reinterpret_cast<QRgb *>(bits + y * stride); }
  uchar *bits;
  qsizetype stride;
};

// target(x, y) = map(source(x, y)) with colours given to map unpremultiplied;
// alpha is kept. Opaque pixels take the direct path.
template <typename Map> void mapPixels(const QImage &source, QImage &target, Map map) {
  const PixelRows in(source);
  const PixelRows out(target);
  const int width = source.width();
  forEachRowBand(source.height(), [&](int first, int end) {
    for (int y = first; y < end; ++y) {
      const QRgb *from = in.row(y);
      QRgb *to = out.row(y);
      for (int x = 0; x < width; ++x) {
        const QRgb pixel = from[x];
        const int alpha = qAlpha(pixel);
        if (alpha == 255)
          to[x] = map(pixel) | 0xff000000u;
        else if (alpha == 0)
          to[x] = 0;
        else
          to[x] = qPremultiply((map(qUnpremultiply(pixel)) & 0x00ffffffu) | (uint(alpha) << 24));
      }
    }
  });
}
