#pragma once

#include <QImage>
#include <functional>

// Helpers for filters that work on the CPU over bands of rows in parallel.

// Marks a hot row kernel: on x86-64 it is also built for AVX2, and the loader
// picks that build on processors that have it. Its loops then vectorise eight
// lanes wide (32-bit multiplies, minimum and maximum, which the baseline lacks)
// and floor() is one instruction rather than a call; integer and IEEE float
// results are the same in both builds.
#if defined(__x86_64__) && defined(__ELF__) && (defined(__GNUC__) || defined(__clang__))
#define QUILL_VECTOR_KERNEL __attribute__((target_clones("avx2", "default")))
#else
#define QUILL_VECTOR_KERNEL
#endif

// The picture in a working format: RGB32 when it is opaque, otherwise
// ARGB32_Premultiplied. A picture already in one of them is shared, not copied.
QImage workingImage(const QImage &image);

// A new picture of the size and format of like, with uninitialised pixels.
QImage blankLike(const QImage &like);

// Runs work(firstRow, endRow) over bands of rowsPerBand rows that cover rows
// 0..height-1, on the global thread pool, and returns when every band is done.
void forEachRowBand(int height, const std::function<void(int firstRow, int endRow)> &work,
                    int rowsPerBand = 32);

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

// to[x] = map(from[x]) for one row, with colours given to map unpremultiplied;
// alpha is kept. Opaque pixels take the direct path, and an opaque row a loop
// without branches, which vectorises. from may be to.
template <typename Map> inline void mapRowPixels(const QRgb *from, QRgb *to, int width, Map map) {
  QRgb common = 0xff000000u;
  for (int x = 0; x < width; ++x)
    common &= from[x];
  if (common == 0xff000000u) {
    for (int x = 0; x < width; ++x)
      to[x] = map(from[x]) | 0xff000000u;
    return;
  }
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
