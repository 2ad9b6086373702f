#include "pathcore/path_obj.h"

#include <algorithm>
#include <system_error>

#include "pathcore/app_path.h"
#include "pathcore/file_locations.h"
#include "document/c_tree.h"
#include "document/path_store.h"
#include "document/progress_text.h"
#include "document/instance_files.h"
#include "document/library_state.h"
#include "geometry/guid_text.h"

namespace kw::pathcore {

CPathObj::CPathObj() : store_(std::make_unique<PathStore>()), S(*store_) {
  SetCurrentDocument(this);
  GuidBytes(S.DocGuid);
  // Snapshots of an earlier run of this process image must not survive.
  std::error_code ec;
  const auto backup = ScratchFolder() / "DocBk";
  if (!std::filesystem::exists(backup, ec)) {
    std::filesystem::create_directories(backup, ec);
  } else {
    DeleteInstanceFiles(backup, InstancePrefix());
  }
}

CPathObj::~CPathObj() {
  const auto folder = CurrentFileLocations().scratch;
  DeleteInstanceFiles(folder / "DocBk", InstancePrefix());
  DeleteInstanceFiles(folder, InstancePrefix());
  if (CurrentDocument() == this) SetCurrentDocument(nullptr);
}

void CPathObj::SetLang(int16_t Num) { SetLibraryLanguage(Num); }

void CPathObj::GetGUID(std::vector<uint8_t>& GuidDat) const {
  // The caller is meant to provide 32 elements; give it room rather than write past its array.
  if (GuidDat.size() < S.DocGuid.size()) GuidDat.resize(S.DocGuid.size());
  std::copy(S.DocGuid.begin(), S.DocGuid.end(), GuidDat.begin());
}

void CPathObj::RaiseJd(int32_t All, int32_t Dq, ProgressStep step) {
  if (!events_) return;
  if (const auto text = ProgressText(step, LibraryLanguage())) events_->Jd(All, Dq, *text);
}

void CPathObj::RaiseFinish() {
  if (events_) events_->Finish();
}

}  // namespace kw::pathcore
