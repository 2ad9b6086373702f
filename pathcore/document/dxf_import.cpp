// DxfInput of the document: every line and polyline of the DXF reader
// becomes a path, on layer 1 when its layer is the cut layer.
#include <new>

#include "pathcore/path_obj.h"
#include "document/path_store.h"
#include "import/dxf.h"
#include "document/imported_path.h"
#include "document/library_state.h"

namespace kw::pathcore {

namespace {

class DxfSink : public CdxfEvents {
 public:
  DxfSink(PathStore& s, CPathObjEvents* host) : s_(s), host_(host) {}

  void OutLine(double X1, double Y1, double X2, double Y2, const std::string& Layer) override {
    const double x[2] = {X1, X2}, y[2] = {Y1, Y2};
    AppendImportedPath(s_, x, y, LayerOf(Layer));
  }
  void OutPolyLine(std::vector<double>& X, std::vector<double>& Y, const std::string& Layer) override {
    AppendImportedPath(s_, std::span(X).subspan(1), std::span(Y).subspan(1), LayerOf(Layer));
  }
  void Jd(int32_t All, int32_t Dq, const std::string& MS) override {
    if (host_) host_->Jd(All, Dq, MS);
  }
  void Finish() override {
    if (host_) host_->Finish();
  }
  void Message(const std::string& Text) override {
    if (host_) host_->Message(Text);
  }

 private:
  // Layer names compare exactly, case included.
  int16_t LayerOf(const std::string& layer) const { return layer == s_.CutLayerName ? 1 : 0; }

  PathStore& s_;
  CPathObjEvents* host_;
};

constexpr int16_t kOutOfMemory = 7;

// A failed import takes back the paths it had appended.
void RemovePathsAfter(PathStore& s, int32_t objN) {
  while (s.ObjN > objN) s.RemovePath(s.ObjN);
}

}  // namespace

int16_t CPathObj::DxfInput(const std::string& FileName, const std::string& CutLayer) {
  Cdxf reader;
  DxfSink sink(S, events_);
  reader.SetEvents(&sink);
  reader.OutPolyMode = 0;
  reader.Language = LibraryLanguage();
  S.CutLayerName = CutLayer;
  const int32_t before = S.ObjN;
  try {
    reader.DxfInput(FileName);
  } catch (const DxfFileError& e) {
    RemovePathsAfter(S, before);
    return static_cast<int16_t>(e.Code());
  } catch (const std::bad_alloc&) {
    RemovePathsAfter(S, before);
    return kOutOfMemory;
  }
  S.ZL();
  return 0;
}

}  // namespace kw::pathcore
