#include "plotter.h"

#include <cmath>

namespace kw::hpglscan {

void Plotter::PenUp() {
  penDown_ = false;
  if (polygonMode_) {
    NewSubpolygon();
  } else {
    Flush();
  }
}

void Plotter::PenDown() {
  if (penDown_) return;
  penDown_ = true;
  if (!polygonMode_) drawing_.assign(1, position_), Count(1);
}

void Plotter::SelectPen(int32_t pen) {
  if (pen == pen_) return;
  Flush();
  pen_ = pen;
  if (penDown_ && !polygonMode_) drawing_.assign(1, position_), Count(1);
}

void Plotter::MoveTo(PlotPoint p) {
  position_ = p;
  Count(1);
  if (polygonMode_) {
    if (penDown_) polygon_.back().push_back(p);
    else polygon_.back().assign(1, p);
  } else if (penDown_) {
    drawing_.push_back(p);
  }
}

void Plotter::Figure(const std::vector<PlotPoint>& points) {
  Count(points.size());
  if (polygonMode_) {
    NewSubpolygon();
    polygon_.back() = points;
    polygon_.push_back({position_});
    return;
  }
  Flush();
  Emit(points);
  if (penDown_) drawing_.assign(1, position_), Count(1);
}

void Plotter::StartPolygon() {
  Flush();
  polygonMode_ = true;
  polygonDrawn_ = false;
  polygon_.assign(1, {position_});
}

void Plotter::CloseSubpolygon() {
  if (polygonMode_) NewSubpolygon();
}

void Plotter::EndPolygon() {
  if (!polygonMode_) return;
  polygonMode_ = false;
  if (penDown_) drawing_.assign(1, position_), Count(1);
}

// Each subpolygon is closed, as the plotter closes it when it edges one.
void Plotter::DrawPolygon() {
  if (polygonDrawn_) return;
  polygonDrawn_ = true;
  for (std::vector<PlotPoint>& edge : polygon_) {
    if (edge.size() < 2) continue;
    if (edge.back() != edge.front()) edge.push_back(edge.front());
    Emit(edge);
  }
}

void Plotter::Reset() {
  Flush();
  penDown_ = false;
  position_ = {};
  polygonMode_ = false;
  polygon_.clear();
}

// A subpolygon of one point is only where the pen stood: it is replaced, not kept.
void Plotter::NewSubpolygon() {
  if (polygon_.back().size() > 1) {
    polygon_.push_back({position_});
  } else {
    polygon_.back().assign(1, position_);
  }
}

void Plotter::Flush() {
  Emit(drawing_);
  drawing_.clear();
}

// A polyline with a coordinate past the range of a double is dropped whole.
void Plotter::Emit(const std::vector<PlotPoint>& points) {
  if (points.size() < 2) return;
  x_.clear();
  y_.clear();
  for (const PlotPoint& p : points) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return;
    x_.push_back(p.x);
    y_.push_back(p.y);
  }
  sink_(x_, y_, pen_);
}

}  // namespace kw::hpglscan
