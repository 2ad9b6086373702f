#include "app/cli/document_summary.h"

#include <map>
#include <nlohmann/json.hpp>

#include "app/cli/json_text.h"
#include "pathcore/document/path_obj_internals.h"

namespace kwcli {
namespace {

using nlohmann::ordered_json;

// The values the document measures in single precision.
const SingleKeys kSingleKeys{"cut_length_mm", "travel_length_mm", "safe_rect", "order"};

ordered_json LayerCensus(const pathcore::PathStore& s) {
  std::map<int16_t, int32_t> counts{{0, 0}, {1, 0}};
  for (int32_t k = 1; k <= s.ObjN; ++k) ++counts[s.ObjLayer[k]];
  ordered_json census = ordered_json::object();
  for (const auto& [layer, n] : counts) census[std::to_string(layer)] = n;
  return census;
}

ordered_json SafeRect(const pathcore::CPathObj& doc) {
  float xmin = 0, xmax = 0, ymin = 0, ymax = 0;
  doc.GetSafeRect(0, 0, xmin, xmax, ymin, ymax);
  return {xmin, xmax, ymin, ymax};
}

ordered_json Order(const pathcore::PathStore& s) {
  ordered_json order = ordered_json::array();
  for (int32_t k = 1; k <= s.ObjN; ++k) order.push_back({s.ObjSx[k], s.ObjSy[k], s.ObjEx[k], s.ObjEy[k]});
  return order;
}

}  // namespace

std::string SummaryJson(const pathcore::CPathObj& doc, bool withOrder) {
  const auto& s = pathcore::CPathObjInternals::Store(doc);
  ordered_json summary{
      {"paths", doc.Count()},
      {"subpaths", doc.SubCount()},
      {"points", s.PointN},
      {"bounds", {{"xmin", doc.Xmin()}, {"ymin", doc.Ymin()}, {"xmax", doc.Xmax()}, {"ymax", doc.Ymax()}}},
      {"cut_length_mm", doc.ObjLong()},
      {"travel_length_mm", doc.MoveLong()},
      {"layers", LayerCensus(s)},
      {"safe_rect", SafeRect(doc)},
  };
  if (withOrder) summary["order"] = Order(s);
  return JsonText(summary, kSingleKeys);
}

}  // namespace kwcli
