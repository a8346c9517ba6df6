#include "FilterLooks.h"

#include "BoxBlurFilter.h"
#include "ChannelTableFilter.h"
#include "ConvolutionFilter.h"
#include "CrosshatchFilter.h"
#include "EdgeFilter.h"
#include "HalftoneFilter.h"
#include "QNLookupFilter.h"
#include "SaturationFilter.h"
#include "SoftGlowFilter.h"
#include "VignetteFilter.h"

#include <array>

namespace {
enum class Kind { None, Curve, Lookup, Sunset, LookupVignette, SoftGlow, Grey, Sketch, Invert, Dots, Hatch, Sobel, Emboss };

struct Look {
  const char *title;
  Kind kind;
  const char *file = nullptr; // the curve or lookup resource
  const char *secondFile = nullptr;
};

// Titles are localisation keys; file names are the resources' own (UTF-8).
const std::array<Look, 36> kLooks{{
    {"Normal", Kind::None},
    {"Lomo", Kind::Curve, "crossprocess.acv"},
    {"Polaroid", Kind::Lookup, "anto2.jpg"},
    {"Cyan", Kind::Lookup, "anto1.jpg"},
    {"Sunset", Kind::Sunset},
    {"Nostalgic", Kind::Lookup, "怀旧.png"},
    {"Nashville", Kind::LookupVignette, "纳什维尔.png"},
    {"Amatorka", Kind::Lookup, "lookup_amatorka.png"},
    {"Rose", Kind::Lookup, "玫红色.png"},
    {"H-Light", Kind::Lookup, "高光lomo.png"},
    {"Sundae", Kind::Lookup, "巧克力圣代.png"},
    {"Etikate", Kind::Lookup, "lookup_miss_etikate.png"},
    {"Moss", Kind::SoftGlow, "lookup_soft_elegance_1.png", "lookup_soft_elegance_2.png"},
    {"1990s", Kind::Curve, "02.acv"},
    {"1980s", Kind::Curve, "17.acv"},
    {"1970s", Kind::Curve, "06.acv"},
    {"L-Green", Kind::Curve, "aqua.acv"},
    {"Light", Kind::Curve, "purple-green.acv"},
    {"Tangerine", Kind::Curve, "yellow-red.acv"},
    {"Afternoon", Kind::Curve, "101.acv"},
    {"Bright", Kind::Curve, "102.acv"},
    {"Green", Kind::Curve, "103.acv"},
    {"Inkwell", Kind::Lookup, "墨水渲染.png"},
    {"Old Days", Kind::Lookup, "流金岁月.png"},
    {"Yellowing", Kind::Lookup, "泛黄.png"},
    {"Comic", Kind::Lookup, "漫画书.png"},
    {"Cartoon", Kind::Lookup, "黑白卡通片.png"},
    {"Whisper", Kind::Lookup, "细语.png"},
    {"Palm", Kind::Lookup, "棕榈.png"},
    {"B&W", Kind::Grey},
    {"Sketch", Kind::Sketch},
    {"Negative", Kind::Invert},
    {"Lattice", Kind::Dots},
    {"Shadow", Kind::Hatch},
    {"Engraving", Kind::Sobel},
    {"Relief", Kind::Emboss},
}};

bool inRange(int index) { return index >= 0 && index < int(kLooks.size()); }
} // namespace

int FilterLooks::count() { return int(kLooks.size()); }

QString FilterLooks::title(int index) {
  return inRange(index) ? QString::fromUtf8(kLooks[index].title) : QString();
}

QString FilterLooks::thumbnail(int index) {
  if (!inRange(index))
    return {};
  return index == 0 ? QStringLiteral("filter_0.png") : QStringLiteral("filter_%1.jpg").arg(index);
}

FilterList FilterLooks::filters(int index) {
  if (!inRange(index))
    return {};
  const Look &look = kLooks[index];
  const QString file = QString::fromUtf8(look.file);
  switch (look.kind) {
  case Kind::None:
    return {};
  case Kind::Curve:
    return {ChannelTableFilter::toneCurve(file)};
  case Kind::Lookup:
    return {std::make_shared<QNLookupFilter>(file)};
  case Kind::Sunset:
    return {std::make_shared<FilterGroup>(FilterList{
        std::make_shared<SaturationFilter>(0.5f), ChannelTableFilter::brightness(-0.01f),
        ChannelTableFilter::contrast(2.0f), BoxBlurFilter::ofSize(0.25f)})};
  case Kind::LookupVignette:
    return {std::make_shared<QNLookupFilter>(file), std::make_shared<VignetteFilter>(0.6f, 0.8f)};
  case Kind::SoftGlow:
    return {std::make_shared<SoftGlowFilter>(file, QString::fromUtf8(look.secondFile))};
  case Kind::Grey:
    return {SaturationFilter::greyScale()};
  case Kind::Sketch:
    return {std::make_shared<EdgeFilter>(EdgeFilter::Drawing::Sketch)};
  case Kind::Invert:
    return {ChannelTableFilter::colourInversion()};
  case Kind::Dots:
    return {std::make_shared<HalftoneFilter>(0.01f)};
  case Kind::Hatch:
    return {std::make_shared<CrosshatchFilter>(0.01f)};
  case Kind::Sobel:
    return {std::make_shared<EdgeFilter>(EdgeFilter::Drawing::Sobel)};
  case Kind::Emboss:
    return {ConvolutionFilter::emboss(2.0f)};
  }
  return {};
}
