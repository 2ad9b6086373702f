// CAi: the reader of text-form Illustrator files. It interprets the path
// operators inside layers and flattens Bezier curves, in millimetres.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kw::pathcore {

class CAiEvents {
 public:
  virtual ~CAiEvents() = default;
  // Points at 0..n (zero-based), millimetres; Layer is always 0.
  virtual void OutPolyLine(std::vector<double>& X, std::vector<double>& Y, int16_t Layer) {
    (void)X, (void)Y, (void)Layer;
  }
};

class CAi {
 public:
  // PostScript points to millimetres, the constant the format's files were made with.
  static constexpr double kMmPerPoint = 0.352778483334722;

  void SetEvents(CAiEvents* sink) { events_ = sink; }

  // 0 when the file was read to the end, -1 on a file error.
  int16_t AiInput(const std::string& FileName);

 private:
  void ReadLine(const std::string& line);
  void AddCurve(const std::string& line);

  CAiEvents* events_ = nullptr;
  bool inLayer_ = false;
  bool inPath_ = false;
  std::vector<double> X, Y;
};

// Field k (1-based) of an AI line: the number after the (k-1)-th blank, in
// points; 0 when the line has no such field.
double AiField(const std::string& line, int k);

// Appends the flattened cubic Bezier P0..P3 (without P0) to X and Y.
void FlattenBezier(double x0, double y0, double x1, double y1, double x2, double y2, double x3, double y3,
                   std::vector<double>& X, std::vector<double>& Y);

}  // namespace kw::pathcore
