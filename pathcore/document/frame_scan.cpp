// Scan lines of an engraving frame: an edge table of its stored outlines on
// the line grid, the vertex rule, and an active-edge sweep from the top line
// down.
#include <algorithm>

#include "document/work_data_request.h"
#include "geometry/sort_by_key.h"
#include "support/round_half_even.h"

namespace kw::pathcore {
namespace {

struct Edge {
  int32_t x1, y1, x2, y2;  // machine X, line numbers
  float slope = 0;         // machine X per line
  bool rising = false;
  float startX = 0;        // x1 after the vertex rule
};

struct GridPoint {
  int32_t x, line;
};

// The edges of one outline, with the vertex rule applied: where the outline
// passes a vertex monotonically, the later edge starts one line further on,
// so the vertex line is crossed once; at a top or bottom it is crossed twice.
std::vector<Edge> OutlineEdges(const std::vector<GridPoint>& pts) {
  std::vector<Edge> edges;
  auto add = [&edges](const GridPoint& a, const GridPoint& b) {
    if (a.line == b.line) return;
    Edge e{a.x, a.line, b.x, b.line};
    e.slope = static_cast<float>(b.x - a.x) / static_cast<float>(b.line - a.line);
    e.rising = a.line < b.line;
    e.startX = static_cast<float>(a.x);
    edges.push_back(e);
  };
  for (size_t i = 0; i + 1 < pts.size(); ++i) add(pts[i], pts[i + 1]);
  add(pts.back(), pts.front());
  const size_t n = edges.size();
  std::vector<bool> moved(n, false);
  for (size_t i = 0; i < n; ++i) moved[i] = edges[i].rising == edges[(i + n - 1) % n].rising;
  for (size_t i = 0; i < n; ++i) {
    if (!moved[i]) continue;
    Edge& e = edges[i];
    e.y1 += e.rising ? 1 : -1;
    e.startX += e.rising ? e.slope : -e.slope;
  }
  return edges;
}

struct ActiveEdge {
  int32_t top;     // line
  int32_t lines;   // lines left to cross
  float x;         // machine X on the current line
  float slope;
};

// Turns every edge to run from its upper end down.
ActiveEdge Downwards(const Edge& e) {
  if (e.rising) return {e.y2, e.y2 - e.y1 + 1, static_cast<float>(e.x2), e.slope};
  return {e.y1, e.y1 - e.y2 + 1, e.startX, e.slope};
}

}  // namespace

void WorkDataRequest::FrameScan(int32_t k) {
  const ScanSettings set = AskScanLayer(k);
  if (!set.Enabled || set.Dpi <= 0) return;
  const double s = set.Dpi / 25.4;  // lines per mm
  const int32_t X0 = kw::N(-S.Xmin * Xk_);
  const int32_t F = kw::N(-S.Ymax * s);
  auto lineOf = [&](double y) { return kw::N(y * s + F); };

  std::vector<ActiveEdge> table;
  for (int32_t j = 1; j <= S.DkN; ++j) {
    if (S.DkKey[j] != S.ObjKey[k]) continue;
    const int32_t last = j == S.DkN ? S.DkPointN : S.DkStart[j + 1] - 1;
    if (last - S.DkStart[j] + 1 < 4) continue;
    std::vector<GridPoint> pts;
    for (int32_t i = S.DkStart[j]; i <= last; ++i) pts.push_back({kw::N(S.DkX[i] * Xk_ + X0), lineOf(S.DkY[i])});
    for (const Edge& e : OutlineEdges(pts)) table.push_back(Downwards(e));
  }
  if (table.empty()) return;
  // Topmost first: sort by the negated top line.
  std::vector<int32_t> key(table.size() + 1, 0), order(table.size() + 1, 0);
  for (size_t i = 0; i < table.size(); ++i) key[i + 1] = -table[i].top, order[i + 1] = static_cast<int32_t>(i);
  SortByKey(key, order, 1, static_cast<int32_t>(table.size()));
  std::vector<ActiveEdge> sorted;
  sorted.reserve(table.size());
  for (size_t i = 1; i < order.size(); ++i) sorted.push_back(table[order[i]]);

  ScanLineList lines(set);
  size_t low = 0, high = 0;
  std::vector<int32_t> crossings;
  for (int32_t L = lineOf(S.ObjYmax[k]); L >= lineOf(S.ObjYmin[k]); --L) {
    while (high < sorted.size() && sorted[high].top >= L) ++high;
    while (low < high && sorted[low].lines <= 0) ++low;
    crossings.clear();
    for (size_t i = low; i < high; ++i) {
      ActiveEdge& e = sorted[i];
      if (e.lines <= 0) continue;
      crossings.push_back(kw::N(e.x));
      --e.lines;
      e.x -= e.slope;
    }
    std::sort(crossings.begin(), crossings.end());
    lines.Append(crossings, kw::N(L / s * Yk_));
  }
  auto out = lines.Finish();
  events_->OutScanLine(out, S.ObjLayer[k]);
}

}  // namespace kw::pathcore
