#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "import_test_support.h"
#include "document/library_state.h"
#include "import/dxf.h"
#include "geometry/point_geometry.h"

namespace {

using kw::test::DxfText;
using kw::test::TempDrawing;

struct Poly {
  std::vector<double> x, y;  // points 1..n moved to 0..n-1
  std::vector<double> cx, cy;
  std::vector<int16_t> kind;
  std::string layer;
  size_t Size() const { return x.size(); }
};

class Recorder : public kw::pathcore::CdxfEvents {
 public:
  void OutLine(double X1, double Y1, double X2, double Y2, const std::string& Layer) override {
    polys.push_back({{X1, X2}, {Y1, Y2}, {}, {}, {}, Layer});
    ++lines;
  }
  void OutPolyLine(std::vector<double>& X, std::vector<double>& Y, const std::string& Layer) override {
    polys.push_back({{X.begin() + 1, X.end()}, {Y.begin() + 1, Y.end()}, {}, {}, {}, Layer});
  }
  void OutPolyObj(std::vector<double>& X, std::vector<double>& Y, std::vector<double>& CX, std::vector<double>& CY,
                  std::vector<int16_t>& Kind) override {
    EXPECT_EQ(Kind[0], 0);
    polys.push_back({{X.begin() + 1, X.end()},
                     {Y.begin() + 1, Y.end()},
                     {CX.begin() + 1, CX.end()},
                     {CY.begin() + 1, CY.end()},
                     {Kind.begin() + 1, Kind.end()},
                     ""});
  }
  void OutArc(double, double, double R, double, double, const std::string&) override { arcs.push_back(R); }
  void OutCircle(double, double, double R, const std::string&) override { circles.push_back(R); }
  void Message(const std::string& Text) override { messages.push_back(Text); }

