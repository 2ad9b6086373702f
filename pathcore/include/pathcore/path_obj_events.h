// The events a path document raises to its host. Every method has an empty
// default body, so a host that does not handle an event leaves its in/out
// arguments as the document preset them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kw::pathcore {

// One raster line of engraving work data.
struct ScanLine {
  std::vector<int32_t> X;  // crossings 1..Count, machine units; element 0 unused
  int32_t Count = 0;       // number of crossings
  int32_t Y = 0;           // machine Y of the line
  int32_t Xs = 0;          // machine X where the head starts (lead-in)
  int32_t Xz = 0;          // machine X where the head stops (lead-out)
};

class CPathObjEvents {
 public:
  virtual ~CPathObjEvents() = default;

  // Jd (progress, 进度) of a long operation: Dq (current) of All done; MS is the step's text in the
  // language SetLang chose.
  virtual void Jd(int32_t All, int32_t Dq, const std::string& MS) { (void)All, (void)Dq, (void)MS; }
  // End of a long operation.
  virtual void Finish() {}
  // Declared for hosts that bind it; no operation raises it.
  virtual void SelectObj() {}
  // One cut or tool path in machine units, points 1..n (element 0 unused). LayerN is the object's layer, or
  // for a tool layer its position p (1, 2, ...) which picks the tool; setting CancelB ends the request.
  virtual void OutPath(std::vector<int32_t>& X, std::vector<int32_t>& Y, int16_t LayerN, bool& CancelB) {
    (void)X, (void)Y, (void)LayerN, (void)CancelB;
  }
  // The scan lines 1..m of one engraving frame or bitmap (element 0 unused).
  virtual void OutScanLine(std::vector<ScanLine>& ScanObj, int16_t LayerN) { (void)ScanObj, (void)LayerN; }
  // The drill points 1..n of one drill path, in machine units from the document's top-left corner.
  virtual void OutPoint(std::vector<int32_t>& X, std::vector<int32_t>& Y, int16_t LayerN) {
    (void)X, (void)Y, (void)LayerN;
  }
  // Asks for a drill layer's settings: Enabled (preset false) and the spacing PointStep in mm (preset 0).
  virtual void GetPointLayer(int16_t LayerN, bool& Enabled, float& PointStep) {
    (void)LayerN, (void)Enabled, (void)PointStep;
  }
  // Asks for an engraving layer's settings (presets false and 0): Dpi lines per inch; when true, BmpMode burns
  // a bitmap's dark pixels and Dir scans both ways; lead-in/out AccL and backlash BackGap in machine units.
  virtual void GetScanLayer(int16_t LayerN, bool& Enabled, int16_t& Dpi, bool& BmpMode, bool& Dir, int32_t& AccL,
                            int32_t& BackGap) {
    (void)LayerN, (void)Enabled, (void)Dpi, (void)BmpMode, (void)Dir, (void)AccL, (void)BackGap;
  }
  // Asks whether a cut layer is to be output (Enabled preset false).
  virtual void GetCutLayer(int16_t LayerN, bool& Enabled) { (void)LayerN, (void)Enabled; }

  // A message the library would otherwise show in a message box (an open
  // failure, a refused file version); the host shows it to the user.
  virtual void Message(const std::string& Text) { (void)Text; }
};

}  // namespace kw::pathcore
