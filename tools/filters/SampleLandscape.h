#pragma once

class QImage;
class QSize;

// The sample photo of the filter thumbnails and benchmarks, drawn rather than
// shipped: a sky gradient with a low sun, two rows of hills, a tree and a
// meadow, with a fine grain like a camera's. Opaque (RGB32); the same size
// always gives the same pixels.
QImage renderSampleLandscape(const QSize &size);
