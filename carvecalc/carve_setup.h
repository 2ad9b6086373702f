// What a caller needs around Optioncarve: a selection of every entity, the
// extent of a drawing, the rows that cover it, and the text of one row.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "carvecalc/carvecalc_records.h"

namespace carvecalc {

// The entity arrays of one drawing.
struct Drawing {
  std::vector<pointxy> lines;
  std::vector<polygonside> polylines;
  std::vector<VBCircle> circles;
  std::vector<VBEllipse> ellipses;
  std::vector<train> entities;
};

// A selection of every entity of the drawing.
carvegruep SelectAll(const Drawing& drawing);

struct DrawingBounds {
  double xmin = 0, ymin = 0, xmax = 0, ymax = 0;  // mm
  bool empty = true;
};

// Bounding box of the whole figures (full circles and ellipses for arcs);
// values that are not finite are left out.
DrawingBounds BoundsOf(const Drawing& drawing);

// The Optioncarve arguments that make its rows cover bounds exactly.
struct RowRange {
  int32_t ymin = 0;     // lowest row height * 10^bitcount
  int32_t lastRow = 0;  // carvedataID
};
// False when the bounds are empty or would need more rows than an int32 holds.
bool CarveRowRange(const DrawingBounds& bounds, float space, int16_t bitcount, RowRange& range);

// "row <y>: <x1> <x2> ..." with the X values sorted, numbers in the default text form.
std::string RowText(const carve& row);

}  // namespace carvecalc
