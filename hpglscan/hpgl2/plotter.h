// The pen of an HP-GL/2 plot: where it is, whether it is down, which pen it
// is, and the polyline it is drawing. Finished polylines go to the sink. In
// polygon mode the moves build the polygon buffer instead, whose edges become
// polylines once, at the first EP or FP.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "hpglscan/hpgl2_reader.h"
#include "plot_point.h"

namespace kw::hpglscan {

class Plotter {
 public:
  // Past this many points in all, the plot is taken as hostile and reading stops.
  static constexpr size_t kPointLimit = size_t{1} << 22;

  explicit Plotter(const Hpgl2Sink& sink) : sink_(sink) {}

  PlotPoint Position() const { return position_; }
  bool PenIsDown() const { return penDown_; }
  bool Full() const { return points_ > kPointLimit; }

  void PenUp();
  void PenDown();
  void SelectPen(int32_t pen);
  // A move that draws when the pen is down.
  void MoveTo(PlotPoint p);
  // A figure drawn whatever the pen state (CI, EA, EW...); the pen stays put.
  void Figure(const std::vector<PlotPoint>& points);
  // PM 0, 1 and 2.
  void StartPolygon();
  void CloseSubpolygon();
  void EndPolygon();
  // EP and FP.
  void DrawPolygon();
  // IN: the pen up at the origin, the polygon buffer emptied; the pen number stays.
  void Reset();
  // The end of the plot: what is being drawn is finished.
  void Finish() { Flush(); }

 private:
  void Flush();
  void NewSubpolygon();
  void Emit(const std::vector<PlotPoint>& points);
  void Count(size_t n) { points_ += n; }

  const Hpgl2Sink& sink_;
  PlotPoint position_;
  bool penDown_ = false;
  int32_t pen_ = 0;
  std::vector<PlotPoint> drawing_;  // the polyline under way while the pen is down
  bool polygonMode_ = false;
  bool polygonDrawn_ = false;
  std::vector<std::vector<PlotPoint>> polygon_;  // subpolygons, the last one open
  size_t points_ = 0;
  std::vector<double> x_, y_;  // kept between polylines for the sink's spans
};

}  // namespace kw::hpglscan
