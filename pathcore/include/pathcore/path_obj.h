// CPathObj: the path document. It holds every path of the current job with
// its layer, kind and selection, and offers the host the operations that
// import, edit, order, persist, draw and turn the paths into work data.
//
// Public members are declared in the interface's slot order and keep the
// names the host binds to; the comment at each says what a short name means.
// Coordinates are millimetres unless a comment says otherwise; object numbers
// run 1..Count in job order. Kinds: 0 cut path, 1 engraving frame, 2 bitmap
// frame, 3 drill path. Selection values: 0 none, 1 selected, 2 selected and
// current. Events go to the one sink the host sets with SetEvents.
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

  // SMove (show moves): Draw also draws the empty moves between paths.
  bool SMove() const;
  void SMove(bool value);
  // DocBak (document backup) counters: DocBakCount snapshots are held (at most
  // 20); snapshot DocBaki (i: index) matches the document, 0 when none does.
  int16_t DocBakCount() const;
  void DocBakCount(int16_t value);
  int16_t DocBaki() const;
  void DocBaki(int16_t value);
  // Work data (Dat) of the whole document, object by object in job order, through the events (drill paths
  // skipped); Xk, Yk are machine units per mm. Returns 0.
  int16_t GetWorkDat(double Xk, double Yk);
  // Work data by layer, positions p = 0..LayerCount: LayerSort(p) layer, LayerType(L) 0 cut, 1 scan, 2 point;
  // cut layers after p = 0 go to the second tool (OffsetX/Y, knife offset R in mm, Angle in 16ths of a turn).
  int16_t GetWorkDat_Layer(double Xk, double Yk, int16_t LayerCount, std::vector<int16_t>& LayerSort,
                           std::vector<int16_t>& LayerType, float& OffsetX, float& OffsetY, float& R, int16_t Angle);
  // Start point: the first path passing within Wc mm of X,Y, if it is closed, is made to start at its first
  // inner point within Wc of X,Y.
  void SetStartP(float X, float Y, float Wc);
  // Inner/outer ordering through a nesting tree: what a closed path encloses comes before it, in bands.
  void AutoTree();
  // Adds the outermost closed paths to the selection; ends within Eqs mm count as closed.
  void SelectEdge(float Eqs);
  // Imports append paths and end with ZL. DxfInput returns 0, or the reader's
  // file error number (DxfFileError: 53 cannot open, 57 read error, 62 ends
  // inside an entity; 7 out of memory or over 4,000,000 points once flattened),
  // and then takes back what it appended.
  // The others return 0; PltInput reports an unopenable file through Message.
  // Ai: Illustrator, Dxf, Plt: HPGL, Dst: Tajima embroidery. Paths on the DXF
  // layer or PLT pen number named by CutLayer get layer 1, all others layer 0.
  int16_t AiInput(const std::string& FileName);
  int16_t DxfInput(const std::string& FileName, const std::string& CutLayer);
  int16_t PltInput(const std::string& FileName, const std::string& CutLayer);
  // HP-GL/2 as CAD programs plot it (relative moves, scaling, polygons, circles
  // and arcs), pens placed as PltInput places them. Returns 0, or -1 when the
  // file cannot be opened (also reported through Message).
  int16_t Hpgl2Input(const std::string& FileName, const std::string& CutLayer);
  // PltInput, and when the PLT scanner took no path at all from the file, the
  // same file once more through Hpgl2Input's reader; ReadAsHpgl2 tells whether
  // that second reading happened. A file the scanner reads keeps its result.
  int16_t PltInputOrHpgl2(const std::string& FileName, const std::string& CutLayer, bool& ReadAsHpgl2);
  int16_t DstInput(const std::string& FileName);
  // DaSan (explode, 打散): the selected cut paths break into their single two-point segments.
  void DaSan();
  // Px (ordering, 排序) by hand: PxZ the selection to the end, PxA to the front; PxP/PxN the current path
  // one place earlier/later (several selected: gathered into one block ending/starting with it).
  void PxZ();
  void PxA();
  void PxP();
  void PxN();
  // Kept for hosts that bind them: they accept their argument and change nothing.
  void AutoSX(float Jl);
  void AutoSY(float Jl);
  // Distance ordering: the nearest path next, reversed where that is shorter; selects nothing.
  void AutoS();
  // Hb (join, 合并): selected cut paths of one layer whose ends lie within Eqs mm are joined end to end.
  void Hb(double Eqs);
  // BackFx (back direction, 方向): reverses the direction of the selected cut paths.
  void BackFx();
  // Undo snapshots: DocBak keeps one of the document (dropping the redo history); DocUndo and
  // DocRedo go to the previous and next one. All return 0.
  int16_t DocUndo();
  int16_t DocRedo();
  int16_t DocBak();
  // The document image (Bin) the host keeps in its project file. SetBin loads all of Dat (DatSize unused):
  // 0, or -1 for a broken image; a broken image or a foreign format mark leaves the document as it was.
  int16_t SetBin(std::vector<uint8_t>& Dat, int32_t DatSize);
  // GetBin fills Dat with the image and DatSize with its length in bytes.
  void GetBin(std::vector<uint8_t>& Dat, int32_t& DatSize);
  // The point list text form. Both return 0, or -1 when the file cannot be
  // written or read (a failed save leaves an existing file as it was) and, for
  // OpenToDat, when it holds no complete number pair (nothing is added then).
  int16_t SaveToDat(const std::string& FileName);
  int16_t OpenToDat(const std::string& FileName);
  // Previous/next: the object before/after the highest selected one becomes current; C (add) keeps
  // the rest of the selection, otherwise it goes. Both return 0.
  int32_t SelP(bool C = false);
  int32_t SelN(bool C = false);
  // Selected objects as last counted by ZLSelLmt (CancelSel sets 0); reading does not recount.
  int32_t SelCount() const;
  // Number of objects.
  int32_t Count() const;
  // Fb (closed, 封闭). AutoFb closes the selected cut paths whose ends are less than Jx (gap) mm
  // apart on both axes; SetFb closes every selected open cut path. Closing repeats the first point.
  void AutoFb(float Jx);
  void SetFb();
  // Number of segments: points minus objects.
  int32_t SubCount() const;
  // Lengths (Long: length) in mm: of all cut paths, of the selected cut paths, and of the empty moves from
  // the top-left corner of the bounds through every object in job order.
  float ObjLong() const;
  float SelObjLong() const;
  float MoveLong() const;
  // Makes object Index (1..Count, else std::out_of_range) current, alone or, with C, added to the
  // selection. Always false.
  bool SelX(int32_t Index, bool C);
  // Selects just the single segments (Singal: single), the paths of two points.
  void SelSingal();
  // Selects just the objects of kind LayerType on layer LayerN; layers above LayerCount count as LayerCount.
  void SelLayer(int16_t LayerType, int16_t LayerN, int16_t LayerCount);
  // Selects every object; inverts the selection; selects just the open paths (UnFb: not closed,
  // ends 0.01 mm or more apart).
  void SelAll();
  void SelInv();
  void SelUnFb();
  // True when any object passes within Wc mm of X,Y; changes nothing.
  bool PointTest(double X, double Y, double Wc) const;
  // Deletes the selected objects (engraving frames with their outlines), then ZL.
  void DelObj();
  // ZL (bounds): recomputes Xmax..Ymin from all points. ZLSelLmt (selection limits): recounts
  // SelCount and recomputes SelXmax..SelYMin; the host calls it after selecting or transforming.
  void ZL();
  void ZLSelLmt();
  // A rubber-band or marker rectangle X1,Y1-X2,Y2 in Color, mapped as Draw maps; Fill fills it,
  // DrawStyle is the pen style.
  void DrawRect(Canvas& hdc, int32_t Color, float ScaleLeft, float ScaleTop, float ScaleWidth, float ScaleHeight,
                float Width, float Height, float X1, float Y1, float X2, float Y2, bool Fill = false,
                int16_t DrawStyle = 0);
  // Draws the document: cut paths in CutColor(layer), selected in SColor, current in SaColor, moves in
  // MoveColor; Scale* is the view in mm (ScaleHeight negative), Width/Height the area in twips; Wc unused.
  void Draw(Canvas& hdc, int32_t MoveColor, std::vector<int32_t>& CutColor, int32_t SColor, int32_t SaColor,
            float ScaleLeft, float ScaleTop, float ScaleWidth, float ScaleHeight, float Width, float Height, double Wc);
  // Click selection: the first object within Wc mm of X,Y becomes current, alone or, with C, added
  // (with C an already selected one is taken out instead). True when something was hit.
  bool PointSel(double X, double Y, double Wc, bool C = false);
  // Rectangle (Face) selection: objects the rectangle touches are toggled, after clearing the
  // selection unless C; Wc unused. Always true.
  bool FaceSel(double X1, double Y1, double X2, double Y2, double Wc, bool C = false);
  // Document bounds in mm as of the last ZL.
  double Xmax() const;
  double Ymax() const;
  double Xmin() const;
  double Ymin() const;
  // Selection bounds in mm as of the last ZLSelLmt.
  double SelXmax() const;
  double SelYMax() const;
  double SelXMin() const;
  double SelYMin() const;
  // Selects nothing; SelCount becomes 0.
  void CancelSel();
  // Called back by the nesting tree during AutoTree and SelectEdge (Rgn: region; Men is unused).
  // GetInRgn: ResV = 1 when object N2 lies inside closed object N1 (on the 0.05 mm grid), else 0.
  void GetInRgn(int32_t N1, int32_t N2, int16_t& ResV, int32_t Men);
  // SetInRgnPx (Px: ordering): appends object n to the order being built.
  void SetInRgnPx(int32_t& n, int32_t Men);
  // GetRgnPx: band order of the objects n(1..m); Index(1..m) receives their positions, last taken first.
  void GetRgnPx(std::vector<int32_t>& n, std::vector<int32_t>& Index, int32_t Men);
  // Language of the progress texts, for every document: 0 Chinese, 1 English, other numbers none (work data
  // still reports in Chinese, exploding in English).
  void SetLang(int16_t Num);
  // SetUnDkObj (Dk: engraving, 雕刻): the selected engraving frames turn back into their paths, on layer 0;
  // any other selected object is deleted.
  void SetUnDkObj();
  // The selected drill paths become cut paths again.
  void SetUnDrillObj();
  // The selected cut paths become one engraving frame, unselected and last; every selected object goes.
  void SetDkObj();
  // The selected cut paths become drill paths.
  void SetDrillObj();
  // Imports a 1-bit BMP as a bitmap frame hanging from the origin towards -Y; other files add nothing.
  void BmpInput(const std::string& FileName);
  // Layer census: LayerUse(0..LayerCount) marks the layers in use, after moving objects on layers
  // beyond LayerCount to layer 0 (the document changes). Returns 0.
  int16_t GetObjLayer(int16_t LayerCount, std::vector<bool>& LayerUse);
  // The selection's common layer (kind into ObjType): -2 none selected (by SelCount), -1 layers, -3 kinds
  // differ; layers above CLayerCount (cut paths) or DLayerCount (other kinds) compare as 0.
  int16_t GetSelObjLayer(int16_t CLayerCount, int16_t DLayerCount, int16_t& ObjType) const;
  // The selection's common kind (Ty: type): -1 none selected, 0..3 the kind, 3 also when kinds differ.
  int16_t GetSelObjTy() const;
  // Moves the selected objects to layer LayerNum. Returns 0.
  int16_t SetSelObjLayer(int16_t LayerNum);
  // The document identifier: 32 bytes of hexadecimal digits (ASCII) into GuidDat[0..31].
  void GetGUID(std::vector<uint8_t>& GuidDat) const;
  // Version number: one higher (wrapping) at every work-data request; carried in the image.
  int16_t VerNumber() const;
  void VerNumber(int16_t value);
  // Moves the whole document so its bottom-right corner (Xmax, Ymin) lies at X,Y mm. Returns 0.
  int16_t SetPathPos(float X, float Y);
  // Block_*: transforms of the selected cut paths as one block, then ZL. Scales by Bl_X, Bl_Y (Bl: ratio)
  // about Center: 0 the block's centre, 1-4 its corner top-left, top-right, bottom-left, bottom-right, else (0,0).
  void Block_Scale(double Bl_X, double Bl_Y, int16_t Center);
  // Turns by Angle rounded to whole degrees, anticlockwise, about Center (as for Block_Scale).
  void Block_Spin(double Angle, int16_t Center);
  // Moves the selected cut paths and bitmap frames by Distance_X, Distance_Y mm.
  void Block_Move(float Distance_X, float Distance_Y);
  // Copies into Number_X columns Distance_X mm apart and Number_Y rows Distance_Y mm downwards.
  void Block_Array(float Distance_X, float Distance_Y, int16_t Number_X, int16_t Number_Y);
  // Mirrors: Axis 0/1/2 in X about box centre/left/right, 3/4/5 in Y about centre/top/bottom, other y = 0.
  void Block_Mirror(int16_t Axis);
  // Smooths the selected cut paths into spline curves.
  void SmoothObj();
  // The area in mm the job covers: the bounds, widened by the boxes of objects off layer 0 shifted by the
  // second tool's offset. Outputs untouched in an empty document. Returns 0.
  int16_t GetSafeRect(float OffsetX, float OffsetY, float& Xmin, float& Xmax, float& Ymin, float& Ymax) const;
  // GetWorkDat_Layer for the selected objects on cut layers only; raises no Jd. Returns 0.
  int16_t GetWorkDat_Layer_Sel(double Xk, double Yk, int16_t LayerCount, std::vector<int16_t>& LayerSort,
                               std::vector<int16_t>& LayerType, float& OffsetX, float& OffsetY, float& R,
                               int16_t Angle);
  // GetSafeRect over the selected objects only (layer-0 ones unshifted); untouched when none is selected.
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

  // Weeding, for vinyl the operator peels by hand after the cut. Both append
  // cut paths on layer 1 and make them the selection; the host keeps the undo
  // snapshot as after any edit.
  // AddWeedBox: a closed rectangle Margin mm outside the bounds of the
  // selected objects (of every object when none is selected). False, changing
  // nothing, when there is no object or Margin is not a positive number.
  bool AddWeedBox(double Margin);
  // AddWeedLines: straight two-point cuts every Spacing mm across the weed box
  // (Horizontal, Vertical or both), each from a side of the box inwards up to
  // a small clearance before the bounding box of the first other object it
  // would meet (geometry/weed_lines.h). The weed box is the selected path when
  // it alone is selected and is an axis-parallel rectangle; with nothing
  // selected, the rectangle path spanning the whole document. Returns the
  // number of lines added, or kNoWeedBox or kBadWeedSpacing (Spacing not
  // positive, or too fine for the box) with nothing changed.
  static constexpr int32_t kNoWeedBox = -1;
  static constexpr int32_t kBadWeedSpacing = -2;
  int32_t AddWeedLines(double Spacing, bool Horizontal, bool Vertical);

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
