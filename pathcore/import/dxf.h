// Cdxf: the DXF reader. It reads an ASCII DXF file once and raises one event
// per drawable entity of the ENTITIES section, flattening arcs, circles,
// bulges, ellipses and splines into points.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "import/dxf_events.h"
#include "import/dxf_field_reader.h"
#include "import/dxf_polyline_builder.h"

namespace kw::pathcore {

// More points than any drawing for a table has once its curves are flattened:
// a file that needs more (thousands of ellipses kilometres long, say) is refused.
inline constexpr int64_t kMostDxfPoints = 4'000'000;

class Cdxf {
 public:
  // 0: lightweight polylines and splines as OutPolyLine; 1: as OutPolyObj
  // with bulges kept as arcs.
  int16_t OutPolyMode = 0;
  // True: arcs and circles raised unflattened as OutArc / OutCircle.
  bool OutArcCircleMode = false;
  // Non-zero: ellipses fitted with circular arcs and raised as OutPolyObj.
  int16_t OutEllipseMode = 0;
  // The language of the version refusal: 0 Chinese, 1 English, others none.
  int16_t Language = 0;
  // Points raised at most in one read; past it the read throws kTooLarge.
  int64_t MostPoints = kMostDxfPoints;

  void SetEvents(CdxfEvents* sink) { events_ = sink; }

  // Reads the file: 0, or -1 when its version is not supported. A file that
  // cannot be opened or read, ends inside an entity or has more than
  // MostPoints points throws DxfFileError.
  int16_t DxfInput(const std::string& FileName);

 private:
  enum class Format { kMarkers = 1, kNoMarkers = 2 };

  bool FindVersion(std::string& version);
  bool FindEntities();
  void ScanEntities();
  void ReadEntity(const std::string& name);
  void RefuseVersion();

  // Simple entities (dxf_simple_entities.cpp).
  bool ReadCodes(std::string_view gate, std::initializer_list<std::string_view> codes, double* values,
                 std::string& layer);
  void ReadLineEntity(std::string_view gate);
  void ReadCircle();
  void ReadArc();
  void ReadEllipse();

  // Entity bounds (dxf_entity_pairs.cpp). An entity ends at the next code 0:
  // a reader that meets it before the codes it needs drops the entity and
  // leaves that pair to the entity scan, so one malformed entity never eats
  // the next ones.
  bool NextInEntity(DxfPair& pair, bool quietAtEnd);
  bool SeekInEntity(std::string_view code, DxfPair& pair, bool quietAtEnd = false);
  bool SeekLayerAndGate(std::string_view gate, std::string& layer, bool quietAtEnd = false);
  void DropAt(const DxfPair& pair);

  // Polylines and splines (dxf_polylines.cpp, dxf_spline.cpp).
  bool ReadControlPoints(int32_t m, DxfPair& pair, std::vector<float>& cx, std::vector<float>& cy);
  bool ReadPolylineHeader(std::string& layer, DxfPair& next);
  void ReadVertexPolyline();
  bool ReadPlainVertex(DxfPair& pair, DxfPolylineBuilder& p, double& bulge);
  void ReadMarkerPolyline();
  bool ReadMarkerVertex(DxfPair& pair, double& x, double& y, double& bulge, bool& found);
  void ReadLwPolyline();
  bool ReadLwVertices(int32_t n, DxfPair& pair, DxfPolylineBuilder& p);
  void CloseLwPolyline(DxfPolylineBuilder& p);
  void ReadSpline();

  void RaisePolyLine(DxfPolylineBuilder& p, const std::string& layer);
  void RaisePolyObj(DxfPolylineBuilder& p);
  bool Flatten() const { return OutPolyMode != 1; }
  void CountPoints(int64_t n);
  int64_t PointsLeft() const { return MostPoints - pointsRaised_; }

  DxfFieldReader in_;
  Format format_ = Format::kMarkers;
  CdxfEvents* events_ = nullptr;
  std::string field_;
  int64_t pointsRaised_ = 0;
};

}  // namespace kw::pathcore
