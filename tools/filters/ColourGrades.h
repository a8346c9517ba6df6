#pragma once

#include <QString>
#include <array>
#include <functional>
#include <vector>

// The colour grades of Quill's own looks, as the generator writes them: tone
// curves (points per channel) for the ACV files and colour functions for the
// lookup pictures.

struct Rgb {
  float r, g, b; // 0..1
};

struct CurveGrade {
  QString fileName;
  // Master, red, green, blue: (input, output) points, 0..255; empty = straight.
  std::array<std::vector<std::pair<int, int>>, 4> curves;
};

struct LookupGrade {
  QString fileName;
  std::function<Rgb(Rgb)> grade;
};

const std::vector<CurveGrade> &curveGrades();
const std::vector<LookupGrade> &lookupGrades();
