// Carvecalc: the engraving computation library.
//
// Carvecalc turns simple vector drawings into raster-engraving data. It reads
// DXF, PLT and DST files into flat entity arrays (carvecalc_records.h), and
// converts selected lines, polygons, circles and ellipses into horizontal scan
// rows of X crossings (Optioncarve). It also carries ellipse and arc helpers
// and a figure search and fill over a pixel surface (pixel_surface.h).
//
// Units: coordinates are millimetres (double) and angles radians unless a
// parameter says otherwise. Pixel methods work in pixels of the surface.
//
// Errors: no method throws. A method that meets a fault -- division by zero,
// overflow, an index outside an array, an argument outside its domain, a file
// that cannot be opened or written -- stops there, returns a default result
// (0, False, an empty string or record) and records the fault in LastError().
// Outputs keep whatever the method had stored before the fault. Every call
// first resets LastError() to "no error", so check it after the call:
//
//   kw::carvecalc::Carvecalc calc;
//   calc.Optioncarve(rows, lastRow, group, space, bitcount, ymin, lines, polys, circles, ellipses);
//   if (!calc.LastError().Ok()) report(calc.LastError().description);
//
// Arguments that the interface passes by reference (in/out) are references
// here; the methods only change those the description says they change.
// One instance may be used by one thread at a time.
//
// Around the class: carve_setup.h reads a drawing by file name, selects all
// of it, sizes the rows to it and prints rows; carve_picture.h draws rows as
// burn segments over the outlines onto a pixel surface (MemorySurface), so a
// front end only has to save the pixels.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "carvecalc/carve_status.h"
#include "carvecalc/carvecalc_records.h"
#include "carvecalc/pixel_surface.h"

namespace kw::carvecalc {

// Conventions shared by several members:
//  - An ellipse has centre, semi-axes, rotation (of the first semi-axis from
//    the X axis) and a parameter range; ymaxE and xmaxE ignore conerstr and
//    conerend.
//  - An arc of the circle (X, Y, R) runs counter-clockwise from angle str to
//    angle ed; a span |ed - str| within 0.0001 of 2 pi, or larger, is the full
//    circle.
//  - On a pixel surface, a pixel belongs to a figure when its grey level (mean
//    of red, green and blue, 0..255) differs from the background grey backclr
//    by more than critical. A figure is a 4-connected set of such pixels.
class Carvecalc {
 public:
  // Members in the order of the component's interface.

  // Half-extent along Y: |aE sin(coner) cos u + bE cos(coner) sin u| at the
  // extreme parameter u (pi/2 for coner 0, 0 for coner exactly
  // 1.570796326794895, else atan(bE / aE / tan(coner))). aE = 0 is a
  // division by zero.
  double ymaxE(double coner, double conerstr, double conerend, double aE, double bE);

  // Half-extent along X: |aE cos(coner) cos u - bE sin(coner) sin u| at the
  // extreme parameter u (0 for coner 0, 1.570796326794895 for coner exactly
  // that value, else -atan(tan(coner) bE / aE)).
  double xmaxE(double coner, double conerstr, double conerend, double aE, double bE);

  // The points of the ellipse centred at (xE, yE) at the parameters conerstr
  // (X1, Y1) and conerend (x2, y2). The point at parameter t is
  //   x = xE + aE cos(coner) cos t - bE sin(coner) sin t
  //   y = yE + aE sin(coner) cos t + bE cos(coner) sin t.
  Sptxy EPXY(double& xE, double& yE, double aE, double bE, double coner, double conerstr,
             double conerend);

  // Bounding box of the arc: sets maxx, maxy, minx, miny. X, Y, R, str, ed are
  // only read.
  void area1(double& X, double& Y, double& R, double& str, double& ed, double& maxx,
             double& maxy, double& minx, double& miny);

  // The point where the ray from the centre (A, B) at direction angle Corner
  // meets the axis-parallel ellipse with semi-axes C (along X) and D. Unlike a
  // parameter, Corner is the true angle of the point seen from the centre.
  polyfunction Ellpisexy1(double& A, double& B, double& C, double& D, double& Corner);

  // The point of the ellipse centred at (Ex, EY) with semi-axes Ea, Eb and
  // rotation Ec at the parameter Estr (the formula of EPXY).
  polyfunction EllipseFS(double Ex, double& EY, double Ea, double Eb, double Ec, double Estr);

  // The direction angle, in [0, 2 pi), of (X1, Y1) seen from (x0, y0); 0 when
  // the two points coincide.
  double Corner(float x0, float y0, float X1, float Y1);

  // True when the start point (angle str) or the end point (angle ed) of an
  // arc of the circle (X, Y, R) lies strictly inside xs < x < xl, ys < y < yl.
  bool cirl(double X, double Y, double R, double& str, double& ed, float& xs, float& xl,
            float& ys, float& yl);