  std::vector<Poly> polys;
  int lines = 0;
  std::vector<double> arcs, circles;
  std::vector<std::string> messages;
};

struct Read {
  int16_t result = 0;
  Recorder rec;
};

Read ReadDxf(const std::string& text, int16_t polyMode = 0, bool arcCircle = false, int16_t ellipseMode = 0,
             int64_t mostPoints = kw::pathcore::kMostDxfPoints) {
  const TempDrawing file(text, ".dxf");
  Read r;
  kw::pathcore::Cdxf dxf;
  dxf.SetEvents(&r.rec);
  dxf.MostPoints = mostPoints;
  dxf.OutPolyMode = polyMode;
  dxf.OutArcCircleMode = arcCircle;
  dxf.OutEllipseMode = ellipseMode;
  dxf.Language = kw::pathcore::LibraryLanguage();  // as the document's import hands it on
  r.result = dxf.DxfInput(file.Path());
  return r;
}

Read ReadR12(const std::vector<std::string>& lines) { return ReadDxf(DxfText("AC1009", lines)); }

std::vector<std::string> Circle(double r) {
  return {"  0", "CIRCLE", "  8", "0", " 10", "1", " 20", "2", " 40", std::to_string(r)};
}

TEST(DxfReader, CirclePointCountsFollowTheStepLength) {
  for (const auto& [r, n] : std::vector<std::pair<double, size_t>>{{10, 314}, {50, 628}, {0.1, 3}}) {
    const auto read = ReadR12(Circle(r));
    ASSERT_EQ(read.rec.polys.size(), 1u) << r;
    const Poly& p = read.rec.polys[0];
    EXPECT_EQ(p.Size(), n + 2) << r;
    EXPECT_NEAR(p.x.front(), 1 + r, 1e-5);
    EXPECT_NEAR(p.y.front(), 2, 1e-5);
    EXPECT_EQ(p.x.back(), static_cast<float>(1 + r));
    for (size_t i = 0; i < p.Size(); ++i) EXPECT_NEAR(kw::pathcore::PointDistance(p.x[i], p.y[i], 1, 2), r, 1e-4);
  }
  EXPECT_TRUE(ReadR12(Circle(0)).rec.polys.empty());
  // Too small for one step: still a closed path, not a division by zero.
  EXPECT_EQ(ReadR12(Circle(0.001)).rec.polys.at(0).Size(), 3u);
}

TEST(DxfReader, ArcAcrossZeroDegreesSweepsCounterClockwise) {
  const auto read = ReadR12({"  0", "ARC", "  8", "0", " 10", "0", " 20", "0", " 40", "10", " 50", "350", " 51", "10"});
  ASSERT_EQ(read.rec.polys.size(), 1u);
  const Poly& p = read.rec.polys[0];
  EXPECT_NEAR(kw::pathcore::PointAngle(p.x.front(), p.y.front(), 0, 0), 350, 1e-3);
  EXPECT_NEAR(kw::pathcore::PointAngle(p.x.back(), p.y.back(), 0, 0), 10, 1e-3);
  for (size_t i = 0; i < p.Size(); ++i) EXPECT_GT(p.x[i], 9.8);  // never on the far side
}

TEST(DxfReader, EllipticalArcFromLateToEarlyParameterPassesTheMajorAxis) {
  const auto read = ReadDxf(DxfText("AC1015", {"  0", "ELLIPSE", "  8", "0", "100", "AcDbEllipse", " 10", "0", " 20",
                                               "0", " 11", "20", " 21", "0", " 40", "0.5", " 41", "5.5", " 42", "0.5"}));
  ASSERT_EQ(read.rec.polys.size(), 1u);
  const Poly& p = read.rec.polys[0];
  double nearest = 1e9;
  for (size_t i = 0; i < p.Size(); ++i) {
    nearest = std::min(nearest, kw::pathcore::PointDistance(p.x[i], p.y[i], 20, 0));
    const double e = (p.x[i] / 20) * (p.x[i] / 20) + (p.y[i] / 10) * (p.y[i] / 10);
    EXPECT_NEAR(e, 1, 1e-6);  // every point lies on the ellipse
  }
  EXPECT_LT(nearest, 0.5);
  EXPECT_NEAR(p.x.back(), 20 * std::cos(0.5), 1e-6);
  EXPECT_NEAR(p.y.back(), 10 * std::sin(0.5), 1e-6);
}

std::vector<std::string> LwPolyline(bool closed, const std::vector<std::string>& vertexLines) {
  std::vector<std::string> l = {"  0", "LWPOLYLINE", "  8", "0", "100", "AcDbPolyline", " 90", "0", " 70",
                                closed ? "1" : "0"};
  int n = 0;
  for (const auto& v : vertexLines) n += v == " 10";
  l[7] = std::to_string(n);
  l.insert(l.end(), vertexLines.begin(), vertexLines.end());
  return l;
}

TEST(DxfReader, BulgeOfOneIsAHalfCircleBelowTheChord) {
  const auto read = ReadDxf(DxfText("AC1015", LwPolyline(false, {" 10", "0", " 20", "0", " 42", "1", " 10", "10", " 20", "0"})));
  ASSERT_EQ(read.rec.polys.size(), 1u);
  const Poly& p = read.rec.polys[0];
  EXPECT_EQ(p.x.front(), 0);
  EXPECT_NEAR(p.x.back(), 10, 1e-4);
  double lowest = 0;
  for (size_t i = 0; i < p.Size(); ++i) {
    EXPECT_LE(p.y[i], 1e-4);
    if (i > 0) {
      EXPECT_NEAR(kw::pathcore::PointDistance(p.x[i], p.y[i], 5, 0), 5, 1e-4);
    }
    lowest = std::min(lowest, p.y[i]);
  }
  EXPECT_NEAR(lowest, -5, 1e-3);
}

TEST(DxfReader, ClosedLightweightPolylineEndsWithItsFirstPoint) {
  const auto read = ReadDxf(DxfText("AC1015", LwPolyline(true, {" 10", "0", " 20", "0", " 10", "4", " 20", "0", " 10",
                                                                  "4", " 20", "3"})));
  ASSERT_EQ(read.rec.polys.size(), 1u);
  EXPECT_EQ(read.rec.polys[0].x, (std::vector<double>{0, 4, 4, 0}));
  EXPECT_EQ(read.rec.polys[0].y, (std::vector<double>{0, 0, 3, 0}));
}

TEST(DxfReader, WidthsBetweenVerticesDropTheLightweightPolylineOnly) {
  auto lines = LwPolyline(false, {" 10", "0", " 20", "0", " 40", "1", " 41", "1", " 10", "5", " 20", "0"});
  const std::vector<std::string> next = {"  0", "LINE", "  8", "0", " 10", "1", " 20", "1", " 11", "2", " 21", "2"};
  lines.insert(lines.end(), next.begin(), next.end());
  const auto read = ReadDxf(DxfText("AC1009", lines));
  EXPECT_EQ(read.rec.lines, 1);
  EXPECT_EQ(read.rec.polys.size(), 1u);
}

TEST(DxfReader, LightweightPolylineWithFewerVerticesThanAnnouncedSparesTheNextEntity) {
  auto lines = LwPolyline(false, {" 10", "0", " 20", "0", " 10", "5", " 20", "0", " 42", "0.5"});
  lines[7] = "3";
  const std::vector<std::string> next = {"  0", "LINE", "  8", "0", " 10", "1", " 20", "1", " 11", "2", " 21", "2"};
  lines.insert(lines.end(), next.begin(), next.end());
  const auto read = ReadDxf(DxfText("AC1009", lines));
  EXPECT_EQ(read.rec.lines, 1);
  EXPECT_EQ(read.rec.polys.size(), 1u);
}

TEST(DxfReader, UnsupportedVersionIsRefusedWithTheLanguagesMessage) {
  const std::vector<std::string> line = {"  0", "LINE", "  8", "0", " 10", "0", " 20", "0", " 11", "1", " 21", "1"};
  for (int16_t language : {0, 1, 2}) {
    kw::pathcore::SetLibraryLanguage(language);
    const auto read = ReadDxf(DxfText("AC1021", line));
    EXPECT_EQ(read.result, -1);
    EXPECT_TRUE(read.rec.polys.empty());
    EXPECT_EQ(read.rec.messages.size(), language == 2 ? 0u : 1u);
    if (language == 1) {
      EXPECT_EQ(read.rec.messages.at(0).substr(0, 18), "This document must");
    }
  }
  kw::pathcore::SetLibraryLanguage(0);
  // Without a version the file is read to its end without result.
  const auto none = ReadDxf("  0\nSECTION\n  2\nENTITIES\n  0\nLINE\n  8\n0\n 10\n0\n 20\n0\n 11\n1\n 21\n1\n");
  EXPECT_EQ(none.result, 0);
  EXPECT_TRUE(none.rec.polys.empty());
}

TEST(DxfReader, LineLayerAndSubclassGate) {
  const auto r12 = ReadR12({"  0", "LINE", "  8", "CUT", " 10", "1", " 20", "2", " 11", "3", " 21", "4"});
  ASSERT_EQ(r12.rec.lines, 1);
  EXPECT_EQ(r12.rec.polys[0].layer, "CUT");
  EXPECT_EQ(r12.rec.polys[0].x, (std::vector<double>{1, 3}));
  // In files with markers the codes before "AcDbLine" are not the line's.
  const auto r2000 = ReadDxf(DxfText("AC1015", {"  0", "LINE", "  8", "CUT", " 10", "9", " 20", "9", "100", "AcDbLine",
                                                " 10", "1", " 20", "2", " 11", "3", " 21", "4"}));
  ASSERT_EQ(r2000.rec.lines, 1);
  EXPECT_EQ(r2000.rec.polys[0].y, (std::vector<double>{2, 4}));
  // Some writers put the marker before the layer.
  const auto early = ReadDxf(DxfText("AC1015", {"  0", "LINE", "100", "AcDbLine", "  8", "L", " 10", "1", " 20", "2",
                                                " 11", "3", " 21", "4"}));
  EXPECT_EQ(early.rec.lines, 1);
  // An XLINE gives its base point and its direction pair as the two ends.
  const auto xline = ReadR12({"  0", "XLINE", "  8", "0", "100", "AcDbXline", " 10", "1", " 20", "2", " 11", "0.6",
                              " 21", "0.8"});
  ASSERT_EQ(xline.rec.lines, 1);
  EXPECT_EQ(xline.rec.polys[0].x, (std::vector<double>{1, 0.6}));
}

TEST(DxfReader, IgnoredEntitiesAndIncompleteOnesDoNotSwallowTheNext) {
  const auto read = ReadR12({"  0", "INSERT", "  8", "0", "  2", "BLOCK", " 10", "0", " 20", "0",  //
                             "  0", "LINE", "  8", "0", " 10", "0", " 20", "0",                    // no end point
                             "  0", "LINE", "  8", "0", " 10", "5", " 20", "5", " 11", "6", " 21", "6"});
  ASSERT_EQ(read.rec.lines, 1);
  EXPECT_EQ(read.rec.polys[0].x, (std::vector<double>{5, 6}));
}

std::vector<std::string> R12Vertex(const std::string& x, const std::string& y, const std::string& bulge = "") {
  std::vector<std::string> v = {"  0", "VERTEX", "  8", "0", " 10", x, " 20", y, " 30", "0"};
  if (!bulge.empty()) v.insert(v.end(), {" 42", bulge});
  return v;
}

TEST(DxfReader, VertexPolylineWithBulgeAndClosure) {
  std::vector<std::string> l = {"  0", "POLYLINE", "  8", "P", " 66", "1", " 70", "1"};
  for (const auto& v : {R12Vertex("0", "0", "1"), R12Vertex("10", "0"), R12Vertex("10", "5")}) l.insert(l.end(), v.begin(), v.end());
  l.insert(l.end(), {"  0", "SEQEND"});
  const auto read = ReadR12(l);
  ASSERT_EQ(read.rec.polys.size(), 1u);
  const Poly& p = read.rec.polys[0];
  EXPECT_EQ(p.layer, "P");
  EXPECT_GT(p.Size(), 10u);  // the bulged first segment is flattened
  EXPECT_EQ(p.x.back(), 0);  // closed back to the first vertex
  EXPECT_EQ(p.y.back(), 0);
  // A vertex without its 30 drops the whole polyline.
  auto broken = l;
  broken.erase(broken.begin() + 16, broken.begin() + 18);
  EXPECT_TRUE(ReadR12(broken).rec.polys.empty());
}

TEST(DxfReader, MarkerPolylineReadsTheVerticesAfterTheHeadersDummyPoint) {
  const std::vector<std::string> l = {
      "  0", "POLYLINE", "100", "AcDbEntity", "  8", "M", "100", "AcDb2dPolyline", " 66", "1", " 10", "0", " 20", "0",
      " 30", "0", " 70", "1",
      "  0", "VERTEX", "100", "AcDbEntity", "  8", "M", "100", "AcDbVertex", "100", "AcDb2dVertex", " 10", "1", " 20",
      "1", " 30", "0", " 42", "0",
      "  0", "VERTEX", "100", "AcDbEntity", "  8", "M", "100", "AcDbVertex", "100", "AcDb2dVertex", " 10", "9", " 20",
      "1", " 30", "0",
      "  0", "VERTEX", "100", "AcDbEntity", "  8", "M", "100", "AcDbVertex", "100", "AcDb2dVertex", " 10", "9", " 20",
      "7", " 30", "0",
      "  0", "SEQEND", "  8", "M",
      "  0", "LINE", "100", "AcDbEntity", "  8", "0", "100", "AcDbLine", " 10", "0", " 20", "0", " 11", "1", " 21", "1"};
  const auto read = ReadDxf(DxfText("AC1015", l));
  ASSERT_EQ(read.rec.polys.size(), 2u);
  EXPECT_EQ(read.rec.polys[0].x, (std::vector<double>{1, 9, 9, 1}));
  EXPECT_EQ(read.rec.polys[0].y, (std::vector<double>{1, 1, 7, 1}));
  EXPECT_EQ(read.rec.polys[0].layer, "M");
  EXPECT_EQ(read.rec.lines, 1);
}

std::vector<std::string> Spline(int closedFlag, const std::vector<std::pair<int, int>>& points) {
  std::vector<std::string> l = {"  0", "SPLINE", "  8", "0", "100", "AcDbSpline", " 70", std::to_string(closedFlag),
                                " 71", "3", " 73", std::to_string(points.size()), " 40", "0"};
  for (const auto& [x, y] : points) l.insert(l.end(), {" 10", std::to_string(x), " 20", std::to_string(y), " 30", "0"});
  return l;
}

TEST(DxfReader, SplinesOfFourOrMoreTwoOrThreeAndFewerControlPoints) {
  auto read = ReadDxf(DxfText("AC1015", Spline(0, {{0, 0}, {10, 10}, {20, 10}, {30, 0}})));
  ASSERT_EQ(read.rec.polys.size(), 1u);
  EXPECT_EQ(read.rec.polys[0].Size(), 101u);
  EXPECT_EQ(read.rec.polys[0].x.back(), 30);

  read = ReadDxf(DxfText("AC1015", Spline(1, {{0, 0}, {10, 10}, {20, 10}, {30, 0}})));
  EXPECT_EQ(read.rec.polys.at(0).Size(), 102u);
  EXPECT_EQ(read.rec.polys[0].x.back(), 0);

  // Three control points: the quadratic arc, whose middle is at a quarter of the peak.
  read = ReadDxf(DxfText("AC1015", Spline(0, {{0, 0}, {10, 20}, {20, 0}})));
  ASSERT_EQ(read.rec.polys.size(), 1u);
  EXPECT_NEAR(read.rec.polys[0].x[50], 10, 1e-4);
  EXPECT_NEAR(read.rec.polys[0].y[50], 10, 1e-4);

  EXPECT_TRUE(ReadDxf(DxfText("AC1015", Spline(0, {{0, 0}}))).rec.polys.empty());
}

TEST(DxfReader, KeptArcsAndUnflattenedModes) {
  auto read = ReadDxf(DxfText("AC1015", LwPolyline(false, {" 10", "0", " 20", "0", " 42", "1", " 10", "10", " 20", "0"})), 1);
  ASSERT_EQ(read.rec.polys.size(), 1u);
  EXPECT_EQ(read.rec.polys[0].kind, (std::vector<int16_t>{1, 2}));
  EXPECT_NEAR(read.rec.polys[0].cx[1], 5, 1e-9);

  read = ReadDxf(DxfText("AC1009", {"  0", "CIRCLE", "  8", "0", " 10", "1", " 20", "2", " 40", "3", "  0", "ARC",
                                    "  8", "0", " 10", "0", " 20", "0", " 40", "4", " 50", "0", " 51", "90"}),
                 0, true);
  EXPECT_EQ(read.rec.circles, (std::vector<double>{3}));
  EXPECT_EQ(read.rec.arcs, (std::vector<double>{4}));
  EXPECT_TRUE(read.rec.polys.empty());

  read = ReadDxf(DxfText("AC1015", {"  0", "ELLIPSE", "  8", "0", "100", "AcDbEllipse", " 10", "0", " 20", "0", " 11",
                                    "20", " 21", "0", " 40", "0.5", " 41", "0", " 42", "6.283185307179586"}),
                 0, false, 1);
  ASSERT_EQ(read.rec.polys.size(), 1u);
  const auto& kinds = read.rec.polys[0].kind;
  // Counter-clockwise arcs all round; a repeated end point may close with a straight piece.
  EXPECT_EQ(std::count(kinds.begin(), kinds.end(), 3), 0);
  EXPECT_GE(std::count(kinds.begin(), kinds.end(), 2), static_cast<long>(kinds.size()) - 2);
}

TEST(DxfReader, FileErrorsThrowAndATruncatedSimpleEntityEndsQuietly) {
  kw::pathcore::Cdxf dxf;
  try {
    dxf.DxfInput("/nonexistent/kw.dxf");
    FAIL();
  } catch (const kw::pathcore::DxfFileError& e) {
    EXPECT_EQ(e.Code(), kw::pathcore::DxfFileError::kCannotOpen);
  }
  const std::string head = "  9\n$ACADVER\n  1\nAC1009\nENTITIES\n";
  const TempDrawing cutPolyline(head + "  0\nPOLYLINE\n  8\n0\n 70\n", ".dxf");
  try {
    dxf.DxfInput(cutPolyline.Path());
    FAIL();
  } catch (const kw::pathcore::DxfFileError& e) {
    EXPECT_EQ(e.Code(), kw::pathcore::DxfFileError::kPastEnd);
  }
  const auto cutLine = ReadDxf(head + "  0\nLINE\n  8\n0\n 10\n5");
  EXPECT_EQ(cutLine.result, 0);
  EXPECT_TRUE(cutLine.rec.polys.empty());
}

TEST(DxfReader, JunkHugeLinesAndOverflowingNumbersNeitherCrashNorHang) {
  std::string junk;
  for (int i = 0; i < 200000; ++i) junk += static_cast<char>((i * 7919) % 256);
  const std::string bigLine(2'000'000, 'A');
  const auto read = ReadR12({"  0", "LINE", "  8", bigLine, " 10", "1e999", " 20", "-1e999", " 11", "1", " 21", "1",
                             junk, "  0", "ARC", "  8", "0", " 10", "0", " 20", "0", " 40", "1e300", " 50", "0", " 51",
                             "1e300", "  0", "CIRCLE", "  8", "0", " 10", "0", " 20", "0", " 40", "1e999", "\"unclosed"});
  EXPECT_EQ(read.result, 0);
  EXPECT_EQ(read.rec.lines, 1);
  EXPECT_EQ(read.rec.polys[0].layer.size(), kw::pathcore::DxfFieldReader::kMaxFieldChars);
  EXPECT_TRUE(std::isinf(read.rec.polys[0].x[0]));
  for (const Poly& p : read.rec.polys) EXPECT_LE(p.Size(), size_t{kw::pathcore::kMaxFlattenSegments} + 2);
}

// Angles past a whole turn would retrace the curve, each time with coarser
// steps; what is drawn is the curve once, up to where those angles end on it.
TEST(DxfReader, ArcsAndEllipsesBeyondOneTurnAreDrawnOnce) {
  auto ellipse = [](const std::string& end) {
    return ReadDxf(DxfText("AC1015", {"  0", "ELLIPSE", "  8", "0", "100", "AcDbEllipse", " 10", "0", " 20", "0", " 11",
                                      "20", " 21", "0", " 40", "0.5", " 41", "0", " 42", end}));
  };
  auto arc = [](const std::string& end) {
    return ReadR12({"  0", "ARC", "  8", "0", " 10", "0", " 20", "0", " 40", "50", " 50", "30", " 51", end});
  };
  auto expectSame = [](const Read& once, const Read& turns) {
    ASSERT_EQ(once.rec.polys.size(), 1u);
    ASSERT_EQ(turns.rec.polys.size(), 1u);
    const Poly &a = once.rec.polys[0], &b = turns.rec.polys[0];
    ASSERT_EQ(a.Size(), b.Size());
    for (size_t i = 0; i < a.Size(); ++i) {
      EXPECT_NEAR(a.x[i], b.x[i], 1e-6) << i;
      EXPECT_NEAR(a.y[i], b.y[i], 1e-6) << i;
    }
  };
  expectSame(ellipse("0.5123"), ellipse("628.8308307179586"));              // 0.5123 + 100 turns
  expectSame(ellipse("6.283185307179586"), ellipse("12.566370614359172"));  // two turns: once round
  expectSame(arc("120"), arc("840"));
  expectSame(arc("120"), arc("-600"));
  expectSame(arc("390"), arc("750"));
}

// The budget counts every point handed on, lines included; the entity that
// would pass it is not handed on.
TEST(DxfReader, AReadPastItsPointBudgetIsRefusedAsTooLarge) {
  std::vector<std::string> lines;
  for (int i = 0; i < 3; ++i)
    lines.insert(lines.end(), {"  0", "LINE", "  8", "0", " 10", "0", " 20", "0", " 11", "1", " 21", "1"});
  const std::vector<std::string> circle = Circle(30);
  lines.insert(lines.end(), circle.begin(), circle.end());
  const std::string text = DxfText("AC1009", lines);
  const Read whole = ReadDxf(text);
  ASSERT_EQ(whole.rec.polys.size(), 4u);
  const auto budget = static_cast<int64_t>(6 + whole.rec.polys[3].Size());
  EXPECT_EQ(ReadDxf(text, 0, false, 0, budget).rec.polys.size(), 4u);
  for (const int64_t tooFew : {int64_t{5}, budget - 1}) {
    SCOPED_TRACE(tooFew);
    Recorder rec;
    try {
      const TempDrawing file(text, ".dxf");
      kw::pathcore::Cdxf dxf;
      dxf.SetEvents(&rec);
      dxf.MostPoints = tooFew;
      dxf.DxfInput(file.Path());
      FAIL();
    } catch (const kw::pathcore::DxfFileError& e) {
      EXPECT_EQ(e.Code(), kw::pathcore::DxfFileError::kTooLarge);
      EXPECT_NE(std::string(e.what()).find("far too large"), std::string::npos);
    }
    EXPECT_EQ(rec.lines, tooFew == 5 ? 2 : 3);
    EXPECT_EQ(rec.polys.size(), tooFew == 5 ? 2u : 3u);
  }
}

TEST(DxfReader, NumbersConvertLikeTheFullConversion) {
  std::mt19937_64 random(7);
  for (int i = 0; i < 100000; ++i) {
    char text[64];
    const int decimals = static_cast<int>(random() % 12);
    const double v = std::ldexp(static_cast<double>(random() % 2000000) - 1000000, -static_cast<int>(random() % 20));
    std::snprintf(text, sizeof text, "%.*f", decimals, v);
    ASSERT_EQ(kw::pathcore::DxfNumber(text), std::strtod(text, nullptr)) << text;
  }
  EXPECT_EQ(kw::pathcore::DxfNumber("12345678901234567890.5"), 12345678901234567890.5);
  EXPECT_TRUE(std::signbit(kw::pathcore::DxfNumber("-0")));
  EXPECT_EQ(kw::pathcore::DxfNumber(".5"), 0.5);
  EXPECT_EQ(kw::pathcore::DxfNumber("5."), 5);
  EXPECT_EQ(kw::pathcore::DxfNumber("1e3"), 1000);
  EXPECT_EQ(kw::pathcore::DxfNumber("12abc"), 12);
  EXPECT_EQ(kw::pathcore::DxfNumber("abc"), 0);
  EXPECT_EQ(kw::pathcore::DxfNumber(""), 0);
}

}  // namespace
