// The seeds of the binary formats must be inputs their readers accept: a seed
// that a format change has made unreadable would leave its fuzz target
// mutating refusals only, and nothing else would notice.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "machine/cut_layer.h"
#include "machine/layer_map.h"
#include "machine/project_file.h"
#include "pathcore/path_obj.h"

namespace {

namespace fs = std::filesystem;

const fs::path kSeeds = fs::path(KW_TESTDATA_DIR) / "fuzz";

std::vector<uint8_t> Seed(const char* target, const char* name) {
  std::ifstream in(kSeeds / target / name, std::ios::binary);
  std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  EXPECT_FALSE(bytes.empty()) << target << "/" << name << " is missing: run kw_fuzz_seeds";
  return bytes;
}

TEST(FuzzSeeds, DocumentSeedsLoadWithTheirPathsAndBitmap) {
  auto image = Seed("doc_image", "seed_document.bin");
  kw::pathcore::CPathObj fromImage;
  ASSERT_EQ(fromImage.SetBin(image, static_cast<int32_t>(image.size())), 0);
  EXPECT_EQ(fromImage.Count(), 3);  // a square, a triangle and the bitmap's frame

  kw::pathcore::CPathObj fromBitmap;
  fromBitmap.BmpInput((kSeeds / "bmp" / "seed_stripes.bmp").string());
  EXPECT_EQ(fromBitmap.Count(), 1);

  kw::pathcore::CPathObj fromPoints;
  ASSERT_EQ(fromPoints.OpenToDat((kSeeds / "dat" / "seed_paths.dat").string()), 0);
  EXPECT_GE(fromPoints.Count(), 1);
}

TEST(FuzzSeeds, LayerTableAndProjectSeedsLoad) {
  kw::CCutLayer cutLayers;
  kw::CLayerMap layerMap;
  EXPECT_FALSE(cutLayers.SetBin(Seed("cut_layer", "seed_default.bin"), 0));  // False: taken
  EXPECT_FALSE(layerMap.SetBin(Seed("layer_map", "seed_default.bin"), 0));

  kw::pathcore::CPathObj doc;
  EXPECT_EQ(kw::LoadProjectImage(Seed("project", "seed_document.rpt"), doc, cutLayers, layerMap),
            kw::ProjectRead::Loaded);
  EXPECT_EQ(doc.Count(), 3);
}

}  // namespace
