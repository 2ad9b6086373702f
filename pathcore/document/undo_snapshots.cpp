// The undo chain: up to 20 document images in snapshot files in the scratch
// folder (FileLocations), DocBaki naming the one that matches the current
// document.
#include <algorithm>
#include <system_error>

#include "pathcore/app_path.h"
#include "pathcore/file_locations.h"
#include "document/document_image.h"
#include "support/file_replace.h"
#include "pathcore/path_obj.h"
#include "document/path_store.h"
#include "geometry/guid_text.h"

namespace kw::pathcore {
namespace {

constexpr int16_t kMaxSnapshots = 20;

std::filesystem::path NewSnapshotFile() { return ScratchFolder() / (InstancePrefix() + NewGuidText() + ".tmp"); }

void DeleteFile(const std::string& name) {
  std::error_code ec;
  if (!name.empty()) std::filesystem::remove(name, ec);
}

}  // namespace

// The counters are public read/write, so the name list is made to cover them
// before it is indexed.
void CPathObj::FitSnapshotList() {
  S.DocBakCount = std::clamp<int16_t>(S.DocBakCount, 0, kMaxSnapshots);
  S.DocBakFiles.resize(static_cast<size_t>(S.DocBakCount) + 1);
}

int16_t CPathObj::DocBak() {
  FitSnapshotList();
  const auto file = NewSnapshotFile();
  if (S.DocBaki >= 0 && S.DocBaki < S.DocBakCount) {  // the redo history is dropped
    for (int16_t i = S.DocBaki + 1; i <= S.DocBakCount; ++i) DeleteFile(S.DocBakFiles[static_cast<size_t>(i)]);
    S.DocBakCount = S.DocBaki;
  }
  if (S.DocBakCount < kMaxSnapshots) {
    ++S.DocBakCount;
    S.DocBaki = S.DocBakCount;
    S.DocBakFiles.resize(static_cast<size_t>(S.DocBakCount) + 1);
  } else {
    DeleteFile(S.DocBakFiles[1]);
    std::move(S.DocBakFiles.begin() + 2, S.DocBakFiles.end(), S.DocBakFiles.begin() + 1);
  }
  S.DocBakFiles[static_cast<size_t>(S.DocBakCount)] = file.string();
  WriteFileReplacing(file, WriteDocumentImage(S));  // a failed write ends quietly
  return 0;
}

void CPathObj::LoadSnapshot(int16_t index) {
  if (index < 1 || index > S.DocBakCount) return;
  if (const auto image = ReadWholeFile(S.DocBakFiles[static_cast<size_t>(index)])) LoadDocumentImage(*image, S);
}

int16_t CPathObj::DocUndo() {
  FitSnapshotList();
  if (S.DocBaki < 2) return 0;
  --S.DocBaki;
  LoadSnapshot(S.DocBaki);
  return 0;
}

int16_t CPathObj::DocRedo() {
  FitSnapshotList();
  if (S.DocBaki >= S.DocBakCount) return 0;
  ++S.DocBaki;
  LoadSnapshot(S.DocBaki);
  return 0;
}

}  // namespace kw::pathcore
