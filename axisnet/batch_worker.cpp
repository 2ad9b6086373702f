#include "batch_worker.h"

#include <algorithm>
#include <chrono>
#include <exception>
#include <string_view>
#include <thread>

#include "axisproto/command_codes.h"
#include "axisproto/batch_segment.h"
#include "axisproto/big_endian.h"
#include "library_state.h"
#include "trace.h"

namespace kw::axisnet {
namespace {

using std::chrono::milliseconds;

constexpr int32_t kSettingsConstant = 20000;

// The number of items the controller says it took; a reply of another size took nothing.
size_t TakenCount(const Transaction& t) { return t.OkWithLength(1) ? t.reply[0] : 0; }

void SendStartFrames(const LibraryState& state) {
  ByteWriter begin;
  PutBe32(begin, state.begin.x);
  PutBe32(begin, state.begin.y);
  PutBe32(begin, state.begin.z);
  ByteWriter settings;
  for (int32_t v : {state.ramp.start_speed, state.ramp.start_speed, state.ramp.acceleration, kSettingsConstant,
                    state.third_setting})
    PutBe32(settings, v);
  LockedTransact(command::kBeginPoint, begin.Data());
  LockedTransact(command::kSettings, settings.Data());
  LockedTransact(command::kBatchStart, {});
}

void FinishWorker(LibraryState& state) {
  LockedTransact(command::kBatchStop, {});
  state.worker_finished = true;
}

// One pass over pending records: true when a frame went out.
bool SendPendingRecords(LibraryState& state) {
  std::vector<uint8_t> data;
  {
    std::lock_guard guard(state.buffer_lock);
    const auto pending = state.records.Pending();
    if (pending.empty()) return false;
    data = EncodeRecords(pending);
  }
  const Transaction t = LockedTransact(command::kRecords, data);
  std::this_thread::sleep_for(milliseconds(20));
  const size_t taken = TakenCount(t);
  std::lock_guard guard(state.buffer_lock);
  state.records.Taken(taken);
  return true;
}

void HandOverOrMarkEnd(LibraryState& state) {
  std::lock_guard guard(state.buffer_lock);
  if (state.records.HandOverFill()) return;
  if (state.buffer_done) {
    const uint8_t all_handed_over = 1;
    LockedTransact(command::kBufferMark, std::span(&all_handed_over, 1));
    state.buffer_done = false;
  }
}

std::vector<BatchSegment> GatherSegments(LibraryState& state, Position3& at) {
  std::vector<BatchSegment> segments;
  while (segments.size() < kMaxSegmentsPerFrame) {
    std::optional<QueuedPoint> point;
    {
      std::lock_guard guard(state.queue_lock);
      point = state.queue.Take();
    }
    if (!point) break;
    ExpandTrapezoid(*point, state.ramp, at, segments);
  }
  return segments;
}

// A stop request also ends the resending, so BatchEnd returns when the controller is gone.
void SendSegments(LibraryState& state, std::span<const BatchSegment> segments) {
  size_t offset = 0;
  while (offset < segments.size() && !state.stop_request) {
    const Transaction t = LockedTransact(command::kSegments, EncodeSegments(segments.subspan(offset)));
    offset += std::min(TakenCount(t), segments.size() - offset);
    std::this_thread::sleep_for(milliseconds(1));
  }
}

void EndFailed(LibraryState& state, std::string_view what) noexcept {
  TraceFailure(what);
  state.worker_failed = true;
  try {
    LockedTransact(command::kBatchStop, {});  // the controller's side of the batch ends too, when it still can
  } catch (...) {
  }
}

// An exception leaving the thread would end the host: it ends the batch as
// failed instead. Either way the batch is over when this returns.
template <typename Body>
void RunToEnd(LibraryState& state, Body&& body) noexcept {
  try {
    body();
  } catch (const std::exception& e) {
    EndFailed(state, e.what());
  } catch (...) {
    EndFailed(state, "unknown exception in the batch worker");
  }
  state.batch_running = 0;
}

}  // namespace

void RunRecordWorker(LibraryState& state) {
  RunToEnd(state, [&state] {
    SendStartFrames(state);
    while (!state.stop_request) {
      if (!SendPendingRecords(state)) HandOverOrMarkEnd(state);
      std::this_thread::sleep_for(milliseconds(2));
    }
    FinishWorker(state);
    Trace("Exit->");
  });
}

void RunPointWorker(LibraryState& state) {
  RunToEnd(state, [&state] {
    SendStartFrames(state);
    Position3 at = state.begin;
    while (!state.stop_request) {
      const std::vector<BatchSegment> segments = GatherSegments(state, at);
      if (!segments.empty()) SendSegments(state, segments);
      std::this_thread::sleep_for(milliseconds(5));
    }
    FinishWorker(state);
  });
}

}  // namespace kw::axisnet
