// What a caller needs around Optioncarve: reading a drawing by its file name,
// a selection of every entity, the extent of a drawing, the rows that cover
// it, and the text of one row. A command-line front end is these calls plus
// printing, and carve_picture.h for a picture.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "carvecalc/carvecalc.h"
#include "carvecalc/carvecalc_records.h"

namespace kw::carvecalc {

// The entity arrays of one drawing.
struct Drawing {
  std::vector<pointxy> lines;
  std::vector<polygonside> polylines;
  std::vector<VBCircle> circles;
  std::vector<VBEllipse> ellipses;
  std::vector<train> entities;
};

// Reads a DXF file (extension ".dxf" in any case) or else a PLT file into
// drawing, appending; the outcome is calc.LastError().
void ReadDrawing(Carvecalc& calc, const std::string& path, Drawing& drawing);

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
// False when the bounds are empty or space is not positive; a range too tall
// for 32-bit rows saturates, which Optioncarve then refuses.
bool CarveRowRange(const DrawingBounds& bounds, float space, int16_t bitcount, RowRange& range);

// Selects every entity, sizes rows to the drawing's extent and runs
// Optioncarve with rows space mm apart (heights scaled by 10^bitcount); the
// outcome is calc.LastError(). An empty drawing gives no rows and leaves
// LastError as the reading left it.
void CarveDrawing(Carvecalc& calc, Drawing& drawing, float space, int16_t bitcount,
                  std::vector<carve>& rows);

// "row <y>: <x1> <x2> ..." with the X values sorted, numbers in the default text form.
std::string RowText(const carve& row);

}  // namespace kw::carvecalc
