// The records that cross Carvecalc's interface. Names, field order and widths
// are fixed because callers exchange these arrays with the library as they are.
// Coordinates are millimetres and angles radians unless a field says otherwise.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kw::carvecalc {

// One drawn entity of a drawing, in the order a reader met it.
struct train {
  std::string whatis;  // "Line", "Polyline", "Circle" or "Ellipse"
  int32_t whatNo = 0;  // index into the array of that kind
};

// An integer point (pixels).
struct POINTAPI {
  int32_t X = 0;
  int32_t Y = 0;
};

struct zPoint {
  double X = 0;  // mm
  double Y = 0;  // mm
  int16_t pointshield = 0;  // layer number the point was drawn with
  int16_t pointlayer = 0;   // colour (pen) number
  bool pointkeep = false;   // present
  bool pointSelected = false;
};

// One polygon vertex; also an ellipse point or a spline control point.
struct polyfunction {
  double X = 0;  // mm
  double Y = 0;  // mm
};

// The two X crossings of an ellipse with one row, Ex1 <= Ex2.
struct twopoint {
  double Ex1 = 0;  // mm
  double Ex2 = 0;  // mm
};

// A pair of points, usually the start and end point of an arc.
struct Sptxy {
  double X1 = 0;
  double Y1 = 0;
  double x2 = 0;
  double y2 = 0;
};

// A selection of entities for Optioncarve. Each list holds entity indices,
// each index followed by a comma and the list led by one comma: ",0,3,".
struct carvegruep {
  bool carvecatched = false;  // set by Optioncarve: True when a crossing was stored
  std::string carveline;      // indices into the line array
  std::string carvepoly;      // indices into the polygon array
  std::string carvecircle;    // indices into the circle array
  std::string carveellipse;   // indices into the ellipse array
  int16_t carvelary = 0;      // the caller's engraving layer for this group; not read by the library
};

// One scan row: the X values where the selected outlines cross it.
struct carve {
  double carveY = 0;            // mm, height of the row
  std::vector<double> carveX;   // mm, in the order produced (not sorted)
  int32_t carveXCount = 0;      // number of X values in the row
};

// A straight line.
struct pointxy {
  double X1 = 0;
  double Y1 = 0;
  double x2 = 0;
  double y2 = 0;
  int16_t Lineshield = 0;  // layer number the line was drawn with
  int16_t Linelayer = 0;   // colour (pen) number
  bool Linekeep = false;   // present
  bool LineSelected = false;
};

// A circle or circular arc from Start to End (counter-clockwise unless Veer).
struct VBCircle {
  double X = 0;      // mm, centre
  double Y = 0;      // mm, centre
  double R = 0;      // mm, radius
  double Start = 0;  // rad
  double End = 0;    // rad; End - Start = 2*pi for a full circle
  int16_t Circleshield = 0;
  int16_t Circlelayer = 0;
  bool Circlekeep = false;
  bool CircleSelected = false;
  bool Veer = false;  // True: the arc runs clockwise from Start to End
};

// An ellipse or elliptic arc with parameters StartE to EndE, rotated by conerE.
struct VBEllipse {
  double xE = 0;      // mm, centre
  double yE = 0;      // mm, centre
  double aE = 0;      // mm, semi-axis along the rotated X direction
  double bE = 0;      // mm, the other semi-axis
  double RatioE = 0;  // bE / aE
  double StartE = 0;  // rad, parameter of the start point
  double EndE = 0;    // rad, parameter of the end point
  double conerE = 0;  // rad, rotation of the aE axis from the X axis
  int16_t Ellipseshield = 0;
  int16_t Ellipselayer = 0;
  bool Ellipsekeep = false;
  bool EllipseSelected = false;
  bool Veer = false;  // True: the arc runs clockwise (decreasing parameter)
};

// A polyline or polygon: vertices 0 .. polycount - 1 of polyside.
struct polygonside {
  int16_t polyshield = 0;  // layer number the polyline was drawn with
  int16_t polylayer = 0;   // colour (pen) number
  bool polykeep = false;   // present
  int32_t polycount = 0;   // number of vertices
  std::vector<polyfunction> polyside;
  bool closed = false;     // the last vertex equals the first
  bool polySelected = false;
};

// A start pixel and the extreme pixels of a figure found on a pixel surface.
struct position {
  double x0 = 0, y0 = 0;        // px, start pixel
  double xminx = 0, xminy = 0;  // px, leftmost pixel
  double yminx = 0, yminy = 0;  // px, topmost pixel (smallest y)
  double xmaxx = 0, xmaxy = 0;  // px, rightmost pixel
  double ymaxx = 0, ymaxy = 0;  // px, bottom pixel (largest y)
  float clr = 0;                // grey level 0..255 of the start pixel
};

struct zSpline {
  uint8_t PSW = 0;
  uint8_t Layer = 0;
  uint8_t Color = 0;
  std::vector<float> Node;  // knot vector
  uint8_t Factorial = 0;    // degree
  std::vector<polyfunction> CtrlPoint;
  std::string Suit;
};

struct zNURBS {
  std::vector<double> Ti;
  std::vector<double> Ti1;
  std::vector<double> Ti2;
  std::vector<double> Ti3;
};

struct zABCDEFGH {
  double A = 0, B = 0, C = 0, D = 0, E = 0, F = 0, G = 0, H = 0;
};

struct ColorParameter {
  int16_t R_G = 0;
  int16_t R_B = 0;
  int16_t Bright = 0;
};

}  // namespace kw::carvecalc