  // The X values (Ex1 <= Ex2) where the row at height Y meets the ellipse
  // centred at (Ex, EY) with semi-axes Ea, Eb and rotation Ecta. (handX,
  // handY) is the origin of the caller's frame: Y is taken relative to handY
  // and the results are returned relative to handX; pass 0, 0 for absolute
  // values. A row that misses the ellipse gives NaN in both fields.
  twopoint Ellipsex(double handX, double handY, double Ea, double Eb, double Ecta, double Ex,
                    double EY, double Y);

  // The offset from the centre of one focus of the ellipse with semi-axes A,
  // B and rotation cta; Foci chooses which (see Foci()).
  polyfunction Ellipsefocus(double A, double B, double cta);

  // Normalises the arc (str into [0, 2 pi), ed into (str, str + 2 pi]), sets
  // its end points (strx, stry) at str and (endx, endy) at ed, both multiplied
  // by the scale mmpl (1 keeps millimetres), and returns its sweep class:
  // "F" full circle, "S" at most half a turn, "L" more than half a turn.
  // The class and end points are what areaY_N needs.
  std::string area(double& X, double& Y, double& R, double& str, double& ed, double& strx,
                   double& stry, double& endx, double& endy, float mmpl);

  // True when the point (X1, Y1) of the circle centred at (X, Y) lies on the
  // drawn part of the arc from (strx, stry) counter-clockwise to (endx, endy),
  // ends included; stri is the sweep class from area ("F" is always True,
  // any text other than "F" and "S" counts as "L").
  bool areaY_N(double& X1, double& Y1, double X, double Y, const std::string& stri,
               double& strx, double& stry, double& endx, double& endy);

  // For an elliptic (or circular) arc centred at (cxmin, cymin1) from point
  // (strx, stry) counter-clockwise to (endx, endy): sets k0 and ky to the
  // direction angles of the start and end point seen from the centre, in
  // [0, 2 pi), and returns the sweep class "S" or "L" of that angle range.
  std::string areaEP(double& cxmin, double& cymin1, double& strx, double& stry, double& endx,
                     double& endy, double& k0, double& ky);

  // True when the direction of (X, Y) seen from the centre (cxmin, cynin) lies
  // in the counter-clockwise angle range k0 .. ky (ends included), as areaEP
  // computed it; stri "F" (a full figure) is always True. endx is not used.
  // Because the direction angle grows monotonically along an ellipse, this
  // decides whether a point of the ellipse lies on the drawn arc.
  bool areaEP_Y_N(double X, double Y, double k0, double ky, double cxmin, double cynin,
                  std::string& stri, double endx);

  // Converts the Tajima DST file srename into the text file dstname (layout in
  // dst_converter.h): the stitch count and header extents in millimetres, then
  // per stitch record the running position in millimetres, "Jmp" or "Clr".
  void openDST(std::string& srename, std::string& dstname);

  // Resets Ellipsepoly to the outline from parameter Estr to Eend: the start
  // point at index 0, then one point per step stepE of a For loop from Estr to
  // Eend (the parameter accumulates stepE), then the end point; EllipsepolyID
  // ends as the last index. Estr = Eend gives three points. stepE 0 or NaN is an
  // InvalidCall, a step that would give more than ten million points OutOfMemory.
  void Ellipseline(double Ex, double EY, double Ea, double Eb, double Ec, double Estr,
                   double Eend, double stepE, std::vector<polyfunction>& Ellipsepoly,
                   int32_t& EllipsepolyID);

  // Draws the outline of the ellipse arc from Estr to Eend onto pic in its fore
  // colour, with straight segments of at most about two pixels. Coordinates
  // are pixels of the surface.
  void drawEllipse(double Ex, double EY, double Ea, double Eb, double Ec, double Estr,
                   double Eend, PixelSurface& pic);

