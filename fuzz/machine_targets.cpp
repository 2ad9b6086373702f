// The machine side's readers: both layer-table blocks, the project file and
// the profile texts of settings and language files.
#include <string>
#include <vector>

#include "fuzz/fuzz_targets.h"
#include "machine/cut_layer.h"
#include "machine/layer_map.h"
#include "machine/profile_file.h"
#include "machine/project_file.h"
#include "pathcore/path_obj.h"
#include "scratch_file.h"
#include "value_sink.h"

namespace kw::fuzz {
namespace {

template <typename Table>
void KeepBlock(const Table& table) {
  std::vector<uint8_t> block;
  int32_t size = 0;
  table.GetBin(block, size);
  KeepAll(block);
}

// The section and key names the input's own lines suggest, so that lookups
// hit as often as they miss.
std::vector<std::string> NamesIn(const std::vector<std::string>& lines) {
  std::vector<std::string> names;
  for (const auto& line : lines) {
    const auto open = line.find('['), close = line.find(']'), equals = line.find('=');
    if (open != std::string::npos && close != std::string::npos && open < close)
      names.push_back(line.substr(open + 1, close - open - 1));
    if (equals != std::string::npos) names.push_back(line.substr(0, equals));
    if (names.size() >= 8) break;
  }
  return names;
}

}  // namespace

void FuzzCutLayer(Bytes input) {
  kw::CCutLayer table;
  table.SetBin(input, static_cast<int32_t>(input.size()));
  KeepBlock(table);
}

void FuzzLayerMap(Bytes input) {
  kw::CLayerMap map;
  map.SetBin(input, static_cast<int32_t>(input.size()));
  KeepBlock(map);
}

void FuzzProject(Bytes input) {
  kw::pathcore::CPathObj doc;
  kw::CCutLayer cutLayers;
  kw::CLayerMap layerMap;
  if (kw::LoadProjectImage(input, doc, cutLayers, layerMap) != kw::ProjectRead::Loaded) return;
  KeepAll(kw::ProjectImage(doc, cutLayers, layerMap));
}

void FuzzProfile(Bytes input) {
  static ScratchFile file(".ini");
  auto text = kw::ProfileText::Load(file.Write(input));
  const auto names = NamesIn(text.Lines());
  for (const auto& section : names) {
    for (const auto& key : names) {
      if (const auto value = text.Get(section, key)) Keep(static_cast<double>(value->size()));
    }
  }
  if (!names.empty()) text.Set(names.front(), names.back(), "1");
  for (const auto& line : text.Lines()) Keep(static_cast<double>(line.size()));
}

}  // namespace kw::fuzz
