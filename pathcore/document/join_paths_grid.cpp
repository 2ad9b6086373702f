// The fast form of the joining: path ends are found through a grid of cells
// at least Eqs wide, positions after joins through a tree of live counts, and
// the document's arrays are rebuilt once when every chain is done.
#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <utility>
#include <vector>

#include "document/join_paths.h"

namespace kw::pathcore {
namespace {

// Live objects counted by list position (a Fenwick tree), so a position after
// earlier joins costs a logarithm instead of a scan.
class LiveCount {
 public:
  explicit LiveCount(int32_t n) : tree_(static_cast<size_t>(n) + 1) {
    for (int32_t k = 1; k <= n; ++k) tree_[k] = k & -k;  // every object starts alive
  }
  void Remove(int32_t k) {
    for (; k < static_cast<int32_t>(tree_.size()); k += k & -k) --tree_[k];
  }
  int32_t Prefix(int32_t k) const {
    int32_t sum = 0;
    for (; k > 0; k -= k & -k) sum += tree_[k];
    return sum;
  }

 private:
  std::vector<int32_t> tree_;
};

// Object numbers filed by the grid cell of a path end. A point within Eqs of
// another lies in the same or a neighbouring cell.
class EndGrid {
 public:
  explicit EndGrid(double eqs) : cell_(eqs * 1.01) {}

  void Insert(float x, float y, int32_t k) { cells_[{CellOf(x), CellOf(y)}].push_back(k); }

  // Calls visit for every live object filed near (x, y), dropping dead ones.
  template <typename Alive, typename Visit>
  void ForNear(float x, float y, Alive alive, Visit visit) {
    const int64_t cx = CellOf(x), cy = CellOf(y);
    for (int64_t dx = -1; dx <= 1; ++dx) {
      for (int64_t dy = -1; dy <= 1; ++dy) {
        const auto it = cells_.find({cx + dx, cy + dy});
        if (it == cells_.end()) continue;
        auto& ids = it->second;
        ids.erase(std::remove_if(ids.begin(), ids.end(), [&](int32_t k) { return !alive(k); }), ids.end());
        for (int32_t k : ids) visit(k);
      }
    }
  }

 private:
  struct Cell {
    int64_t x, y;
    bool operator==(const Cell&) const = default;
  };
  struct CellHash {
    size_t operator()(const Cell& c) const {
      const uint64_t mixed = static_cast<uint64_t>(c.x) * 0x9E3779B97F4A7C15ull ^ static_cast<uint64_t>(c.y);
      return std::hash<uint64_t>()(mixed);
    }
  };

  // Far-off or undefined coordinates share the outermost cells: only more candidates.
  int64_t CellOf(float v) const {
    double c = std::floor(static_cast<double>(v) / cell_);
    if (!(c > -4e18)) c = -4e18;
    if (!(c < 4e18)) c = 4e18;
    return static_cast<int64_t>(c);
  }

  double cell_;  // mm
  std::unordered_map<Cell, std::vector<int32_t>, CellHash> cells_;
};

// A path that has absorbed others: its points (0-based) and ends.
struct JoinedPath {
  std::vector<float> X, Y;
  JoinEnds Ends{};
};

class GridJoin {
 public:
  GridJoin(PathStore& s, double eqs)
      : s_(s), eqs_(eqs), alive_(static_cast<size_t>(s.ObjN) + 1, 1),
        joined_(static_cast<size_t>(s.ObjN) + 1, -1), grid_(eqs), live_(s.ObjN) {
    for (int32_t k = 1; k <= s.ObjN; ++k) {
      if (s.ObjSel[k] <= 0) continue;  // only selected objects are partners
      grid_.Insert(s.ObjSx[k], s.ObjSy[k], k);
      grid_.Insert(s.ObjEx[k], s.ObjEy[k], k);
    }
  }

  void Run(const JoinProgress& progress) {
    int32_t liveN = s_.ObjN;
    for (int32_t i = 1; i <= s_.ObjN; ++i) {
      if (!alive_[i]) continue;
      if (s_.ObjSel[i] > 0 && s_.ObjType[i] == kCutPath) {
        for (auto [j, join] = FindPartner(i); j != 0; std::tie(j, join) = FindPartner(i)) {
          Absorb(i, j, join);
          --liveN;
        }
      }
      progress(liveN, live_.Prefix(i));
    }
    Rebuild();
  }

 private:
  JoinEnds Ends(int32_t k) const { return joined_[k] >= 0 ? paths_[joined_[k]].Ends : EndsOf(s_, k); }

  // The lowest-numbered live partner of i, as the scan from the top finds it.
  std::pair<int32_t, Join> FindPartner(int32_t i) {
    const JoinEnds e = Ends(i);
    int32_t best = 0;
    Join bestJoin = Join::None;
    grid_.ForNear(e.Ex, e.Ey, [this](int32_t k) { return alive_[k] != 0; }, [&](int32_t j) {
      if (j == i || (best != 0 && j >= best) || s_.ObjLayer[j] != s_.ObjLayer[i]) return;
      const Join join = JoinOf(e, Ends(j), eqs_);
      if (join != Join::None) best = j, bestJoin = join;
    });
    return {best, bestJoin};
  }

