// The single-pass letter scanner of HP-GL: pen up, pen down, absolute moves
// and pen select act; every other byte is read past.
#pragma once

#include <cstdint>
#include <functional>

#include "pending_polyline.h"
#include "support/buffered_file.h"

namespace kw::hpglscan {

class PltScanner {
 public:
  // raise is called for every finished polyline with the pending points still
  // in place; the scanner empties them afterwards.
  using RaiseFn = std::function<void(int32_t Count, int32_t SP)>;

  PltScanner(kw::BufferedFile& file, PendingPolyline& pending, int32_t& currentPen, RaiseFn raise)
      : file_(file), pending_(pending), pen_(currentPen), raise_(std::move(raise)) {}

  // Scans to the end of the file, closes it and raises what is still pending.
  void Run();

 private:
  enum class Step { Next, Dispatch, PenSelect, PenDown, PenUp, Finish };
  struct IntRead {
    int32_t value = 0;
    bool got = false;    // a number was read
    bool atEnd = false;  // the file ended during the read
  };

  Step Next();
  Step Dispatch();
  Step AfterS();
  Step PenSelect();
  Step Coordinates(bool penDown);
  IntRead ReadInteger();
  void Flush();

  kw::BufferedFile& file_;
  PendingPolyline& pending_;
  int32_t& pen_;
  RaiseFn raise_;
  int current_ = 0;        // the byte the last read stopped at
  bool penIsDown_ = false;
};

}  // namespace kw::hpglscan
