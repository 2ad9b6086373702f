#include "app/cli/document_summary.h"

#include <map>

#include "app/cli/json_text.h"
#include "pathcore/document/path_obj_internals.h"

namespace kwcli {
namespace {

std::string LayerCensus(const pathcore::PathStore& s) {
  std::map<int16_t, int32_t> counts{{0, 0}, {1, 0}};
  for (int32_t k = 1; k <= s.ObjN; ++k) ++counts[s.ObjLayer[k]];
  std::string text;
  for (const auto& [layer, n] : counts) {
    text += (text.empty() ? "\"" : ", \"") + std::to_string(layer) + "\": " + std::to_string(n);
  }
  return "{" + text + "}";
}

std::string SafeRect(const pathcore::CPathObj& doc) {
  float xmin = 0, xmax = 0, ymin = 0, ymax = 0;
  doc.GetSafeRect(0, 0, xmin, xmax, ymin, ymax);
  return "[" + JsonNumberOfSingle(xmin) + ", " + JsonNumberOfSingle(xmax) + ", " + JsonNumberOfSingle(ymin) + ", " +
         JsonNumberOfSingle(ymax) + "]";
}

std::string Order(const pathcore::PathStore& s) {
  std::string text;
  for (int32_t k = 1; k <= s.ObjN; ++k) {
    text += (k == 1 ? "[" : ", [") + JsonNumberOfSingle(s.ObjSx[k]) + ", " + JsonNumberOfSingle(s.ObjSy[k]) + ", " +
            JsonNumberOfSingle(s.ObjEx[k]) + ", " + JsonNumberOfSingle(s.ObjEy[k]) + "]";
  }
  return "[" + text + "]";
}

}  // namespace

std::string SummaryJson(const pathcore::CPathObj& doc, bool withOrder) {
  const auto& s = pathcore::CPathObjInternals::Store(doc);
  std::string json = "{\"paths\": " + std::to_string(doc.Count()) + ", \"subpaths\": " +
                     std::to_string(doc.SubCount()) + ", \"points\": " + std::to_string(s.PointN) +
                     ", \"bounds\": {\"xmin\": " + JsonNumber(doc.Xmin()) + ", \"ymin\": " + JsonNumber(doc.Ymin()) +
                     ", \"xmax\": " + JsonNumber(doc.Xmax()) + ", \"ymax\": " + JsonNumber(doc.Ymax()) +
                     "}, \"cut_length_mm\": " + JsonNumberOfSingle(doc.ObjLong()) +
                     ", \"travel_length_mm\": " + JsonNumberOfSingle(doc.MoveLong()) +
                     ", \"layers\": " + LayerCensus(s) + ", \"safe_rect\": " + SafeRect(doc);
  if (withOrder) json += ", \"order\": " + Order(s);
  return json + "}";
}

}  // namespace kwcli
