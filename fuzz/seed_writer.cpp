// Writes the seeds of the fuzz targets whose formats are binary images the
// program itself produces, through the program's own writers, into
// testdata/fuzz/<target>/. Run it after a format changes and commit its output:
//   build/asan/bin/kw_fuzz_seeds testdata
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "axisproto/batch_record.h"
#include "axisproto/batch_segment.h"
#include "axisproto/command_codes.h"
#include "axisproto/frame.h"
#include "machine/cut_layer.h"
#include "machine/layer_map.h"
#include "machine/project_file.h"
#include "pathcore/path_obj.h"
#include "support/byte_writer.h"

namespace {

namespace fs = std::filesystem;
namespace net = kw::axisnet;

void Save(const fs::path& file, const std::vector<uint8_t>& bytes) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<std::streamsize>(bytes.size()));
}

// A 16 x 8 pixel 1-bit bitmap of diagonal stripes, 300 pixels an inch.
std::vector<uint8_t> StripedBitmap() {
  constexpr uint32_t kOffBits = 14 + 40 + 8, kRowBytes = 4, kRows = 8;
  kw::ByteWriter w;
  w.U8('B'), w.U8('M'), w.U32(kOffBits + kRowBytes * kRows), w.U32(0), w.U32(kOffBits);
  w.U32(40), w.I32(16), w.I32(kRows), w.U16(1), w.U16(1), w.U32(0), w.U32(kRowBytes * kRows);
  w.I32(11811), w.I32(11811), w.U32(2), w.U32(0);
  w.U32(0x000000), w.U32(0xFFFFFF);
  for (uint32_t row = 0; row < kRows; ++row) {
    w.U8(static_cast<uint8_t>(0x81u >> row)), w.U8(static_cast<uint8_t>(0x0Fu << (row % 4))), w.U8(0), w.U8(0);
  }
  return w.Take();
}

// A document of a square, a triangle and the striped bitmap.
void FillDocument(kw::pathcore::CPathObj& doc, const fs::path& bitmap) {
  const std::vector<float> sx{0, 0, 10, 10, 0, 0}, sy{0, 0, 0, 10, 10, 0};
  const std::vector<float> tx{0, 20, 30, 25, 20}, ty{0, 0, 0, 8, 0};
  doc.AddPath(sx, sy, 1);
  doc.AddPath(tx, ty, 2);
  doc.BmpInput(bitmap.string());
  doc.ZL();
}

std::vector<uint8_t> ReplyFrames() {
  const std::vector<uint8_t> positions(18, 0x12);
  auto bytes = net::BuildReply(0, net::command::kGetPositions, positions);
  const auto status = net::BuildReply(0, net::command::kMotionStatus, std::vector<uint8_t>{0x00, 0x03});
  bytes.insert(bytes.end(), status.begin(), status.end());
  return bytes;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: kw_fuzz_seeds TESTDATA_FOLDER\n");
    return 2;
  }
  const fs::path out = fs::path(argv[1]) / "fuzz";
  const fs::path bitmap = out / "bmp" / "seed_stripes.bmp";
  Save(bitmap, StripedBitmap());

  kw::pathcore::CPathObj doc;
  FillDocument(doc, bitmap);
  std::vector<uint8_t> image;
  int32_t size = 0;
  doc.GetBin(image, size);
  Save(out / "doc_image" / "seed_document.bin", image);
  fs::create_directories(out / "dat");
  doc.SaveToDat((out / "dat" / "seed_paths.dat").string());

  kw::CCutLayer cutLayers;
  kw::CLayerMap layerMap;
  cutLayers.GetBin(image, size);
  Save(out / "cut_layer" / "seed_default.bin", image);
  layerMap.GetBin(image, size);
  Save(out / "layer_map" / "seed_default.bin", image);
  Save(out / "project" / "seed_document.rpt", kw::ProjectImage(doc, cutLayers, layerMap));

  Save(out / "reply" / "seed_replies.bin", ReplyFrames());
  const std::vector<net::BatchRecord> records{{100, 200, 0, 1, 4000}, {-50, 25, 0, 0, 2000}};
  Save(out / "reply" / "seed_records_request.bin",
       net::BuildRequest(net::command::kRecords, net::EncodeRecords(records)));
  const std::vector<net::BatchSegment> segments{{net::kSegmentStartSpeed, 0, 0, 0, 500, 0},
                                                {net::kSegmentLine, 100, 100, 0, 141, 0}};
  Save(out / "reply" / "seed_segments_request.bin",
       net::BuildRequest(net::command::kSegments, net::EncodeSegments(segments)));
  return 0;
}
