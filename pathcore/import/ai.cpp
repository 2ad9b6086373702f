#include "import/ai.h"

#include <cmath>

#include "geometry/point_geometry.h"
#include "support/text_line_reader.h"
#include "support/basic_text.h"

namespace kw::pathcore {

namespace {

constexpr double kFlatEnough = 1.00001;  // arc-to-chord ratio of a flat piece
constexpr double kShortChord = 0.3;      // mm: shorter pieces are not split
// A double parameter cannot be halved usefully more often than this.
constexpr int kMaxDepth = 60;

bool EndsWith(const std::string& s, const char* tail) {
  const size_t n = std::char_traits<char>::length(tail);
  return s.size() >= n && s.compare(s.size() - n, n, tail) == 0;
}

struct Bezier {
  double x[4], y[4];
  void At(double t, double& px, double& py) const {
    const double u = 1 - t;
    const double a = u * u * u, b = 3 * t * u * u, c = 3 * t * t * u, d = t * t * t;
    px = a * x[0] + b * x[1] + c * x[2] + d * x[3];
    py = a * y[0] + b * y[1] + c * y[2] + d * y[3];
  }
};

void Subdivide(const Bezier& b, double t0, double t1, float chord, int depth, std::vector<double>& X,
               std::vector<double>& Y) {
  double sx = 0, sy = 0, mx = 0, my = 0, ex = 0, ey = 0;
  const double m = t0 + (t1 - t0) / 2;
  b.At(t0, sx, sy);
  b.At(m, mx, my);
  b.At(t1, ex, ey);
  const float d1 = static_cast<float>(PointDistance(sx, sy, mx, my));
  const float d2 = static_cast<float>(PointDistance(mx, my, ex, ey));
  if (depth < kMaxDepth && chord > kShortChord && (d1 + d2) / chord > kFlatEnough) {
    Subdivide(b, t0, m, d1, depth + 1, X, Y);
    Subdivide(b, m, t1, d2, depth + 1, X, Y);
    return;
  }
  X.push_back(ex);
  Y.push_back(ey);
}

}  // namespace

double AiField(const std::string& line, int k) {
  size_t i = 0;
  for (int blanks = 1; blanks < k; ++blanks) {
    i = line.find(' ', i);
    if (i == std::string::npos) return 0;
    ++i;
  }
  size_t j = i;
  if (j < line.size() && line[j] == '-') ++j;
  while (j < line.size() && ((line[j] >= '0' && line[j] <= '9') || line[j] == '.')) ++j;
  return kw::Val(std::string_view(line).substr(i, j - i));
}

void FlattenBezier(double x0, double y0, double x1, double y1, double x2, double y2, double x3, double y3,
                   std::vector<double>& X, std::vector<double>& Y) {
  const Bezier b{{x0, x1, x2, x3}, {y0, y1, y2, y3}};
  Subdivide(b, 0, 1, static_cast<float>(PointDistance(x0, y0, x3, y3)), 0, X, Y);
}

int16_t CAi::AiInput(const std::string& FileName) {
  kw::TextLineReader in;
  if (!in.Open(FileName)) return -1;
  inLayer_ = inPath_ = false;
  X.clear();
  Y.clear();
  std::string line;
  while (in.ReadLine(line)) ReadLine(line);
  return in.Failed() ? -1 : 0;
}

void CAi::ReadLine(const std::string& line) {
  if (line == "%AI5_BeginLayer") inLayer_ = true;
  if (line == "%AI5_EndLayer--") inLayer_ = false;
  if (!inLayer_) return;
  auto field = [&](int k) { return AiField(line, k) * kMmPerPoint; };
  if (EndsWith(line, " m")) {
    X.assign(1, field(1));
    Y.assign(1, field(2));
    inPath_ = true;
  } else if (EndsWith(line, " l") || EndsWith(line, " L")) {
    if (!inPath_) return;
    X.push_back(field(1));
    Y.push_back(field(2));
  } else if (EndsWith(line, " c") || EndsWith(line, " C")) {
    if (inPath_) AddCurve(line);
  } else if (line == "s" || line == "f") {
    if (!inPath_) return;
    inPath_ = false;
    if (events_) events_->OutPolyLine(X, Y, 0);
  }
}

void CAi::AddCurve(const std::string& line) {
  auto field = [&](int k) { return AiField(line, k) * kMmPerPoint; };
  FlattenBezier(X.back(), Y.back(), field(1), field(2), field(3), field(4), field(5), field(6), X, Y);
}

}  // namespace kw::pathcore
