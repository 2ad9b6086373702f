// Distances, directions and rotations of single points. Angles are in
// degrees, counter-clockwise from +X with Y pointing up.
#pragma once

namespace kw::pathcore {

// The value of pi every angle conversion of the library uses, so results match
// the drawings and documents written by earlier versions.
inline constexpr double kPi = 3.14159265358979;

double PointDistance(double x1, double y1, double x2, double y2);

// Direction of (x, y) seen from (cx, cy), in 0..360; the zero vector
// counts as pointing down (270).
double PointAngle(double x, double y, double cx, double cy);

// Rotates (x, y) about (cx, cy) by angle.
void RotatePointD(double& x, double& y, double cx, double cy, double angle);

// The document's rotation: the same as RotatePointD, rounded back to floats.
void RotatePoint(float& x, float& y, double cx, double cy, double angle);

// Moves (x, y) to the absolute angle about (cx, cy), keeping its distance.
void PlaceOnCircle(float& x, float& y, double cx, double cy, double angle);

}  // namespace kw::pathcore
