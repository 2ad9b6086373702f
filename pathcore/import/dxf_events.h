// The events of the DXF reader. Arrays hold points 1..n (element 0 unused);
// coordinates are drawing units.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kw::pathcore {

// Segment kinds of OutPolyObj.
enum DxfSegmentKind : int16_t { kDxfStraight = 1, kDxfArcCcw = 2, kDxfArcCw = 3 };

class CdxfEvents {
 public:
  virtual ~CdxfEvents() = default;
  virtual void OutLine(double X1, double Y1, double X2, double Y2, const std::string& Layer) {
    (void)X1, (void)Y1, (void)X2, (void)Y2, (void)Layer;
  }
  virtual void OutPolyLine(std::vector<double>& X, std::vector<double>& Y, const std::string& Layer) {
    (void)X, (void)Y, (void)Layer;
  }
  // Kind(i) says how point i is reached; arcs turn about (CX(i), CY(i)).
  virtual void OutPolyObj(std::vector<double>& X, std::vector<double>& Y, std::vector<double>& CX,
                          std::vector<double>& CY, std::vector<int16_t>& Kind) {
    (void)X, (void)Y, (void)CX, (void)CY, (void)Kind;
  }
  // Angles in degrees.
  virtual void OutArc(double X, double Y, double R, double StartAngle, double EndAngle, const std::string& Layer) {
    (void)X, (void)Y, (void)R, (void)StartAngle, (void)EndAngle, (void)Layer;
  }
  virtual void OutCircle(double X, double Y, double R, const std::string& Layer) {
    (void)X, (void)Y, (void)R, (void)Layer;
  }
  // Declared for hosts that bind them; the reader raises neither.
  virtual void Jd(int32_t All, int32_t Dq, const std::string& MS) { (void)All, (void)Dq, (void)MS; }
  virtual void Finish() {}
  // The text the reader would show in a message box (a refused version).
  virtual void Message(const std::string& Text) { (void)Text; }
};

}  // namespace kw::pathcore
