#include "ColourGrades.h"

#include <algorithm>
#include <cmath>

namespace {
float clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }
float luminance(Rgb c) { return 0.2125f * c.r + 0.7154f * c.g + 0.0721f * c.b; }
Rgb mix(Rgb a, Rgb b, float t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }
Rgb grey(float v) { return {v, v, v}; }
Rgb saturate(Rgb c, float s) { return mix(grey(luminance(c)), c, s); }
// An S-curve around the middle; amount 0 is straight.
float sCurve(float v, float amount) {
  const float smooth = v * v * (3.0f - 2.0f * v);
  return v + (smooth - v) * amount;
}
Rgb contrast(Rgb c, float amount) { return {sCurve(c.r, amount), sCurve(c.g, amount), sCurve(c.b, amount)}; }
// Lifts the blacks to low and pulls the whites to high.
Rgb fade(Rgb c, float low, float high) {
  auto f = [&](float v) { return low + v * (high - low); };
  return {f(c.r), f(c.g), f(c.b)};
}
Rgb scale(Rgb c, float r, float g, float b) { return {clamp01(c.r * r), clamp01(c.g * g), clamp01(c.b * b)}; }
Rgb gammaOf(Rgb c, float gamma) {
  return {std::pow(c.r, gamma), std::pow(c.g, gamma), std::pow(c.b, gamma)};
}
// Shadows towards dark, highlights towards light, by luminance.
Rgb splitTone(Rgb c, Rgb dark, Rgb light, float amount) {
  const float l = luminance(c);
  return mix(c, mix(dark, light, l), amount);
}
float levels(float v, int steps) { return std::round(v * (steps - 1)) / (steps - 1); }
} // namespace

const std::vector<CurveGrade> &curveGrades() {
  static const std::vector<CurveGrade> grades{
      {"crossprocess.acv",
       {{{}, {{0, 0}, {88, 47}, {170, 188}, {221, 249}, {255, 255}}, {{0, 0}, {65, 57}, {184, 208}, {255, 255}}, {{0, 29}, {255, 226}}}}},
      {"02.acv", {{{{0, 30}, {128, 135}, {255, 235}}, {{0, 0}, {128, 140}, {255, 255}}, {}, {{0, 20}, {128, 118}, {255, 230}}}}},
      {"17.acv", {{{{0, 20}, {255, 240}}, {{0, 10}, {120, 135}, {255, 255}}, {{0, 0}, {128, 118}, {255, 245}}, {{0, 25}, {128, 135}, {255, 235}}}}},
      {"06.acv", {{{{0, 15}, {64, 60}, {192, 200}, {255, 245}}, {{0, 20}, {128, 150}, {255, 255}}, {{0, 10}, {128, 135}, {255, 240}}, {{0, 0}, {128, 100}, {255, 200}}}}},
      {"aqua.acv", {{{}, {{0, 0}, {128, 105}, {255, 235}}, {{0, 10}, {128, 138}, {255, 255}}, {{0, 25}, {128, 145}, {255, 255}}}}},
      {"purple-green.acv",
       {{{}, {{0, 20}, {96, 90}, {192, 180}, {255, 240}}, {{0, 0}, {96, 85}, {192, 205}, {255, 255}}, {{0, 35}, {96, 110}, {192, 180}, {255, 225}}}}},
      {"yellow-red.acv", {{{}, {{0, 10}, {128, 160}, {255, 255}}, {{0, 0}, {128, 132}, {255, 245}}, {{0, 0}, {128, 96}, {255, 210}}}}},
      {"101.acv", {{{{0, 0}, {128, 150}, {255, 255}}, {{0, 5}, {128, 138}, {255, 255}}, {}, {{0, 0}, {128, 118}, {255, 240}}}}},
      {"102.acv", {{{{0, 10}, {64, 80}, {128, 160}, {255, 255}}, {}, {}, {}}}},
      {"103.acv", {{{{0, 0}, {64, 56}, {192, 200}, {255, 255}}, {{0, 0}, {128, 118}, {255, 245}}, {{0, 10}, {128, 150}, {255, 255}}, {{0, 0}, {128, 120}, {255, 240}}}}},
  };
  return grades;
}