  // The points of k as they stand; a path's own points are copied on first use.
  JoinedPath TakePoints(int32_t k) {
    if (joined_[k] >= 0) return std::move(paths_[joined_[k]]);
    JoinedPath p;
    p.X.assign(s_.PointX.begin() + s_.ObjStart[k], s_.PointX.begin() + s_.LastPointOf(k) + 1);
    p.Y.assign(s_.PointY.begin() + s_.ObjStart[k], s_.PointY.begin() + s_.LastPointOf(k) + 1);
    p.Ends = EndsOf(s_, k);
    return p;
  }

  // i's joined form, its first point and box made from its points as a refresh would.
  JoinedPath& Own(int32_t i) {
    if (joined_[i] < 0) {
      paths_.push_back(TakePoints(i));
      joined_[i] = static_cast<int32_t>(paths_.size()) - 1;
      auto& p = paths_.back();
      p.Ends.Sx = p.Ends.Xmin = p.Ends.Xmax = p.X[0];
      p.Ends.Sy = p.Ends.Ymin = p.Ends.Ymax = p.Y[0];
      Widen(p, 1);
    }
    return paths_[joined_[i]];
  }

  static void Widen(JoinedPath& p, size_t from) {
    for (size_t n = from; n < p.X.size(); ++n) {
      p.Ends.Xmax = std::max(p.Ends.Xmax, p.X[n]);
      p.Ends.Xmin = std::min(p.Ends.Xmin, p.X[n]);
      p.Ends.Ymax = std::max(p.Ends.Ymax, p.Y[n]);
      p.Ends.Ymin = std::min(p.Ends.Ymin, p.Y[n]);
    }
  }

  void Absorb(int32_t i, int32_t j, Join join) {
    JoinedPath partner = TakePoints(j);
    if (join == Join::Reversed) {
      std::reverse(partner.X.begin(), partner.X.end());
      std::reverse(partner.Y.begin(), partner.Y.end());
    }
    alive_[j] = 0;
    joined_[j] = -1;
    live_.Remove(j);
    JoinedPath& head = Own(i);
    const size_t from = head.X.size();
    head.X.insert(head.X.end(), partner.X.begin() + 1, partner.X.end());  // without j's first point
    head.Y.insert(head.Y.end(), partner.Y.begin() + 1, partner.Y.end());
    Widen(head, from);
    head.Ends.Ex = head.X.back();
    head.Ends.Ey = head.Y.back();
    grid_.Insert(head.Ends.Ex, head.Ends.Ey, i);
  }

  // Writes the surviving objects in order: points first (they need the old
  // runs), then the per-object arrays compacted in place.
  void Rebuild() {
    std::vector<int32_t> order, starts{0};
    std::vector<float> X(s_.PointX.size()), Y(s_.PointY.size());
    int32_t at = 1;
    for (int32_t k = 1; k <= s_.ObjN; ++k) {
      if (!alive_[k]) continue;
      order.push_back(k);
      starts.push_back(at);
      if (joined_[k] >= 0) {
        const auto& p = paths_[joined_[k]];
        std::copy(p.X.begin(), p.X.end(), X.begin() + at);
        std::copy(p.Y.begin(), p.Y.end(), Y.begin() + at);
        at += static_cast<int32_t>(p.X.size());
      } else {
        const int32_t n = s_.PointCountOf(k);
        std::copy_n(s_.PointX.begin() + s_.ObjStart[k], n, X.begin() + at);
        std::copy_n(s_.PointY.begin() + s_.ObjStart[k], n, Y.begin() + at);
        at += n;
      }
    }
    const auto n = static_cast<int32_t>(order.size());
    ForEachObjArray(s_, [&](auto& v) {
      for (int32_t idx = 1; idx <= n; ++idx) v[idx] = v[order[idx - 1]];
      v.resize(static_cast<size_t>(n) + 1);
    });
    s_.ObjStart.swap(starts);
    s_.PointX.swap(X);
    s_.PointY.swap(Y);
    s_.ObjN = n;
    s_.PointN = at - 1;
    for (int32_t idx = 1; idx <= n; ++idx) {
      if (joined_[order[idx - 1]] < 0) continue;
      s_.ObjSel[idx] = kSelected;
      s_.RefreshObj(idx);
    }
  }

  PathStore& s_;
  double eqs_;
  std::vector<uint8_t> alive_;   // 1..ObjN of the list before joining
  std::vector<int32_t> joined_;  // index into paths_, or -1
  std::vector<JoinedPath> paths_;
  EndGrid grid_;
  LiveCount live_;
};

}  // namespace

void JoinPathsByGrid(PathStore& s, double Eqs, const JoinProgress& progress) {
  if (!(Eqs > 0)) {  // no gap is strictly below a tolerance of 0: nothing joins
    for (int32_t i = 1; i <= s.ObjN; ++i) progress(s.ObjN, i);
    return;
  }
  GridJoin(s, Eqs).Run(progress);
}

}  // namespace kw::pathcore
