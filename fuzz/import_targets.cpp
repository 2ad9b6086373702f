// The DXF, Illustrator and DST readers of the path document library.
#include <vector>

#include "fuzz/fuzz_targets.h"
#include "import/ai.h"
#include "import/dst.h"
#include "import/dxf.h"
#include "scratch_file.h"
#include "value_sink.h"

namespace kw::fuzz {
namespace {

using kw::pathcore::CdxfEvents;

class DxfSink : public CdxfEvents {
 public:
  void OutLine(double X1, double Y1, double X2, double Y2, const std::string& Layer) override {
    Keep(X1 + Y1 + X2 + Y2 + static_cast<double>(Layer.size()));
  }
  void OutPolyLine(std::vector<double>& X, std::vector<double>& Y, const std::string& Layer) override {
    KeepAll(X);
    KeepAll(Y);
    Keep(static_cast<double>(Layer.size()));
  }
  void OutPolyObj(std::vector<double>& X, std::vector<double>& Y, std::vector<double>& CX, std::vector<double>& CY,
                  std::vector<int16_t>& Kind) override {
    for (const auto* v : {&X, &Y, &CX, &CY}) KeepAll(*v);
    KeepAll(Kind);
  }
  void OutArc(double X, double Y, double R, double StartAngle, double EndAngle, const std::string&) override {
    Keep(X + Y + R + StartAngle + EndAngle);
  }
  void OutCircle(double X, double Y, double R, const std::string&) override { Keep(X + Y + R); }
};

class AiSink : public kw::pathcore::CAiEvents {
 public:
  void OutPolyLine(std::vector<double>& X, std::vector<double>& Y, int16_t) override {
    KeepAll(X);
    KeepAll(Y);
  }
};

class DstSink : public kw::pathcore::CDstEvents {
 public:
  void OutPolyLine(std::vector<double>& X, std::vector<double>& Y) override {
    KeepAll(X);
    KeepAll(Y);
  }
};

// One pass with the flattening defaults and one with arcs, bulges and
// ellipses kept, the two ways the program reads a DXF file.
void ReadDxf(const std::string& name, bool keepCurves) {
  DxfSink sink;
  kw::pathcore::Cdxf dxf;
  dxf.SetEvents(&sink);
  dxf.OutPolyMode = keepCurves ? 1 : 0;
  dxf.OutArcCircleMode = keepCurves;
  dxf.OutEllipseMode = keepCurves ? 1 : 0;
  dxf.MostPoints = kFuzzMostPoints;
  try {
    dxf.DxfInput(name);
  } catch (const kw::pathcore::DxfFileError&) {
    // The reader's refusal of a broken file.
  }
}

}  // namespace

void FuzzDxf(Bytes input) {
  static ScratchFile file(".dxf");
  const std::string& name = file.Write(input);
  ReadDxf(name, false);
  ReadDxf(name, true);
}

void FuzzAi(Bytes input) {
  static ScratchFile file(".ai");
  AiSink sink;
  kw::pathcore::CAi ai;
  ai.SetEvents(&sink);
  ai.AiInput(file.Write(input));
}

void FuzzDst(Bytes input) {
  static ScratchFile file(".dst");
  DstSink sink;
  kw::pathcore::CDst dst;
  dst.SetEvents(&sink);
  dst.DstInput(file.Write(input));
}

}  // namespace kw::fuzz
