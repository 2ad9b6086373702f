// The DXF reader of Carvecalc: the layer table and the lines, polylines,
// circles, arcs, ellipses and splines of the ENTITIES section, as group-code
// and value line pairs.
#pragma once

#include <string>
#include <vector>

#include "carvecalc/carvecalc_records.h"

namespace kw::carvecalc {

struct DxfTarget {
  std::vector<pointxy>& lines;
  std::vector<polygonside>& polylines;
  std::vector<VBCircle>& circles;
  std::vector<VBEllipse>& ellipses;
  std::vector<train>& entities;
};

// Appends the entities of the file to the target arrays. A file that cannot be
// opened is a FileNotFound fault; anything unreadable inside it is skipped.
void ReadDxf(const std::string& filename, DxfTarget target);

}  // namespace kw::carvecalc
