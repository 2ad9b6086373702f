// Replays every kept input of every fuzz target through the same function the
// fuzz program calls: the crashers found so far and the hand-made regression
// inputs under testdata/fuzz/<target>/, and the target's seed drawings. A
// fault shows as a sanitizer report or an unexpected exception.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/fuzz_targets.h"

namespace kw::fuzz {
namespace {

namespace fs = std::filesystem;

struct Target {
  const char* name;
  void (*run)(Bytes);
  std::vector<std::string> seedFolders;  // below testdata/
};

const std::vector<Target>& Targets() {
  static const std::vector<Target> targets = {
      {"plt", FuzzPlt, {"plt", "hpgl"}},
      {"hpgl2", FuzzHpgl2, {"hpgl", "plt"}},
      {"dxf", FuzzDxf, {"dxf"}},
      {"ai", FuzzAi, {"ai"}},
      {"dst", FuzzDst, {"dst"}},
      {"bmp", FuzzBmp, {}},
      {"dat", FuzzDat, {}},
      {"doc_image", FuzzDocImage, {}},
      {"cut_layer", FuzzCutLayer, {}},
      {"layer_map", FuzzLayerMap, {}},
      {"project", FuzzProject, {}},
      {"profile", FuzzProfile, {}},
      {"reply", FuzzReply, {}},
      {"carve_dxf", FuzzCarveDxf, {"dxf"}},
      {"carve_plt", FuzzCarvePlt, {"plt", "hpgl"}},
      {"carve_dst", FuzzCarveDst, {"dst"}},
      {"svg", FuzzSvg, {"svg"}},
  };
  return targets;
}

std::vector<uint8_t> ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<fs::path> FilesIn(const fs::path& folder) {
  std::vector<fs::path> files;
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) return files;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.is_regular_file()) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

// Without SvgFuzzSetUp the SVG reader makes a GUI application of its own for
// each input, as the command line does.
class FuzzReplay : public ::testing::TestWithParam<Target> {
 protected:
  // Runs every file of folder through the target; how many there were.
  static size_t Replay(const Target& target, const fs::path& folder) {
    const auto files = FilesIn(folder);
    for (const auto& file : files) {
      SCOPED_TRACE(file.string());
      const auto bytes = ReadBytes(file);
      EXPECT_NO_THROW(target.run(bytes));
    }
    return files.size();
  }
};

TEST_P(FuzzReplay, KeptInputsAndSeedsRunClean) {
  const Target& target = GetParam();
  const fs::path testdata = KW_TESTDATA_DIR;
  size_t replayed = Replay(target, testdata / "fuzz" / target.name);
  for (const auto& folder : target.seedFolders) replayed += Replay(target, testdata / folder);
  // A target with nothing to replay would pass without testing anything.
  EXPECT_GT(replayed, 0u);
}

// Empty and one-byte inputs are where a reader most often assumes a header.
TEST_P(FuzzReplay, TinyInputsRunClean) {
  const Target& target = GetParam();
  EXPECT_NO_THROW(target.run({}));
  for (int b = 0; b < 256; ++b) {
    const uint8_t byte = static_cast<uint8_t>(b);
    EXPECT_NO_THROW(target.run(Bytes(&byte, 1)));
  }
}

void PrintTo(const Target& target, std::ostream* out) { *out << target.name; }

INSTANTIATE_TEST_SUITE_P(Readers, FuzzReplay, ::testing::ValuesIn(Targets()),
                         [](const ::testing::TestParamInfo<Target>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace kw::fuzz
