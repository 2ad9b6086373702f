// Joining of connectable paths (Hb). A selected cut path i absorbs, one after
// another, the first selected object j on its layer (lowest list position)
// whose first point, or failing that whose last point (j is then reversed),
// lies strictly within Eqs of i's last point on both axes; the joined path
// keeps i's place, kind, key and layer and gets selection value 1.
#pragma once

#include <cmath>
#include <cstdint>
#include <functional>

#include "document/path_store.h"

namespace kw::pathcore {

// Called after each object i is done: All objects now, i's position Dq.
using JoinProgress = std::function<void(int32_t All, int32_t Dq)>;

// The joining in its plain form: after every join the partner scan restarts
// at the top of the list, and every join moves the rest of the document.
// Quadratic on long chains; kept as the reference the fast form must match.
void JoinPathsByScan(PathStore& s, double Eqs, const JoinProgress& progress);

// The same joins, found through a grid of path ends and applied in one
// rebuild of the arrays at the end.
void JoinPathsByGrid(PathStore& s, double Eqs, const JoinProgress& progress);

// ---- the rule both forms share ---------------------------------------------

struct JoinEnds {
  float Xmin, Ymin, Xmax, Ymax;  // box, mm
  float Sx, Sy, Ex, Ey;          // first and last point, mm
};

inline JoinEnds EndsOf(const PathStore& s, int32_t k) {
  return {s.ObjXmin[k], s.ObjYmin[k], s.ObjXmax[k], s.ObjYmax[k], s.ObjSx[k], s.ObjSy[k], s.ObjEx[k], s.ObjEy[k]};
}

enum class Join { None, AsIs, Reversed };

// How j joins i, given that both are selected and on the same layer.
inline Join JoinOf(const JoinEnds& i, const JoinEnds& j, double eqs) {
  const bool near = i.Xmin - j.Xmax <= eqs && i.Ymin - j.Ymax <= eqs && j.Xmin - i.Xmax <= eqs &&
                    j.Ymin - i.Ymax <= eqs;
  if (!near) return Join::None;
  if (std::fabs(j.Sx - i.Ex) < eqs && std::fabs(j.Sy - i.Ey) < eqs) return Join::AsIs;
  if (std::fabs(j.Ex - i.Ex) < eqs && std::fabs(j.Ey - i.Ey) < eqs) return Join::Reversed;
  return Join::None;
}

}  // namespace kw::pathcore
