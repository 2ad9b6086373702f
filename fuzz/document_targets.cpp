// The readers of the path document: bitmaps, point lists and the document
// image. What a reader takes is written back out, as saving a project would.
#include <vector>

#include "fuzz/fuzz_targets.h"
#include "pathcore/path_obj.h"
#include "scratch_file.h"
#include "value_sink.h"

namespace kw::fuzz {
namespace {

// Takes the document's image, and loads it into a second document: an image
// the program wrote itself must always load.
void SaveAndReload(kw::pathcore::CPathObj& doc) {
  std::vector<uint8_t> image;
  int32_t size = 0;
  doc.GetBin(image, size);
  kw::pathcore::CPathObj copy;
  if (copy.SetBin(image, size) != 0) __builtin_trap();
  Keep(copy.Xmax() + copy.Ymin() + copy.Count());
}

}  // namespace

void FuzzBmp(Bytes input) {
  static ScratchFile file(".bmp");
  kw::pathcore::CPathObj doc;
  doc.BmpInput(file.Write(input));
  SaveAndReload(doc);
}

void FuzzDat(Bytes input) {
  static ScratchFile file(".dat");
  kw::pathcore::CPathObj doc;
  doc.OpenToDat(file.Write(input));
  SaveAndReload(doc);
}

void FuzzDocImage(Bytes input) {
  std::vector<uint8_t> image(input.begin(), input.end());
  kw::pathcore::CPathObj doc;
  if (doc.SetBin(image, static_cast<int32_t>(image.size())) == 0) SaveAndReload(doc);
}

}  // namespace kw::fuzz
