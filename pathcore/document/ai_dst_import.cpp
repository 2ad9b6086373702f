// AiInput and DstInput of the document: every polyline becomes a path on
// layer 0. The readers deal with their own file errors.
#include "pathcore/path_obj.h"
#include "document/path_store.h"
#include "import/ai.h"
#include "import/dst.h"
#include "document/imported_path.h"

namespace kw::pathcore {

namespace {

class AiSink : public CAiEvents {
 public:
  explicit AiSink(PathStore& s) : s_(s) {}
  void OutPolyLine(std::vector<double>& X, std::vector<double>& Y, int16_t) override {
    AppendImportedPath(s_, X, Y, 0);
  }

 private:
  PathStore& s_;
};

class DstSink : public CDstEvents {
 public:
  explicit DstSink(PathStore& s) : s_(s) {}
  void OutPolyLine(std::vector<double>& X, std::vector<double>& Y) override {
    AppendImportedPath(s_, std::span(X).subspan(1), std::span(Y).subspan(1), 0);
  }

 private:
  PathStore& s_;
};

// A fresh reader whose polylines go to the document through its sink; the
// bounds are recomputed whether or not the reader met a file error.
template <typename Reader, typename Sink, typename Read>
void ImportThrough(PathStore& s, Read&& read) {
  Reader reader;
  Sink sink(s);
  reader.SetEvents(&sink);
  read(reader);
  s.ZL();
}

}  // namespace

int16_t CPathObj::AiInput(const std::string& FileName) {
  ImportThrough<CAi, AiSink>(S, [&](CAi& reader) { reader.AiInput(FileName); });
  return 0;
}

int16_t CPathObj::DstInput(const std::string& FileName) {
  ImportThrough<CDst, DstSink>(S, [&](CDst& reader) { reader.DstInput(FileName); });
  return 0;
}

}  // namespace kw::pathcore
