// Everything the library keeps: one controller per process, created when the
// library is loaded and ended (with any running batch) when it is unloaded.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <span>
#include <thread>

#include "link.h"
#include "point_queue.h"
#include "record_double_buffer.h"
#include "trapezoid.h"

namespace kw::axisnet {

struct LibraryState {
  LibraryState() = default;
  ~LibraryState();
  LibraryState(const LibraryState&) = delete;
  LibraryState& operator=(const LibraryState&) = delete;

  Link link;

  // Lock order: buffer_lock may be held while taking link_lock, never the reverse.
  std::mutex link_lock;    // one transaction in flight at a time
  std::mutex buffer_lock;  // records
  std::mutex queue_lock;   // queue

  // The flags shared with the batch worker; each has one writer per phase.
  std::atomic<int16_t> batch_running{0};
  std::atomic<bool> stop_request{false};
  std::atomic<bool> buffer_done{false};
  std::atomic<bool> worker_finished{false};
  std::atomic<bool> worker_failed{false};  // the worker ended on an exception; BatchEnd reports it

  std::atomic<int16_t> layout_mode{0};  // 0 point queue, otherwise record double buffer
  // Written only while no batch runs; the worker reads them after it starts.
  Position3 begin{};             // pulses
  RampSettings ramp{};
  int32_t third_setting = 1600;  // passed on to the controller only

  RecordDoubleBuffer records;
  PointQueue queue;
  std::thread worker;
};

LibraryState& State();

// One transaction under the link lock.
Transaction LockedTransact(uint8_t command, std::span<const uint8_t> data);

}  // namespace kw::axisnet
