// CPathObj: the path document. It holds every path of the current job with
// its layer, kind and selection, and offers the host the operations that
// import, edit, order, persist, draw and turn the paths into work data.
//
// Public members are declared in the interface's slot order. Events go to the
// one sink the host sets with SetEvents.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "pathcore/path_obj_events.h"

namespace kw::pathcore {

class Canvas;
class CTree;
struct PathStore;
struct CanvasPen;
struct ViewMapping;
enum class ProgressStep;

class CPathObj {
 public:
  CPathObj();
  ~CPathObj();
  CPathObj(const CPathObj&) = delete;
  CPathObj& operator=(const CPathObj&) = delete;

  // The host's event sink; nullptr (the default) raises nothing.
  void SetEvents(CPathObjEvents* sink) { events_ = sink; }
  CPathObjEvents* Events() const { return events_; }

  bool SMove() const;
  void SMove(bool value);
  int16_t DocBakCount() const;
  void DocBakCount(int16_t value);
  int16_t DocBaki() const;
  void DocBaki(int16_t value);
  int16_t GetWorkDat(double Xk, double Yk);
  int16_t GetWorkDat_Layer(double Xk, double Yk, int16_t LayerCount, std::vector<int16_t>& LayerSort,
                           std::vector<int16_t>& LayerType, float& OffsetX, float& OffsetY, float& R, int16_t Angle);
  void SetStartP(float X, float Y, float Wc);
  void AutoTree();
  void SelectEdge(float Eqs);
  // Imports append paths and end with ZL. DxfInput returns 0, or the reader's
  // file error number (DxfFileError: 53 cannot open, 57 read error, 62 ends
  // inside an entity; 7 out of memory), and then takes back what it appended.
  // The others return 0; PltInput reports an unopenable file through Message.
  int16_t AiInput(const std::string& FileName);
  int16_t DxfInput(const std::string& FileName, const std::string& CutLayer);
  int16_t PltInput(const std::string& FileName, const std::string& CutLayer);
  int16_t DstInput(const std::string& FileName);
  void DaSan();
  void PxZ();
  void PxA();
  void PxP();
  void PxN();
  void AutoSX(float Jl);
  void AutoSY(float Jl);
  void AutoS();
  void Hb(double Eqs);
  void BackFx();
  int16_t DocUndo();
  int16_t DocRedo();
  int16_t DocBak();
  int16_t SetBin(std::vector<uint8_t>& Dat, int32_t DatSize);
  void GetBin(std::vector<uint8_t>& Dat, int32_t& DatSize);
  // The point list text form. Both return 0, or -1 when the file cannot be
  // written or read (a failed save leaves an existing file as it was) and, for
  // OpenToDat, when it holds no complete number pair (nothing is added then).
  int16_t SaveToDat(const std::string& FileName);
  int16_t OpenToDat(const std::string& FileName);
  int32_t SelP(bool C = false);
  int32_t SelN(bool C = false);
  int32_t SelCount() const;
  int32_t Count() const;
  void AutoFb(float Jx);
  void SetFb();
  int32_t SubCount() const;
  float ObjLong() const;
  float SelObjLong() const;
  float MoveLong() const;
  bool SelX(int32_t Index, bool C);
  void SelSingal();
  void SelLayer(int16_t LayerType, int16_t LayerN, int16_t LayerCount);
  void SelAll();
  void SelInv();
  void SelUnFb();
  bool PointTest(double X, double Y, double Wc) const;
  void DelObj();
  void ZL();
  void ZLSelLmt();
  void DrawRect(Canvas& hdc, int32_t Color, float ScaleLeft, float ScaleTop, float ScaleWidth, float ScaleHeight,
                float Width, float Height, float X1, float Y1, float X2, float Y2, bool Fill = false,
                int16_t DrawStyle = 0);
  void Draw(Canvas& hdc, int32_t MoveColor, std::vector<int32_t>& CutColor, int32_t SColor, int32_t SaColor,
            float ScaleLeft, float ScaleTop, float ScaleWidth, float ScaleHeight, float Width, float Height, double Wc);
  bool PointSel(double X, double Y, double Wc, bool C = false);
  bool FaceSel(double X1, double Y1, double X2, double Y2, double Wc, bool C = false);
  double Xmax() const;
  double Ymax() const;
  double Xmin() const;
  double Ymin() const;
  double SelXmax() const;
  double SelYMax() const;
  double SelXMin() const;
  double SelYMin() const;
  void CancelSel();
  void GetInRgn(int32_t N1, int32_t N2, int16_t& ResV, int32_t Men);
  void SetInRgnPx(int32_t& n, int32_t Men);
  void GetRgnPx(std::vector<int32_t>& n, std::vector<int32_t>& Index, int32_t Men);
  void SetLang(int16_t Num);
  void SetUnDkObj();
  void SetUnDrillObj();
  void SetDkObj();
  void SetDrillObj();
  void BmpInput(const std::string& FileName);
  int16_t GetObjLayer(int16_t LayerCount, std::vector<bool>& LayerUse);
  int16_t GetSelObjLayer(int16_t CLayerCount, int16_t DLayerCount, int16_t& ObjType) const;
  int16_t GetSelObjTy() const;
  int16_t SetSelObjLayer(int16_t LayerNum);
  void GetGUID(std::vector<uint8_t>& GuidDat) const;
  int16_t VerNumber() const;
  void VerNumber(int16_t value);
  int16_t SetPathPos(float X, float Y);
  void Block_Scale(double Bl_X, double Bl_Y, int16_t Center);
  void Block_Spin(double Angle, int16_t Center);
  void Block_Move(float Distance_X, float Distance_Y);
  void Block_Array(float Distance_X, float Distance_Y, int16_t Number_X, int16_t Number_Y);
  void Block_Mirror(int16_t Axis);
  void SmoothObj();
  int16_t GetSafeRect(float OffsetX, float OffsetY, float& Xmin, float& Xmax, float& Ymin, float& Ymax) const;
  int16_t GetWorkDat_Layer_Sel(double Xk, double Yk, int16_t LayerCount, std::vector<int16_t>& LayerSort,
                               std::vector<int16_t>& LayerType, float& OffsetX, float& OffsetY, float& R,
                               int16_t Angle);
  int16_t GetSafeRect_Sel(float OffsetX, float OffsetY, float& Xmin, float& Xmax, float& Ymin, float& Ymax) const;

