#include "plt_reader.h"

#include <algorithm>
#include <cmath>
#include <fstream>

#include "carvecalc/carve_fault.h"
#include "support/text_line_reader.h"
#include "support/basic_text.h"

namespace kw::carvecalc {

namespace {

constexpr double kUnitsPerMm = 39.9999;

// "PU1200 800;" -> (1200, 800) / 39.9999; the X and Y are split at the first
// space, or at the first comma in files that separate them that way.
polyfunction ParseVertex(const std::string& line) {
  std::string text = line.size() > 2 ? line.substr(2) : std::string();
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.pop_back();
  if (!text.empty() && text.back() == ';') text.pop_back();
  size_t split = text.find(' ');
  if (split == std::string::npos) split = text.find(',');
  const std::string x = text.substr(0, split);
  const std::string y = split == std::string::npos ? std::string() : text.substr(split + 1);
  return {kw::Val(x) / kUnitsPerMm, kw::Val(y) / kUnitsPerMm};
}

bool IsFinite(const polyfunction& p) { return std::isfinite(p.X) && std::isfinite(p.Y); }

class PltBuilder {
 public:
  PltBuilder(std::vector<polygonside>& polylines, std::vector<train>& entities)
      : polylines_(polylines), entities_(entities) {}

  void Pen(const std::string& line) { pen_ = line.size() > 2 ? static_cast<int>(kw::Val(line.substr(2, 1))) : 0; }

  void Up(const std::string& line) {
    Finish();
    const polyfunction first = ParseVertex(line);
    if (!IsFinite(first)) return;  // junk: its PD lines have no polyline to join
    polygonside p;
    p.polylayer = p.polyshield = static_cast<int16_t>(std::max(0, pen_ - 1));
    p.polykeep = true;
    p.polyside.push_back(first);
    current_ = std::move(p);
    open_ = true;
  }

  void Down(const std::string& line) {
    const polyfunction v = ParseVertex(line);
    if (open_ && IsFinite(v)) current_.polyside.push_back(v);
  }

  // Ends the current polyline; a polyline not ended by LT ends at the next PU
  // or at the end of the file.
  void Finish() {
    if (!open_) return;
    open_ = false;
    auto& v = current_.polyside;
    current_.polycount = static_cast<int32_t>(v.size());
    current_.closed = v.front().X == v.back().X && v.front().Y == v.back().Y;
    entities_.push_back({"Polyline", static_cast<int32_t>(polylines_.size())});
    polylines_.push_back(std::move(current_));
    current_ = polygonside{};
  }

 private:
  std::vector<polygonside>& polylines_;
  std::vector<train>& entities_;
  polygonside current_;
  bool open_ = false;
  int pen_ = 0;
};

}  // namespace

void ReadPlt(const std::string& filename, std::vector<polygonside>& polylines,
             std::vector<train>& entities) {
  std::ifstream in(filename, std::ios::binary);
  if (!in) throw CarveFault(CarveError::FileNotFound, "cannot open " + filename);
  PltBuilder builder(polylines, entities);
  kw::StreamBytes lines(in);
  std::string line;
  while (kw::ReadTextLine(lines, line)) {
    const std::string command = line.substr(0, 2);
    if (command == "SP") builder.Pen(line);
    else if (command == "PU") builder.Up(line);
    else if (command == "PD") builder.Down(line);
    else if (command == "LT") builder.Finish();
  }
  builder.Finish();
}

}  // namespace kw::carvecalc
