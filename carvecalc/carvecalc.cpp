#include "carvecalc/carvecalc.h"

#include <cmath>
#include <limits>
#include <new>
#include <stdexcept>

#include "arc_math.h"
#include "carvecalc/carve_fault.h"
#include "checked_math.h"
#include "dst_converter.h"
#include "dxf_reader.h"
#include "ellipse_geometry.h"
#include "plt_reader.h"
#include "raster_fill.h"
#include "scan_rows.h"
#include "support/byte_reader.h"

namespace kw::carvecalc {

// Runs one method's work and turns every fault into the status, so nothing
// thrown inside ever reaches the caller.
template <typename Result, typename Work>
Result Carvecalc::Guard(const char* method, Result fallback, Work work) {
  status_ = CarveStatus{};
  auto fail = [&](CarveError code, const std::string& why) { status_ = {code, method, why}; };
  try {
    return work();
  } catch (const CarveFault& f) {
    fail(f.Code(), f.what());
  } catch (const kw::ReadPastEnd& e) {
    fail(CarveError::SubscriptOutOfRange, e.what());
  } catch (const std::bad_alloc&) {
    fail(CarveError::OutOfMemory, "out of memory");
  } catch (const std::length_error& e) {
    fail(CarveError::OutOfMemory, e.what());
  } catch (const std::out_of_range& e) {
    fail(CarveError::SubscriptOutOfRange, e.what());
  } catch (const std::exception& e) {
    fail(CarveError::InvalidCall, e.what());
  } catch (...) {
    fail(CarveError::InvalidCall, "unexpected failure");
  }
  return fallback;
}

double Carvecalc::ymaxE(double coner, double, double, double aE, double bE) {
  return Guard("ymaxE", 0.0, [&] { return EllipseHalfHeight(coner, aE, bE); });
}

double Carvecalc::xmaxE(double coner, double, double, double aE, double bE) {
  return Guard("xmaxE", 0.0, [&] { return EllipseHalfWidth(coner, aE, bE); });
}

Sptxy Carvecalc::EPXY(double& xE, double& yE, double aE, double bE, double coner,
                      double conerstr, double conerend) {
  return Guard("EPXY", Sptxy{}, [&] {
    const polyfunction s = EllipsePoint(xE, yE, aE, bE, coner, conerstr);
    const polyfunction e = EllipsePoint(xE, yE, aE, bE, coner, conerend);
    return Sptxy{s.X, s.Y, e.X, e.Y};
  });
}

void Carvecalc::area1(double& X, double& Y, double& R, double& str, double& ed, double& maxx,
                      double& maxy, double& minx, double& miny) {
  Guard("area1", 0, [&] {
    double ax, ay, nx, ny;  // computed apart so a fault leaves the outputs alone
    ArcExtent(X, Y, R, str, ed, ax, ay, nx, ny);
    maxx = ax, maxy = ay, minx = nx, miny = ny;
    return 0;
  });
}

std::string Carvecalc::area(double& X, double& Y, double& R, double& str, double& ed,
                            double& strx, double& stry, double& endx, double& endy, float mmpl) {
  return Guard("area", std::string(), [&] {
    const std::string sweep = ArcSweep(str, ed);
    double s = str, e = ed;
    NormaliseArc(s, e);
    if (sweep == kFullSweep) e = s + 2 * M_PI;
    str = s, ed = e;
    strx = Finite((X + R * std::cos(s)) * mmpl), stry = Finite((Y + R * std::sin(s)) * mmpl);
    endx = Finite((X + R * std::cos(e)) * mmpl), endy = Finite((Y + R * std::sin(e)) * mmpl);
    return sweep;
  });
}

bool Carvecalc::areaY_N(double& X1, double& Y1, double X, double Y, const std::string& stri,
                        double& strx, double& stry, double& endx, double& endy) {
  return Guard("areaY_N", false, [&] {
    return OnArc({X, Y}, {X1, Y1}, {strx, stry}, {endx, endy}, stri);
  });
}

std::string Carvecalc::areaEP(double& cxmin, double& cymin1, double& strx, double& stry,
                              double& endx, double& endy, double& k0, double& ky) {
  return Guard("areaEP", std::string(), [&] {
    const double a0 = DirectionAngle(cxmin, cymin1, strx, stry);
    const double a1 = DirectionAngle(cxmin, cymin1, endx, endy);
    k0 = a0, ky = a1;
    const double span = a1 >= a0 ? a1 - a0 : a1 - a0 + 2 * M_PI;
    return std::string(span <= M_PI ? kShortSweep : kLongSweep);
  });
}

bool Carvecalc::areaEP_Y_N(double X, double Y, double k0, double ky, double cxmin, double cynin,
                           std::string& stri, double) {
  return Guard("areaEP_Y_N", false, [&] {
    return stri == kFullSweep || OnAngleRange({cxmin, cynin}, {X, Y}, k0, ky);
  });
}

double Carvecalc::Corner(float x0, float y0, float X1, float Y1) {
  return Guard("Corner", 0.0, [&] { return DirectionAngle(x0, y0, X1, Y1); });
}

bool Carvecalc::cirl(double X, double Y, double R, double& str, double& ed, float& xs, float& xl,
                     float& ys, float& yl) {
  return Guard("cirl", false, [&] {
    auto inside = [&](double angle) {
      const double x = Finite(X + R * std::cos(angle)), y = Finite(Y + R * std::sin(angle));
      return xs < x && x < xl && ys < y && y < yl;
    };
    return inside(str) || inside(ed);
  });
}

polyfunction Carvecalc::Ellpisexy1(double& A, double& B, double& C, double& D, double& Corner) {
  return Guard("Ellpisexy1", polyfunction{}, [&] { return EllipseRayPoint(A, B, C, D, Corner); });
}

polyfunction Carvecalc::EllipseFS(double Ex, double& EY, double Ea, double Eb, double Ec,
                                  double Estr) {
  return Guard("EllipseFS", polyfunction{}, [&] { return EllipsePoint(Ex, EY, Ea, Eb, Ec, Estr); });
}

twopoint Carvecalc::Ellipsex(double handX, double handY, double Ea, double Eb, double Ecta,
                             double Ex, double EY, double Y) {
  return Guard("Ellipsex", twopoint{}, [&] {
    twopoint xs;
    if (!EllipseRowCrossing(Ex, EY, Ea, Eb, Ecta, Finite(Y + handY), xs)) {
      const double none = std::numeric_limits<double>::quiet_NaN();
      return twopoint{none, none};
    }
    return twopoint{Finite(xs.Ex1 - handX), Finite(xs.Ex2 - handX)};
  });
}

polyfunction Carvecalc::Ellipsefocus(double A, double B, double cta) {
  return Guard("Ellipsefocus", polyfunction{}, [&] {
    const polyfunction f = FocusOffset(A, B, cta);
    return foci_ == 2 ? polyfunction{-f.X, -f.Y} : f;
  });
}

void Carvecalc::Ellipseline(double Ex, double EY, double Ea, double Eb, double Ec, double Estr,
                            double Eend, double stepE, std::vector<polyfunction>& Ellipsepoly,
                            int32_t& EllipsepolyID) {
  Guard("Ellipseline", 0, [&] {
    EllipsepolyID = 0;
    SampleEllipse(Ex, EY, Ea, Eb, Ec, Estr, Eend, stepE, Ellipsepoly, EllipsepolyID);
    return 0;
  });
}

void Carvecalc::drawEllipse(double Ex, double EY, double Ea, double Eb, double Ec, double Estr,
                            double Eend, PixelSurface& pic) {
  Guard("drawEllipse", 0, [&] {
    // Steps of about two pixels along the larger axis, at least 16 per turn.
    const double radius = std::max(std::abs(Finite(Ea)), std::abs(Finite(Eb)));
    const double step = std::min(2 * M_PI / 16, 2.0 / std::max(radius, 1.0));
    const double dir = Eend >= Estr ? step : -step;
    std::vector<polyfunction> points;
    int32_t last = 0;
    SampleEllipse(Ex, EY, Ea, Eb, Ec, Estr, Eend, dir, points, last);
    for (size_t k = 1; k < points.size(); ++k)
      DrawSegment(pic, points[k - 1].X, points[k - 1].Y, points[k].X, points[k].Y);
    return 0;
  });
}

namespace {

// Converts every entity a selection list names, in list order.
template <typename Entity, typename ScanOne>
void ScanList(const std::string& list, std::vector<Entity>& entities, RowGrid& grid,
              bool& caught, ScanOne scan) {
  for (int32_t i : SelectionEntries(list)) {
    scan(grid, At(entities, i));
    caught = grid.Any();
  }
}

}  // namespace

void Carvecalc::Optioncarve(std::vector<carve>& carvedata, int32_t& carvedataID,
                            carvegruep& carveobject, float& space, int16_t& bitcount,
                            int32_t& ymin, std::vector<pointxy>& LinePoint,
                            std::vector<polygonside>& polydata, std::vector<VBCircle>& VBRCircle,
                            std::vector<VBEllipse>& VBREllipse) {
  Guard("Optioncarve", 0, [&] {
    RowGrid grid(carvedata, carvedataID, space, bitcount, ymin);
    bool& caught = carveobject.carvecatched;
    caught = false;
    ScanList(carveobject.carveline, LinePoint, grid, caught,
             [](RowGrid& g, const pointxy& l) { ScanLine(g, l.X1, l.Y1, l.x2, l.y2); });
    ScanList(carveobject.carvepoly, polydata, grid, caught, ScanPolygon);
    ScanList(carveobject.carvecircle, VBRCircle, grid, caught, ScanCircle);
    ScanList(carveobject.carveellipse, VBREllipse, grid, caught, ScanEllipse);
    return 0;
  });
}

bool Carvecalc::findpoint(PixelSurface& Pichdc, int16_t critical, int16_t& backclr,
                          position& position0, position& position3) {
  return Guard("findpoint", false, [&] { return FindFigure(Pichdc, critical, backclr, position0, position3); });
}

bool Carvecalc::fillpic(PixelSurface& Pichdc, int16_t i, int16_t j, int16_t& critical,
                        int16_t& backclr, position& position0) {
  return Guard("fillpic", false, [&] { return FillFigure(Pichdc, i, j, critical, backclr, position0); });
}

void Carvecalc::opendxf(const std::string& filename, std::vector<pointxy>& wjLinePoint,
                        std::vector<polygonside>& wjPolyLine, std::vector<VBCircle>& wjCircle,
                        std::vector<VBEllipse>& wjEllipse, std::vector<train>& wjtrain) {
  Guard("opendxf", 0, [&] {
    ReadDxf(filename, {wjLinePoint, wjPolyLine, wjCircle, wjEllipse, wjtrain});
    return 0;
  });
}

void Carvecalc::Openplt(const std::string& filename, std::vector<polygonside>& wjPolyLine,
                        std::vector<train>& wjtrain) {
  Guard("Openplt", 0, [&] {
    ReadPlt(filename, wjPolyLine, wjtrain);
    return 0;
  });
}

void Carvecalc::openDST(std::string& srename, std::string& dstname) {
  Guard("openDST", 0, [&] {
    ConvertDst(srename, dstname);
    return 0;
  });
}

}  // namespace kw::carvecalc