  // ---- Beyond the interface: for hosts that build or inspect a document in
  // code (the command line, benchmarks, the machine tests).
  // Appends points 1..n of X and Y (element 0 unused; millimetres) as an
  // unselected cut path on LayerN. Like a reader's polyline, it leaves the
  // bounds alone: call ZL after the last one.
  void AddPath(std::span<const float> X, std::span<const float> Y, int16_t LayerN);
  // Points of all objects together.
  int32_t PointCount() const;
  // Layer of object Index (1..Count).
  int16_t ObjLayer(int32_t Index) const;
  // First and last point of object Index (1..Count), millimetres.
  void ObjEnds(int32_t Index, float& Sx, float& Sy, float& Ex, float& Ey) const;
  // How many paths GetWorkDat_Layer (or, with SelectedOnly,
  // GetWorkDat_Layer_Sel) will hand to OutPath for these arguments: every
  // object of a cut layer (type 0) in the layer order, plus the one lead
  // stroke before the first tool layer. Lets a host show progress against the
  // right total from the first path on.
  int32_t WorkPathCount(int16_t LayerCount, const std::vector<int16_t>& LayerSort,
                        const std::vector<int16_t>& LayerType, bool SelectedOnly) const;

 private:
  friend struct CPathObjInternals;

  // Raises Jd with the step's text when the language has one for it.
  void RaiseJd(int32_t All, int32_t Dq, ProgressStep step);
  void RaiseFinish();

  // Rebuilds the object list in the order of OrderList (backwards when Reverse),
  // raising Jd with the given step after each object.
  void RebuildInOrder(bool Reverse, ProgressStep step);
  // Drawing steps of Draw.
  void DrawObject(Canvas& hdc, const ViewMapping& view, int32_t k, const std::vector<CanvasPen>& layerPens,
                  const CanvasPen& selectedPen, const CanvasPen& currentPen);
  void DrawDirectionArrow(Canvas& hdc, const ViewMapping& view, int32_t first, int32_t last);
  void DrawStoredOutlines(Canvas& hdc, const ViewMapping& view, int32_t key);
  void DrawStoredBitmaps(Canvas& hdc, const ViewMapping& view, int32_t k);
  void DrawMoves(Canvas& hdc, const ViewMapping& view, const CanvasPen& pen, double left, double right, double top,
                 double bottom);
  // The integer copy of every point on the nesting grid.
  void BuildRgnGrid();
  void FitSnapshotList();
  void LoadSnapshot(int16_t index);

  // The storage lives behind a pointer so this header shows no internals; S
  // names it as every member function reads it.
  std::unique_ptr<PathStore> store_;
  PathStore& S;
  CPathObjEvents* events_ = nullptr;
  std::unique_ptr<CTree> root_tree_;  // the nesting tree of the last AutoTree or SelectEdge
};

}  // namespace kw::pathcore
