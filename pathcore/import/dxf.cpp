#include "import/dxf.h"


namespace kw::pathcore {

int16_t Cdxf::DxfInput(const std::string& FileName) {
  in_.Open(FileName);
  pointsRaised_ = 0;
  std::string version;
  if (!FindVersion(version)) {
    in_.Close();
    return 0;
  }
  if (version == "AC1015" || version == "AC1014" || version == "AC1018") {
    format_ = Format::kMarkers;
  } else if (version == "AC2.10" || version == "AC1009") {
    format_ = Format::kNoMarkers;
  } else {
    RefuseVersion();
    in_.Close();
    return -1;
  }
  if (FindEntities()) ScanEntities();
  in_.Close();
  return 0;
}

// The value two fields after "$ACADVER" (its group code lies between).
bool Cdxf::FindVersion(std::string& version) {
  while (!in_.AtEnd()) {
    in_.ReadField(field_);
    if (field_ == "$ACADVER") {
      in_.ReadField(field_);
      in_.ReadField(version);
      return true;
    }
  }
  return false;
}

bool Cdxf::FindEntities() {
  while (in_.ReadLine(field_)) {
    if (field_ == "ENTITIES") return true;
  }
  return false;
}

void Cdxf::RefuseVersion() {
  if (!events_ || (Language != 0 && Language != 1)) return;
  events_->Message(Language == 0 ? "该DXF文件必须为AutoCAD R12 或 AutoCAD R14 或AutoCAD 2000格式!"
                                 : "This document musts be the AutoCAD R12 or AutoCAD R14 or AutoCAD 2000 format!");
}

// Any field equal to an entity name starts its reader, wherever it stands.
void Cdxf::ScanEntities() {
  while (!in_.AtEnd()) {
    in_.ReadField(field_);
    if (SameText(field_, "ENDSEC")) return;
    ReadEntity(field_);
  }
}

void Cdxf::ReadEntity(const std::string& name) {
  // Most fields are codes and numbers: no entity name is shorter than 3 letters.
  if (name.size() < 3 || name[0] < 'A' || name[0] > 'Z') return;
  const bool markers = format_ == Format::kMarkers;
  if (name == "LINE") {
    ReadLineEntity(markers ? "AcDbLine" : "");
  } else if (name == "XLINE") {
    ReadLineEntity("AcDbXline");
  } else if (name == "POLYLINE") {
    markers ? ReadMarkerPolyline() : ReadVertexPolyline();
  } else if (name == "LWPOLYLINE") {
    ReadLwPolyline();
  } else if (name == "CIRCLE") {
    ReadCircle();
  } else if (name == "ARC") {
    ReadArc();
  } else if (name == "ELLIPSE") {
    ReadEllipse();
  } else if (name == "SPLINE") {
    ReadSpline();
  }
}

void Cdxf::RaisePolyLine(DxfPolylineBuilder& p, const std::string& layer) {
  CountPoints(p.Count());
  if (events_) events_->OutPolyLine(p.X, p.Y, layer);
}

void Cdxf::RaisePolyObj(DxfPolylineBuilder& p) {
  CountPoints(p.Count());
  if (events_) events_->OutPolyObj(p.X, p.Y, p.CX, p.CY, p.Kind);
}

// Checked before the points are handed on, so a host never receives more than MostPoints.
void Cdxf::CountPoints(int64_t n) {
  pointsRaised_ += n;
  if (pointsRaised_ > MostPoints) throw DxfFileError(DxfFileError::kTooLarge);
}

}  // namespace kw::pathcore
