// A canvas that records every call as a line of text, for drawing tests.
#pragma once

#include <string>
#include <vector>

#include "pathcore/canvas.h"

namespace kw::test {

class RecordingCanvas : public kw::pathcore::Canvas {
 public:
  std::vector<std::string> calls;
  kw::pathcore::CanvasTools tools;
  double tpx = 15, tpy = 15;  // twips per pixel

  double TwipsPerPixelX() const override { return tpx; }
  double TwipsPerPixelY() const override { return tpy; }
  kw::pathcore::CanvasTools Tools() const override { return tools; }
  void SetPen(const kw::pathcore::CanvasPen& pen) override {
    tools.pen = pen;
    Add("pen " + std::to_string(pen.color) + " " + std::to_string(pen.width) + " " + std::to_string(pen.style));
  }
  void SetBrush(const kw::pathcore::CanvasBrush& brush) override {
    tools.brush = brush;
    Add("brush " + std::to_string(brush.color));
  }
  void MoveTo(int32_t x, int32_t y) override { Add("move " + Pt(x, y)); }
  void LineTo(int32_t x, int32_t y) override { Add("line " + Pt(x, y)); }
  void Polyline(std::span<const kw::pathcore::CanvasPoint> p) override { Add("polyline " + Pts(p)); }
  void Polygon(std::span<const kw::pathcore::CanvasPoint> p) override { Add("polygon " + Pts(p)); }
  void PolyPolygon(std::span<const kw::pathcore::CanvasPoint> p, std::span<const int32_t> counts) override {
    Add("polypolygon " + std::to_string(counts.size()) + " " + Pts(p));
  }
  void Ellipse(int32_t l, int32_t t, int32_t r, int32_t b) override { Add("ellipse " + Pt(l, t) + " " + Pt(r, b)); }
  void Rectangle(int32_t l, int32_t t, int32_t r, int32_t b) override { Add("rect " + Pt(l, t) + " " + Pt(r, b)); }
  void StretchImage(int32_t x, int32_t y, int32_t w, int32_t h, const kw::pathcore::BmpPicture&) override {
    Add("image " + Pt(x, y) + " " + Pt(w, h));
  }

  // The recorded calls that start with `kind`.
  std::vector<std::string> Of(const std::string& kind) const {
    std::vector<std::string> out;
    for (const auto& c : calls) {
      if (c.rfind(kind, 0) == 0) out.push_back(c);
    }
    return out;
  }

 private:
  void Add(std::string s) { calls.push_back(std::move(s)); }
  static std::string Pt(int32_t x, int32_t y) { return std::to_string(x) + "," + std::to_string(y); }
  static std::string Pts(std::span<const kw::pathcore::CanvasPoint> p) {
    std::string s = std::to_string(p.size());
    if (!p.empty()) s += " " + Pt(p.front().x, p.front().y) + ".." + Pt(p.back().x, p.back().y);
    return s;
  }
};

}  // namespace kw::test