const std::vector<LookupGrade> &lookupGrades() {
  static const std::vector<LookupGrade> grades{
      {"anto2.jpg", [](Rgb c) { return contrast(scale(fade(saturate(c, 0.85f), 0.08f, 0.95f), 1.05f, 1.0f, 0.9f), 0.2f); }},
      {"anto1.jpg", [](Rgb c) { return fade(scale(saturate(c, 0.9f), 0.85f, 1.02f, 1.12f), 0.03f, 1.0f); }},
      {QString::fromUtf8("怀旧.png"), [](Rgb c) { return fade(mix(c, splitTone(c, {0.25f, 0.15f, 0.08f}, {1.0f, 0.9f, 0.72f}, 1.0f), 0.6f), 0.05f, 0.96f); }},
      {QString::fromUtf8("纳什维尔.png"), [](Rgb c) { return contrast(splitTone(fade(c, 0.1f, 0.98f), {0.3f, 0.1f, 0.35f}, {1.0f, 0.92f, 0.78f}, 0.3f), 0.25f); }},
      {"lookup_amatorka.png", [](Rgb c) { return saturate(splitTone(c, {0.0f, 0.28f, 0.34f}, {1.0f, 0.78f, 0.55f}, 0.25f), 1.1f); }},
      {QString::fromUtf8("玫红色.png"), [](Rgb c) { return contrast(scale(c, 1.08f, 0.9f, 1.02f), 0.15f); }},
      {QString::fromUtf8("高光lomo.png"), [](Rgb c) { return gammaOf(saturate(contrast(c, 0.8f), 1.3f), 0.85f); }},
      {QString::fromUtf8("巧克力圣代.png"), [](Rgb c) { return mix(c, splitTone(c, {0.22f, 0.1f, 0.05f}, {1.0f, 0.88f, 0.74f}, 1.0f), 0.5f); }},
      {"lookup_miss_etikate.png", [](Rgb c) { return splitTone(fade(saturate(c, 0.8f), 0.06f, 1.0f), {0.2f, 0.2f, 0.3f}, {1.0f, 0.86f, 0.88f}, 0.2f); }},
      {"lookup_soft_elegance_1.png", [](Rgb c) { return contrast(gammaOf(c, 0.9f), -0.15f); }},
      {"lookup_soft_elegance_2.png", [](Rgb c) { return contrast(scale(saturate(c, 1.05f), 1.03f, 1.0f, 0.96f), 0.2f); }},
      {QString::fromUtf8("墨水渲染.png"), [](Rgb c) { return grey(sCurve(sCurve(luminance(c), 1.0f), 0.5f)); }},
      {QString::fromUtf8("流金岁月.png"), [](Rgb c) { return mix(c, splitTone(c, {0.2f, 0.12f, 0.0f}, {1.0f, 0.86f, 0.45f}, 1.0f), 0.7f); }},
      {QString::fromUtf8("泛黄.png"), [](Rgb c) { return fade(scale(saturate(c, 0.7f), 1.02f, 0.98f, 0.75f), 0.08f, 0.97f); }},
      {QString::fromUtf8("漫画书.png"), [](Rgb c) { Rgb s = saturate(c, 1.4f); return Rgb{levels(clamp01(s.r), 5), levels(clamp01(s.g), 5), levels(clamp01(s.b), 5)}; }},
      {QString::fromUtf8("黑白卡通片.png"), [](Rgb c) { return grey(levels(sCurve(luminance(c), 0.5f), 4)); }},
      {QString::fromUtf8("细语.png"), [](Rgb c) { return scale(saturate(gammaOf(c, 0.8f), 0.6f), 1.0f, 0.98f, 1.04f); }},
      {QString::fromUtf8("棕榈.png"), [](Rgb c) { return saturate(splitTone(scale(c, 0.95f, 1.08f, 1.0f), {0.0f, 0.25f, 0.2f}, {1.0f, 0.9f, 0.6f}, 0.25f), 1.2f); }},
  };
  return grades;
}