  // Converts the entities selected by carveobject into scan rows.
  //
  // carvedata is reset to carvedataID + 1 empty rows; row r lies at height
  // carveY = (ymin + r * space * 10^bitcount) / 10^bitcount mm, so ymin is the
  // lowest row's height already multiplied by 10^bitcount. Rows are the whole
  // multiples n * space of the spacing; the row of height n * space goes to
  // index N((10^bitcount * n * space - ymin) / (space * 10^bitcount)) (nearest,
  // halves to even). A crossing outside 0 .. carvedataID is a bound fault and
  // ends the call (SubscriptOutOfRange), keeping the rows stored so far: size
  // the rows to the drawing, for example with CarveRowRange (carve_setup.h).
  //
  // The lists carveline, carvepoly, carvecircle and carveellipse are walked in
  // that order; each holds indices into LinePoint, polydata, VBRCircle and
  // VBREllipse (",0,3,7,"). An index listed twice is converted once; an empty
  // entry names nothing; an index outside its array is a bound fault. The
  // caller's lists are left as they were. The entities' keep and Selected
  // flags are not consulted: the lists are the selection.
  //
  // The row rule, one for every figure: a y-monotone piece of an outline from
  // height ylo to yhi crosses the row at height y when ylo <= y < yhi. So
  //  - a horizontal line adds nothing;
  //  - a row through a line's lower end point crosses, through its upper end
  //    point not: a polygon vertex where the outline passes on gives one
  //    crossing, a vertex where it turns gives zero or two;
  //  - a full circle or ellipse crosses every row from its lowest point
  //    (included) to its highest (excluded) twice, at x = centre +- the
  //    half-chord of that row;
  //  - an arc keeps only the crossings on its drawn part (areaY_N, areaEP_Y_N);
  //    a row through an arc's end point counts when the arc continues upwards
  //    from there. Circles run counter-clockwise from Start to End (clockwise
  //    when Veer), ellipses the same in parameter; an angle span within
  //    0.0001 of 2 pi, or larger, is a full figure.
  // A polygon is the sides between its consecutive vertices 0 .. polycount - 1
  // (a polycount beyond polyside is a bound fault). Circles with R <= 0 and
  // ellipses with a zero semi-axis enclose nothing and add nothing.
  // Heights within rounding noise (1e-9 of a row) of a whole row count as on it.
  // X values are stored per row in the order produced: sort them before
  // pairing them into burn segments (even-odd). carveXCount is the number of
  // values of the row. carvecatched is set True when at least one crossing was
  // stored. space must be positive (else InvalidCall); carvedataID must not be
  // negative (SubscriptOutOfRange) nor beyond ten million (OutOfMemory).
  void Optioncarve(std::vector<carve>& carvedata, int32_t& carvedataID, carvegruep& carveobject,
                   float& space, int16_t& bitcount, int32_t& ymin, std::vector<pointxy>& LinePoint,
                   std::vector<polygonside>& polydata, std::vector<VBCircle>& VBRCircle,
                   std::vector<VBEllipse>& VBREllipse);

  // Searches the surface row by row, starting at pixel (position0.x0,
  // position0.y0), for the next figure; fills it with the background grey and
  // stores its start pixel, extreme pixels and grey in position3. False when
  // no figure pixel is left. Calling it again finds the next figure.
  bool findpoint(PixelSurface& Pichdc, int16_t critical, int16_t& backclr, position& position0,
                 position& position3);

  // Fills the figure containing pixel (i, j) with the background grey and
  // stores its start pixel, extreme pixels and grey in position0. False, with
  // position0 unchanged, when (i, j) is off the surface or not a figure pixel.
  bool fillpic(PixelSurface& Pichdc, int16_t i, int16_t j, int16_t& critical, int16_t& backclr,
               position& position0);

  // Which focus Ellipsefocus reports: 2 the one on the negative side of the
  // major axis, any other value (1 by default) the one on the positive side.
  int32_t Foci() const { return foci_; }
  void Foci(int32_t value) { foci_ = value; }

  // Reads a DXF file and appends its entities: LINE to wjLinePoint,
  // LWPOLYLINE, 2D/3D POLYLINE and SPLINE to wjPolyLine, CIRCLE and ARC to
  // wjCircle, ELLIPSE to wjEllipse, and every one of them to wjtrain in file
  // order. Splines become polylines: the curve is evaluated as a B-spline with
  // every weight 1.0, 16 points per knot span (the control polygon when the
  // knots do not fit). A closed polyline repeats its first vertex at the end.
  // Shield fields take the index of the entity's layer in the layer table
  // (layers missing from the table are appended), layer fields its colour
  // (the layer's colour when it is BYLAYER). Arc angles in degrees become
  // radians; a full circle gets Start 0 and End 2 pi. Entities seen from below
  // (extrusion Z < 0) are mirrored into the drawing plane. Polyline bulges are
  // not read: such segments stay straight. A file that cannot be opened
  // reports FileNotFound; anything unreadable inside a file is skipped.
  void opendxf(const std::string& filename, std::vector<pointxy>& wjLinePoint,
               std::vector<polygonside>& wjPolyLine, std::vector<VBCircle>& wjCircle,
               std::vector<VBEllipse>& wjEllipse, std::vector<train>& wjtrain);

  // Reads a PLT file written one command per line and appends its polylines to
  // wjPolyLine and wjtrain. "SPn" chooses pen n (its first digit); "PUx y"
  // starts a polyline on layer pen - 1 (0 without a pen or for pen 0); "PDx y" adds a
  // vertex; "LT" ends the polyline (polycount, closed when its first and last
  // vertex are equal), as do the next PU and the end of the file. X and Y are
  // split at the first space (or comma); a trailing ";" is dropped. Plotter
  // units become millimetres by dividing by 39.9999. Other lines are skipped.
  void Openplt(const std::string& filename, std::vector<polygonside>& wjPolyLine,
               std::vector<train>& wjtrain);

  // The outcome of the last method call (see "Errors" above).
  const CarveStatus& LastError() const { return status_; }

 private:
  template <typename Result, typename Work>
  Result Guard(const char* method, Result fallback, Work work);

  CarveStatus status_;
  int32_t foci_ = 1;
};

}  // namespace kw::carvecalc
