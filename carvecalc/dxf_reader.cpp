#include "dxf_reader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <map>
#include <optional>

#include "bulge_arc.h"
#include "carvecalc/carve_fault.h"
#include "dxf_spline.h"
#include "support/text_line_reader.h"
#include "support/basic_text.h"

namespace kw::carvecalc {

namespace {

struct Pair {
  int code = 0;
  std::string value;
};

struct Vertex {
  polyfunction at;
  double bulge = 0;  // of the segment to the next vertex
};

// One entity: its type and the pairs up to the next group code 0.
struct Group {
  std::string type;
  std::vector<Pair> pairs;

  std::optional<double> Find(int code) const {
    for (const Pair& p : pairs)
      if (p.code == code) return kw::Val(p.value);
    return std::nullopt;
  }
  double Num(int code, double fallback = 0) const { return Find(code).value_or(fallback); }
  std::string Text(int code) const {
    for (const Pair& p : pairs)
      if (p.code == code) return p.value;
    return {};
  }
  // The vertices given as runs of 10 and 20 codes, each with the bulge (42)
  // of the segment that leaves it.
  std::vector<Vertex> Vertices() const {
    std::vector<Vertex> v;
    for (const Pair& p : pairs) {
      if (p.code == 10) v.push_back({{kw::Val(p.value), 0}, 0});
      else if (p.code == 20 && !v.empty()) v.back().at.Y = kw::Val(p.value);
      else if (p.code == 42 && !v.empty()) v.back().bulge = kw::Val(p.value);
    }
    return v;
  }
  std::vector<double> All(int code) const {
    std::vector<double> v;
    for (const Pair& p : pairs)
      if (p.code == code) v.push_back(kw::Val(p.value));
    return v;
  }
};

std::string Trim(const std::string& s) {
  const size_t b = s.find_first_not_of(" \t");
  if (b == std::string::npos) return {};
  return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

// Reads the file's pairs into groups per section; a pair whose code line is not
// an integer is junk and skipped.
std::vector<Group> ReadGroups(std::istream& in, const std::string& wanted) {
  kw::StreamBytes lines(in);
  std::vector<Group> groups;
  std::string codeLine, value, section;
  bool nameNext = false;
  while (kw::ReadTextLine(lines, codeLine) && kw::ReadTextLine(lines, value)) {
    const std::string c = Trim(codeLine);
    Pair pair;
    const auto [end, ec] = std::from_chars(c.data(), c.data() + c.size(), pair.code);
    if (ec != std::errc() || end != c.data() + c.size() || c.empty()) continue;
    pair.value = Trim(value);
    if (pair.code == 0) {
      nameNext = pair.value == "SECTION";
      if (pair.value == "ENDSEC") section.clear();
      if (section == wanted) groups.push_back({pair.value, {}});
      continue;
    }
    if (nameNext && pair.code == 2) section = pair.value, nameNext = false;
    else if (section == wanted && !groups.empty()) groups.back().pairs.push_back(std::move(pair));
  }
  return groups;
}

struct Layer {
  std::string name;
  int colour = 7;
};

int16_t Clamp16(double v) {
  if (!std::isfinite(v)) return 0;
  return static_cast<int16_t>(std::clamp(v, -32768.0, 32767.0));
}

bool AllFinite(std::initializer_list<double> values) {
  return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

class DxfBuilder {
 public:
  DxfBuilder(DxfTarget t, std::vector<Layer> layers) : t_(t), layers_(std::move(layers)) {}

  void Entity(const Group& g) {
    if (inPolyline_) return PolylinePart(g);
    if (g.type == "LINE") Line(g);
    else if (g.type == "LWPOLYLINE") LwPolyline(g);
    else if (g.type == "CIRCLE" || g.type == "ARC") Circle(g);
    else if (g.type == "ELLIPSE") Ellipse(g);
    else if (g.type == "SPLINE") Spline(g);
    else if (g.type == "POLYLINE") PolylineStart(g);
  }

 private:
  // The layer number and colour an entity was drawn with.
  std::pair<int16_t, int16_t> LayerOf(const Group& g) {
    const std::string name = g.Text(8);
    auto it = std::find_if(layers_.begin(), layers_.end(), [&](const Layer& l) { return l.name == name; });
    if (it == layers_.end()) it = layers_.insert(layers_.end(), Layer{name, 7});
    double colour = g.Num(62, 256);
    if (colour == 256) colour = std::abs(it->colour);  // by layer
    return {Clamp16(static_cast<double>(it - layers_.begin())), Clamp16(colour)};
  }
  static bool Mirrored(const Group& g) { return g.Num(230, 1) < 0; }

  void Line(const Group& g) {
    pointxy l{g.Num(10), g.Num(20), g.Num(11), g.Num(21)};
    if (!AllFinite({l.X1, l.Y1, l.x2, l.y2})) return;
    std::tie(l.Lineshield, l.Linelayer) = LayerOf(g);
    l.Linekeep = true;
    t_.entities.push_back({"Line", static_cast<int32_t>(t_.lines.size())});
    t_.lines.push_back(l);
  }

  // The outline through the vertices with their bulge arcs; a closed one
  // returns to its first vertex.
  static std::vector<polyfunction> Outline(const std::vector<Vertex>& v, bool closeIt) {
    std::vector<polyfunction> out;
    for (size_t i = 0; i < v.size(); ++i) {
      out.push_back(v[i].at);
      if (i + 1 < v.size()) AppendBulgeArc(v[i].at, v[i + 1].at, v[i].bulge, out);
    }
    const bool open = !v.empty() && (v.front().at.X != v.back().at.X || v.front().at.Y != v.back().at.Y);
    if (closeIt && open) {
      AppendBulgeArc(v.back().at, v.front().at, v.back().bulge, out);
      out.push_back(v.front().at);
    }
    return out;
  }

  void AddPolyline(const Group& g, std::vector<polyfunction> v) {
    for (auto& p : v) {
      if (!AllFinite({p.X, p.Y})) return;
      if (Mirrored(g)) p.X = -p.X;  // the drawing plane seen from below
    }
    if (v.empty()) return;
    polygonside p;
    std::tie(p.polyshield, p.polylayer) = LayerOf(g);
    p.polykeep = true;
    p.polycount = static_cast<int32_t>(v.size());
    p.closed = v.front().X == v.back().X && v.front().Y == v.back().Y;
    p.polyside = std::move(v);
    t_.entities.push_back({"Polyline", static_cast<int32_t>(t_.polylines.size())});
    t_.polylines.push_back(std::move(p));
  }

  void LwPolyline(const Group& g) {
    const int flags = static_cast<int>(std::clamp(g.Num(70), 0.0, 65535.0));
    AddPolyline(g, Outline(g.Vertices(), (flags & 1) != 0));
  }

  void PolylineStart(const Group& g) {
    inPolyline_ = true;
    polyline_ = g;
    vertices_.clear();
  }

  void PolylinePart(const Group& g) {
    if (g.type == "VERTEX") {
      const int flags = static_cast<int>(std::clamp(g.Num(70), 0.0, 65535.0));
      if (!(flags & (16 | 128))) vertices_.push_back({{g.Num(10), g.Num(20)}, g.Num(42)});  // skip frame and face records
      return;
    }
    inPolyline_ = false;
    const int flags = static_cast<int>(std::clamp(polyline_.Num(70), 0.0, 65535.0));
    if (!(flags & (16 | 64))) AddPolyline(polyline_, Outline(vertices_, (flags & 1) != 0));  // not meshes
    if (g.type != "SEQEND") Entity(g);
  }

  void Circle(const Group& g) {
    VBCircle c{g.Num(10), g.Num(20), g.Num(40), 0, 2 * M_PI};
    if (g.type == "ARC") {
      c.Start = g.Num(50) * M_PI / 180;
      c.End = g.Num(51) * M_PI / 180;
    }
    if (!AllFinite({c.X, c.Y, c.R, c.Start, c.End})) return;
    if (Mirrored(g)) {
      // Seen from below, X flips and the counter-clockwise arc runs the other way.
      c.X = -c.X;
      const double s = M_PI - c.End, e = M_PI - c.Start;
      c.Start = s, c.End = e;
    }
    std::tie(c.Circleshield, c.Circlelayer) = LayerOf(g);
    c.Circlekeep = true;
    t_.entities.push_back({"Circle", static_cast<int32_t>(t_.circles.size())});
    t_.circles.push_back(c);
  }

  void Ellipse(const Group& g) {
    const double mx = g.Num(11), my = g.Num(21);
    VBEllipse e;
    e.xE = g.Num(10), e.yE = g.Num(20);
    e.aE = std::hypot(mx, my);
    e.RatioE = g.Num(40, 1);
    e.bE = e.aE * e.RatioE;
    e.StartE = g.Num(41, 0), e.EndE = g.Num(42, 2 * M_PI);
    e.conerE = std::atan2(my, mx);
    if (Mirrored(g)) {
      // The minor axis points the other way: the same points at negated parameters.
      const double s = -e.EndE, t = -e.StartE;
      e.StartE = s, e.EndE = t;
    }
    if (!AllFinite({e.xE, e.yE, e.aE, e.bE, e.StartE, e.EndE})) return;
    std::tie(e.Ellipseshield, e.Ellipselayer) = LayerOf(g);
    e.Ellipsekeep = true;
    t_.entities.push_back({"Ellipse", static_cast<int32_t>(t_.ellipses.size())});
    t_.ellipses.push_back(e);
  }

  void Spline(const Group& g) {
    const int degree = static_cast<int>(std::clamp(g.Num(71, 3), 0.0, 99.0));
    std::vector<polyfunction> control;
    for (const Vertex& v : g.Vertices()) control.push_back(v.at);
    if (control.size() < 2) return;
    AddPolyline(g, EvaluateSpline(degree, g.All(40), control));
  }

  DxfTarget t_;
  std::vector<Layer> layers_;
  bool inPolyline_ = false;
  Group polyline_;
  std::vector<Vertex> vertices_;
};

std::vector<Layer> LayerTable(const std::vector<Group>& tables) {
  std::vector<Layer> layers;
  for (const Group& g : tables) {
    if (g.type != "LAYER") continue;
    layers.push_back({g.Text(2), static_cast<int>(std::clamp(g.Num(62, 7), -32768.0, 32767.0))});
  }
  return layers;
}

}  // namespace

void ReadDxf(const std::string& filename, DxfTarget target) {
  std::ifstream in(filename, std::ios::binary);
  if (!in) throw CarveFault(CarveError::FileNotFound, "cannot open " + filename);
  std::vector<Layer> layers = LayerTable(ReadGroups(in, "TABLES"));
  in.clear();
  in.seekg(0);
  DxfBuilder builder(target, std::move(layers));
  for (const Group& g : ReadGroups(in, "ENTITIES")) builder.Entity(g);
  builder.Entity(Group{"EOF", {}});  // ends a polyline cut off by the end of the file
}

}  // namespace kw::carvecalc
