// The polyline under construction of the DXF reader: straight vertices and
// bulged segments, either flattened into points or kept as arcs with centres.
#pragma once

#include <cstdint>
#include <vector>

namespace kw::pathcore {

// Most points one flattened arc, circle or ellipse may produce, so that absurd
// sizes in a corrupt file cannot exhaust memory or time. Only an ellipse comes
// near it: steps of 0.2 mm over 20 m of outline, a curve no table holds.
inline constexpr int32_t kMaxFlattenSegments = 100'000;

// The step length for flattening an arc of radius R: R / 100, at least 0.2.
float ArcStep(double R);

class DxfPolylineBuilder {
 public:
  // A builder holds at most mostPoints points; one more throws
  // DxfFileError::kTooLarge, so a huge curve is refused before it is built.
  explicit DxfPolylineBuilder(bool flattenBulges, int64_t mostPoints = INT64_MAX)
      : flatten_(flattenBulges), most_(mostPoints) {}

  int32_t Count() const { return static_cast<int32_t>(X.size()) - 1; }
  // Appends (x, y) reached from the last point by a segment with this bulge.
  void AddBulgeVertex(double x, double y, double bulge);
  void AddPoint(double x, double y, int16_t kind = 1, double cx = 0, double cy = 0);

  // Points 1..Count; element 0 unused (Kind(0) = 0).
  std::vector<double> X{0.0}, Y{0.0}, CX{0.0}, CY{0.0};
  std::vector<int16_t> Kind{0};

 private:
  void FlattenArc(double x, double y, double cx, double cy, double R, double bulge);

  bool flatten_;
  int64_t most_;
};

// The centre of the arc with this bulge from (px, py) to (x, y); false when
// the radius is not a finite number.
bool BulgeCentre(double px, double py, double x, double y, double bulge, double& cx, double& cy, double& R);

}  // namespace kw::pathcore
