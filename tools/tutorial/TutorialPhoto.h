#pragma once

class QImage;
class QSize;

// The tutorial's photos, painted here rather than taken from anywhere: soft
// landscapes made of gradients and layered hills. Deterministic.
namespace TutorialPhoto {

// motif 0: hills and a lake at sunset; motif 1: a calm sea under a sailboat.
QImage paint(int motif, const QSize &pixels);

} // namespace TutorialPhoto
