#include "document_summary.h"

#include <map>
#include <nlohmann/json.hpp>

#include "json_text.h"

namespace kw::cli {
namespace {

using nlohmann::ordered_json;

// The values the document measures in single precision.
const SingleKeys kSingleKeys{"cut_length_mm", "travel_length_mm", "safe_rect", "order"};

ordered_json LayerCensus(const kw::pathcore::CPathObj& doc) {
  std::map<int16_t, int32_t> counts{{0, 0}, {1, 0}};
  for (int32_t k = 1; k <= doc.Count(); ++k) ++counts[doc.ObjLayer(k)];
  ordered_json census = ordered_json::object();
  for (const auto& [layer, n] : counts) census[std::to_string(layer)] = n;
  return census;
}

ordered_json SafeRect(const kw::pathcore::CPathObj& doc) {
  float xmin = 0, xmax = 0, ymin = 0, ymax = 0;
  doc.GetSafeRect(0, 0, xmin, xmax, ymin, ymax);
  return {xmin, xmax, ymin, ymax};
}

ordered_json Order(const kw::pathcore::CPathObj& doc) {
  ordered_json order = ordered_json::array();
  for (int32_t k = 1; k <= doc.Count(); ++k) {
    float sx = 0, sy = 0, ex = 0, ey = 0;
    doc.ObjEnds(k, sx, sy, ex, ey);
    order.push_back({sx, sy, ex, ey});
  }
  return order;
}

}  // namespace

std::string SummaryJson(const kw::pathcore::CPathObj& doc, bool withOrder) {
  ordered_json summary{
      {"paths", doc.Count()},
      {"subpaths", doc.SubCount()},
      {"points", doc.PointCount()},
      {"bounds", {{"xmin", doc.Xmin()}, {"ymin", doc.Ymin()}, {"xmax", doc.Xmax()}, {"ymax", doc.Ymax()}}},
      {"cut_length_mm", doc.ObjLong()},
      {"travel_length_mm", doc.MoveLong()},
      {"layers", LayerCensus(doc)},
      {"safe_rect", SafeRect(doc)},
  };
  if (withOrder) summary["order"] = Order(doc);
  return JsonText(summary, kSingleKeys);
}

}  // namespace kw::cli
