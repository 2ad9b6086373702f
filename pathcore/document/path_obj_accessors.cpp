#include "pathcore/path_obj.h"

#include "document/path_store.h"

namespace kw::pathcore {

bool CPathObj::SMove() const { return S.SMove; }
void CPathObj::SMove(bool value) { S.SMove = value; }
int16_t CPathObj::DocBakCount() const { return S.DocBakCount; }
void CPathObj::DocBakCount(int16_t value) { S.DocBakCount = value; }
int16_t CPathObj::DocBaki() const { return S.DocBaki; }
void CPathObj::DocBaki(int16_t value) { S.DocBaki = value; }
int32_t CPathObj::SelCount() const { return S.SelCount; }
int32_t CPathObj::Count() const { return S.ObjN; }
int32_t CPathObj::SubCount() const { return S.PointN - S.ObjN; }
void CPathObj::ZL() { S.ZL(); }
void CPathObj::ZLSelLmt() { S.ZLSelLmt(); }
double CPathObj::Xmax() const { return S.Xmax; }
double CPathObj::Ymax() const { return S.Ymax; }
double CPathObj::Xmin() const { return S.Xmin; }
double CPathObj::Ymin() const { return S.Ymin; }
double CPathObj::SelXmax() const { return S.SelXmax; }
double CPathObj::SelYMax() const { return S.SelYMax; }
double CPathObj::SelXMin() const { return S.SelXMin; }
double CPathObj::SelYMin() const { return S.SelYMin; }
int16_t CPathObj::VerNumber() const { return S.VerNumber; }
void CPathObj::VerNumber(int16_t value) { S.VerNumber = value; }

void CPathObj::AddPath(std::span<const float> X, std::span<const float> Y, int16_t LayerN) { S.AddPath(X, Y, LayerN); }
int32_t CPathObj::PointCount() const { return S.PointN; }
int16_t CPathObj::ObjLayer(int32_t Index) const { return S.ObjLayer.at(static_cast<size_t>(Index)); }

void CPathObj::ObjEnds(int32_t Index, float& Sx, float& Sy, float& Ex, float& Ey) const {
  const auto k = static_cast<size_t>(Index);
  Sx = S.ObjSx.at(k), Sy = S.ObjSy.at(k), Ex = S.ObjEx.at(k), Ey = S.ObjEy.at(k);
}

}  // namespace kw::pathcore
