// The batch family of exports: settings, the record and point buffers, and
// the start and stop of the batch worker.
#include "axisproto/command_codes.h"
#include "axisnet/axisnet.h"
#include "batch_worker.h"
#include "export_guard.h"

using namespace kw::axisnet;

namespace {

constexpr int16_t kNotDuringBatch = 10000;
constexpr int32_t kNoBatchRunning = 10000;
constexpr int16_t kBatchFailed = -1;

void StartWorker(LibraryState& s) {
  if (s.worker.joinable()) s.worker.join();  // the thread of the previous batch has already ended
  if (s.layout_mode != 0) {
    s.worker = std::thread(RunRecordWorker, std::ref(s));
  } else {
    s.worker = std::thread(RunPointWorker, std::ref(s));
  }
}

int16_t AddRecord(LibraryState& s, int32_t x, int32_t y, int32_t z, int32_t speed, int32_t auxiliary) {
  std::lock_guard guard(s.buffer_lock);
  return s.records.Add({x, y, z, auxiliary, speed}) ? 0 : 1;
}

int16_t AddPoint(LibraryState& s, int32_t x, int32_t y, int32_t z, int32_t speed, int32_t auxiliary) {
  std::lock_guard guard(s.queue_lock);
  return s.queue.Add({x, y, z, speed, auxiliary}) ? 0 : 1;
}

}  // namespace

extern "C" {

void SetLayoutMode(int16_t mode) {
  if (!BatchRunning()) State().layout_mode = mode;
}

int16_t GetLayoutMode(void) { return State().layout_mode; }

int16_t BatchSetting(int32_t start_speed, int32_t acceleration, int32_t third_setting) {
  if (BatchRunning()) return kNotDuringBatch;
  LibraryState& s = State();
  s.ramp = {start_speed, acceleration};
  s.third_setting = third_setting;
  return 0;
}

int16_t BatchCmdClr(void) {
  LibraryState& s = State();
  {
    std::lock_guard guard(s.buffer_lock);
    s.records.Clear();
  }
  std::lock_guard guard(s.queue_lock);
  s.queue.Clear();
  return 0;
}

int32_t BatchBegin(int32_t x, int32_t y, int32_t z) {
  return Guarded(-1, [&] {
    if (BatchRunning()) return 0;
    LibraryState& s = State();
    s.begin = {x, y, z};
    s.stop_request = false;
    s.worker_finished = false;
    s.worker_failed = false;
    const uint8_t batch_begins = 0;
    SendCommand(command::kBufferMark, std::span(&batch_begins, 1));
    s.buffer_done = false;
    s.batch_running = 1;
    try {
      StartWorker(s);
    } catch (...) {
      s.batch_running = 0;  // no worker, so no batch: the host may begin again
      throw;
    }
    return 0;
  });
}

int16_t BatchCmdAdd(int32_t x, int32_t y, int32_t z, int32_t speed, int32_t auxiliary) {
  return Guarded<int16_t>(kBatchFailed, [&] {
    LibraryState& s = State();
    // "Full" would have the host retry for ever: nothing takes the records any more.
    if (s.worker_failed) return kBatchFailed;
    return s.layout_mode != 0 ? AddRecord(s, x, y, z, speed, auxiliary) : AddPoint(s, x, y, z, speed, auxiliary);
  });
}

void SetBufOk(void) { State().buffer_done = true; }

int32_t BatchEnd(void) {
  return Guarded(-1, [] {
    LibraryState& s = State();
    if (!BatchRunning() && !s.worker_failed) return kNoBatchRunning;
    s.stop_request = true;
    if (s.worker.joinable()) s.worker.join();
    return s.worker_failed.exchange(false) ? int32_t{kBatchFailed} : 0;
  });
}

int16_t GetBatchMode(void) { return State().batch_running; }

}  // extern "C"
