// The background thread of a batch: it hands the buffered records (layout mode
// 1) or the expanded queued points (layout mode 0) to the controller.
#pragma once

namespace kw::axisnet {

struct LibraryState;

void RunRecordWorker(LibraryState& state);
void RunPointWorker(LibraryState& state);

}  // namespace kw::axisnet
