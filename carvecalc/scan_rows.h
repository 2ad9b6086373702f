// Scan conversion of lines, polygons, circles and ellipses into rows of X
// crossings. Every figure follows one rule, the one of a line: a row at height
// y crosses a y-monotone piece whose height runs from ylo to yhi when
// ylo <= y < yhi. So a row through a lower end point crosses, a row through an
// upper end point does not, horizontal pieces add nothing, and pieces joined
// end to end give one crossing at the joint when the outline passes through it
// and zero or two when it turns there: even-odd pairs stay paired.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "carvecalc/carvecalc_records.h"

namespace kw::carvecalc {

// The rows an Optioncarve call fills and how heights map onto them.
class RowGrid {
 public:
  // Resets rows to lastRow + 1 empty rows whose heights start at ymin (scaled
  // by 10^bitcount) and step by space millimetres.
  RowGrid(std::vector<carve>& rows, int32_t lastRow, double space, int16_t bitcount, int32_t ymin);

  double Space() const { return space_; }
  // The whole row number of a height in millimetres, rounding up: the lowest
  // row at or above y. Values within rounding noise of a whole row stay on it.
  int64_t RowAtOrAbove(double y) const;
  // The index into the rows of row number n; outside the rows it is a bound fault.
  int64_t IndexOf(int64_t n) const;
  // Appends x to the row of index i.
  void Add(int64_t i, double x);
  // True once a crossing was stored.
  bool Any() const { return any_; }

 private:
  std::vector<carve>& rows_;
  double space_;   // mm
  double scale_;   // 10^bitcount
  double ymin_;    // scaled units
  bool any_ = false;
};

// The entity indices of one selection list (",0,3,"), each entry once, in order.
std::vector<int32_t> SelectionEntries(const std::string& list);

void ScanLine(RowGrid& grid, double x1, double y1, double x2, double y2);
void ScanPolygon(RowGrid& grid, const polygonside& polygon);
void ScanCircle(RowGrid& grid, const VBCircle& circle);
void ScanEllipse(RowGrid& grid, const VBEllipse& ellipse);

}  // namespace kw::carvecalc
