// Redrawing a big document at 1920 x 1080 as the program's view does every
// frame while the user pans and zooms: grey around, the white table, then the
// document through the Qt canvas. Set KW_BENCH_SMOKE=1 for small documents.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBackingStore>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <QWindow>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "qt_bench_main.h"
#include "pathcore/app_path.h"
#include "pathcore/path_obj.h"
#include "render/qt_canvas.h"
#include "render/view_fit.h"

namespace {

using kw::pathcore::CPathObj;
using kw::pathcore::Rgb;

constexpr int kWidth = 1920, kHeight = 1080;  // pixels
constexpr double kPi = 3.14159265358979323846;

bool Smoke() {
  const char* value = std::getenv("KW_BENCH_SMOKE");
  return value && *value && std::string(value) != "0";
}

int32_t SegmentTarget() { return Smoke() ? 10'000 : 1'000'000; }

// Closed wavy rings of 1001 points on a grid, the layer changing by row, as
// nested pattern pieces come.
std::unique_ptr<CPathObj> LongPaths() {
  auto doc = std::make_unique<CPathObj>();
  const int32_t paths = SegmentTarget() / 1000, columns = static_cast<int32_t>(std::ceil(std::sqrt(paths * 16.0 / 9)));
  std::vector<float> X(1002), Y(1002);
  for (int32_t p = 0; p < paths; ++p) {
    const double cx = (p % columns) * 20.0, cy = (p / columns) * 20.0;
    for (int i = 1; i <= 1001; ++i) {
      const double a = 2 * kPi * (i - 1) / 1000, r = 9 + 0.5 * std::sin(7 * a);
      X[i] = static_cast<float>(cx + r * std::cos(a));
      Y[i] = static_cast<float>(cy + r * std::sin(a));
    }
    doc->AddPath(X, Y, static_cast<int16_t>((p / columns) % 4));
  }
  doc->ZL();
  return doc;
}

// Separate short strokes in every direction on a 1 mm grid.
std::unique_ptr<CPathObj> TwoPointPaths() {
  auto doc = std::make_unique<CPathObj>();
  const int32_t count = SegmentTarget(), columns = static_cast<int32_t>(std::sqrt(count));
  std::vector<float> X(3), Y(3);
  for (int32_t i = 0; i < count; ++i) {
    const double a = (i * 37 % 360) * kPi / 180;
    X[1] = static_cast<float>(i % columns);
    Y[1] = static_cast<float>(i / columns);
    X[2] = X[1] + static_cast<float>(0.7 * std::cos(a));
    Y[2] = Y[1] + static_cast<float>(0.7 * std::sin(a));
    doc->AddPath(X, Y, static_cast<int16_t>((i / columns) % 4));
  }
  doc->ZL();
  return doc;
}

std::string CorpusDir() {
  if (const char* dir = std::getenv("KW_CORPUS_DIR"); dir && *dir) return dir;
  return KW_CORPUS_DIR;
}

// The corpus's fabric nesting plot, or an empty path when there is no corpus.
std::filesystem::path FabricPlotFile() {
  if (CorpusDir().empty()) return {};
  const std::filesystem::path file = std::filesystem::path(CorpusDir()) / "plt/fabric-nesting_S_Fabric_Nesting.plt";
  return std::filesystem::exists(file) ? file : std::filesystem::path();
}

std::unique_ptr<CPathObj> FabricPlot() {
  const std::filesystem::path file = FabricPlotFile();
  if (file.empty()) return nullptr;
  auto doc = std::make_unique<CPathObj>();
  doc->PltInput(file.string(), "1");
  return doc;
}

struct Document {
  const char* name;
  std::function<std::unique_ptr<CPathObj>()> make;
  std::unique_ptr<CPathObj> doc;
  bool made = false;

  CPathObj* Get() {
    if (!made) doc = make(), made = true;
    return doc.get();
  }
};

// The documents at hand: without the corpus the fabric plot is left out, so
// that a plain checkout's smoke run does not report it as an error.
std::span<Document> Documents() {
  static std::vector<Document> documents = [] {
    std::vector<Document> all;
    all.push_back({"LongPaths", LongPaths, nullptr});
    all.push_back({"TwoPointPaths", TwoPointPaths, nullptr});
    if (!FabricPlotFile().empty()) all.push_back({"FabricPlot", FabricPlot, nullptr});
    return all;
  }();
  return documents;
}

// The views of a frame: everything, ten times closer about the middle, and
// panning twice as close, the view moving 1/40 of its width per frame.
enum class View { kShowAll, kZoom10, kPan };

kw::ViewRect ShowAll(const CPathObj& doc) {
  return kw::ZoomToRect(doc.Xmax(), doc.Ymax(), doc.Xmin(), doc.Ymin(), static_cast<double>(kWidth) / kHeight);
}

kw::ViewRect Zoomed(const kw::ViewRect& all, double factor) {
  kw::ViewRect v = all;
  v.width /= factor, v.height /= factor;
  v.left += (all.width - v.width) / 2, v.top += (all.height - v.height) / 2;
  return v;
}

kw::ViewRect FrameView(const CPathObj& doc, View view, int64_t frame) {
  const kw::ViewRect all = ShowAll(doc);
  if (view == View::kShowAll) return all;
  if (view == View::kZoom10) return Zoomed(all, 10);
  kw::ViewRect v = Zoomed(all, 2);
  const int64_t step = frame % 40;  // to the right and back again
  v.left += (step < 20 ? step - 10 : 30 - step) * v.width / 40;
  return v;
}

const std::vector<int32_t>& LayerColors() {
  static std::vector<int32_t> colors{Rgb(0, 0, 0),     Rgb(255, 0, 0),   Rgb(0, 160, 0),   Rgb(0, 0, 255),
                                     Rgb(160, 0, 160), Rgb(0, 160, 160), Rgb(160, 120, 0), Rgb(96, 96, 96)};
  return colors;
}

// What the view's paint handler does for one frame.
void DrawFrame(QPainter& painter, CPathObj& doc, const kw::ViewRect& v) {
  painter.fillRect(0, 0, kWidth, kHeight, QColor(224, 224, 224));
  kw::QtCanvas canvas(painter);
  const auto left = static_cast<float>(v.left), top = static_cast<float>(v.top);
  const auto width = static_cast<float>(v.width), height = static_cast<float>(v.height);
  const auto widthTw = static_cast<float>(kWidth * canvas.TwipsPerPixelX());
  const auto heightTw = static_cast<float>(kHeight * canvas.TwipsPerPixelY());
  doc.DrawRect(canvas, Rgb(255, 255, 255), left, top, width, height, widthTw, heightTw, static_cast<float>(doc.Xmax()),
               static_cast<float>(doc.Ymax()), static_cast<float>(doc.Xmin()), static_cast<float>(doc.Ymin()), true);
  auto colors = LayerColors();
  doc.Draw(canvas, 65280, colors, 32639, 32767, left, top, width, height, widthTw, heightTw, 0);
}

// Takes the document's drawing calls and draws nothing: what the document
// itself costs per frame, before any pixel is painted.
class CountingCanvas : public kw::pathcore::Canvas {
 public:
  int64_t segments = 0;
  double TwipsPerPixelX() const override { return 15; }
  double TwipsPerPixelY() const override { return 15; }
  kw::pathcore::CanvasTools Tools() const override { return tools_; }
  void SetPen(const kw::pathcore::CanvasPen& pen) override { tools_.pen = pen; }
  void SetBrush(const kw::pathcore::CanvasBrush& brush) override { tools_.brush = brush; }
  void MoveTo(int32_t, int32_t) override {}
  void LineTo(int32_t, int32_t) override { ++segments; }
  void Polyline(std::span<const kw::pathcore::CanvasPoint> points) override {
    segments += static_cast<int64_t>(points.size()) - 1;
  }
  void Polygon(std::span<const kw::pathcore::CanvasPoint>) override {}
  void PolyPolygon(std::span<const kw::pathcore::CanvasPoint>, std::span<const int32_t>) override {}
  void Ellipse(int32_t, int32_t, int32_t, int32_t) override {}
  void Rectangle(int32_t, int32_t, int32_t, int32_t) override {}
  void StretchImage(int32_t, int32_t, int32_t, int32_t, const kw::pathcore::BmpPicture&) override {}

 private:
  kw::pathcore::CanvasTools tools_;
};

void Describe(benchmark::State& state, const CPathObj& doc) {
  state.counters["segments"] = doc.SubCount();
  state.counters["paths"] = doc.Count();
}

void DrawOnImage(benchmark::State& state, Document& document, View view, QImage::Format format) {
  CPathObj* doc = document.Get();
  if (!doc) {
    state.SkipWithError("no corpus: configure KW_CORPUS_DIR or set it in the environment");
    return;
  }
  QImage image(kWidth, kHeight, format);
  int64_t frame = 0;
  for (auto _ : state) {
    QPainter painter(&image);
    DrawFrame(painter, *doc, FrameView(*doc, view, frame++));
  }
  benchmark::DoNotOptimize(image.constBits());
  Describe(state, *doc);
}

void DrawOnNothing(benchmark::State& state, Document& document, View view) {
  CPathObj* doc = document.Get();
  if (!doc) {
    state.SkipWithError("no corpus: configure KW_CORPUS_DIR or set it in the environment");
    return;
  }
  CountingCanvas canvas;
  const auto widthTw = static_cast<float>(kWidth * canvas.TwipsPerPixelX());
  const auto heightTw = static_cast<float>(kHeight * canvas.TwipsPerPixelY());
  int64_t frame = 0;
  for (auto _ : state) {
    const kw::ViewRect v = FrameView(*doc, view, frame++);
    auto colors = LayerColors();
    doc->Draw(canvas, 65280, colors, 32639, 32767, static_cast<float>(v.left), static_cast<float>(v.top),
              static_cast<float>(v.width), static_cast<float>(v.height), widthTw, heightTw, 0);
  }
  Describe(state, *doc);
  state.counters["drawn"] = static_cast<double>(canvas.segments) / static_cast<double>(state.iterations());
}

// A top-level widget painting the frame, as the view in the main window does.
class FrameWidget : public QWidget {
 public:
  FrameWidget(CPathObj& doc, View view) : doc_(doc), view_(view) { resize(kWidth, kHeight); }
  int64_t paints = 0;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    DrawFrame(painter, doc_, FrameView(doc_, view_, paints++));
  }

 private:
  CPathObj& doc_;
  View view_;
};

void DrawOnWidget(benchmark::State& state, Document& document, View view) {
  CPathObj* doc = document.Get();
  if (!doc) {
    state.SkipWithError("no corpus: configure KW_CORPUS_DIR or set it in the environment");
    return;
  }
  FrameWidget widget(*doc, view);
  widget.show();
  while (!widget.windowHandle() || !widget.windowHandle()->isExposed()) QApplication::processEvents();
  QApplication::processEvents();
  widget.paints = 0;
  for (auto _ : state) widget.repaint();
  if (widget.paints != state.iterations()) state.SkipWithError("the widget did not paint on every repaint");
  const auto* store = widget.backingStore() ? dynamic_cast<QImage*>(widget.backingStore()->paintDevice()) : nullptr;
  state.SetLabel(store ? "backing store format " + std::to_string(store->format()) : "backing store not an image");
  Describe(state, *doc);
}

void RegisterAll() {
  const std::pair<View, const char*> views[]{{View::kShowAll, "ShowAll"}, {View::kZoom10, "Zoom10"}, {View::kPan, "Pan"}};
  const std::pair<QImage::Format, const char*> formats[]{{QImage::Format_RGB32, "RGB32"},
                                                         {QImage::Format_ARGB32_Premultiplied, "ARGB32Pm"}};
  for (auto& document : Documents()) {
    for (const auto& [view, viewName] : views) {
      for (const auto& [format, formatName] : formats) {
        const std::string name = std::string("Image") + formatName + "/" + document.name + "/" + viewName;
        benchmark::RegisterBenchmark(name.c_str(), [&document, view = view, format = format](benchmark::State& s) {
          DrawOnImage(s, document, view, format);
        })->Unit(benchmark::kMillisecond);
      }
      const std::string name = std::string("Widget/") + document.name + "/" + viewName;
      benchmark::RegisterBenchmark(name.c_str(), [&document, view = view](benchmark::State& s) {
        DrawOnWidget(s, document, view);
      })->Unit(benchmark::kMillisecond);
      const std::string nothing = std::string("DocumentOnly/") + document.name + "/" + viewName;
      benchmark::RegisterBenchmark(nothing.c_str(), [&document, view = view](benchmark::State& s) {
        DrawOnNothing(s, document, view);
      })->Unit(benchmark::kMillisecond);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  kw::pathcore::SetAppPath(std::filesystem::temp_directory_path());
  return kw::bench::RunWithQt(argc, argv, RegisterAll);
}
