#include "document_summary.h"

#include <map>

#include "json_text.h"

namespace kw::cli {
namespace {

std::string LayerCensus(const kw::pathcore::CPathObj& doc) {
  std::map<int16_t, int32_t> counts{{0, 0}, {1, 0}};
  for (int32_t k = 1; k <= doc.Count(); ++k) ++counts[doc.ObjLayer(k)];
  std::string text;
  for (const auto& [layer, n] : counts) {
    text += (text.empty() ? "\"" : ", \"") + std::to_string(layer) + "\": " + std::to_string(n);
  }
  return "{" + text + "}";
}

std::string SafeRect(const kw::pathcore::CPathObj& doc) {
  float xmin = 0, xmax = 0, ymin = 0, ymax = 0;
  doc.GetSafeRect(0, 0, xmin, xmax, ymin, ymax);
  return "[" + JsonNumberOfSingle(xmin) + ", " + JsonNumberOfSingle(xmax) + ", " + JsonNumberOfSingle(ymin) + ", " +
         JsonNumberOfSingle(ymax) + "]";
}

std::string Order(const kw::pathcore::CPathObj& doc) {
  std::string text;
  for (int32_t k = 1; k <= doc.Count(); ++k) {
    float sx = 0, sy = 0, ex = 0, ey = 0;
    doc.ObjEnds(k, sx, sy, ex, ey);
    text += (k == 1 ? "[" : ", [") + JsonNumberOfSingle(sx) + ", " + JsonNumberOfSingle(sy) + ", " +
            JsonNumberOfSingle(ex) + ", " + JsonNumberOfSingle(ey) + "]";
  }
  return "[" + text + "]";
}

}  // namespace

std::string SummaryJson(const kw::pathcore::CPathObj& doc, bool withOrder) {
  std::string json = "{\"paths\": " + std::to_string(doc.Count()) + ", \"subpaths\": " +
                     std::to_string(doc.SubCount()) + ", \"points\": " + std::to_string(doc.PointCount()) +
                     ", \"bounds\": {\"xmin\": " + JsonNumber(doc.Xmin()) + ", \"ymin\": " + JsonNumber(doc.Ymin()) +
                     ", \"xmax\": " + JsonNumber(doc.Xmax()) + ", \"ymax\": " + JsonNumber(doc.Ymax()) +
                     "}, \"cut_length_mm\": " + JsonNumberOfSingle(doc.ObjLong()) +
                     ", \"travel_length_mm\": " + JsonNumberOfSingle(doc.MoveLong()) +
                     ", \"layers\": " + LayerCensus(doc) + ", \"safe_rect\": " + SafeRect(doc);
  if (withOrder) json += ", \"order\": " + Order(doc);
  return json + "}";
}

}  // namespace kw::cli
