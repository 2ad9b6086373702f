#include "plt_scanner.h"

namespace kw::hpglscan {

namespace {
bool IsDigit(int c) { return c >= '0' && c <= '9'; }
}  // namespace

void PltScanner::Run() {
  penIsDown_ = false;
  Step step = Step::Next;
  while (step != Step::Finish) {
    switch (step) {
      case Step::Next: step = Next(); break;
      case Step::Dispatch: step = Dispatch(); break;
      case Step::PenSelect: step = PenSelect(); break;
      case Step::PenDown: step = Coordinates(true); break;
      case Step::PenUp: step = Coordinates(false); break;
      case Step::Finish: break;
    }
  }
  file_.Close();
  if (pending_.Count() > 0) Flush();
}

// Only four letters can start anything, so every other byte is skipped here
// without a round through Dispatch.
PltScanner::Step PltScanner::Next() {
  for (;;) {
    const int c = file_.Get();
    if (c == kw::BufferedFile::kEnd) return Step::Finish;
    if (c == 'S' || c == 'U' || c == 'D' || c == 'A') {
      current_ = c;
      return Step::Dispatch;
    }
  }
}

PltScanner::Step PltScanner::Dispatch() {
  switch (current_) {
    case 'S':
      return AfterS();
    case 'U':
      if (pending_.Count() > 0) Flush();
      penIsDown_ = false;
      return Step::PenUp;
    case 'D':
      penIsDown_ = true;
      return Step::PenDown;
    case 'A':
      return penIsDown_ ? Step::PenDown : Step::PenUp;
    default:
      return Step::Next;
  }
}

// "SU" and "SD" take coordinates without touching the pen state; "SP" selects.
PltScanner::Step PltScanner::AfterS() {
  int c = file_.Get();
  while (c == 'S') c = file_.Get();
  if (c == kw::BufferedFile::kEnd) return Step::Finish;
  if (c == 'U') return Step::PenUp;
  if (c == 'D') return Step::PenDown;
  if (c == 'P') return Step::PenSelect;
  return Step::Next;
}

PltScanner::Step PltScanner::PenSelect() {
  const IntRead r = ReadInteger();
  if (r.got) {
    if (pending_.Count() > 0 && r.value != pen_) Flush();
    pen_ = r.value;
  }
  return r.atEnd ? Step::Finish : Step::Dispatch;
}

PltScanner::Step PltScanner::Coordinates(bool penDown) {
  for (;;) {
    const IntRead x = ReadInteger();
    if (!x.got) return x.atEnd ? Step::Finish : Step::Dispatch;
    if (x.atEnd) return Step::Finish;
    if (current_ == 'S' || current_ == 'U' || current_ == 'D') return Step::Dispatch;
    const IntRead y = ReadInteger();
    if (!y.got) return y.atEnd ? Step::Finish : Step::Dispatch;
    if (!penDown) {
      // Only the first pair of a pen-up command counts; it starts a new polyline.
      pending_.Clear();
      pending_.Append(x.value, y.value);
      return y.atEnd ? Step::Finish : Step::Next;
    }
    pending_.Append(x.value, y.value);
    if (y.atEnd) return Step::Finish;
    if (current_ == ',') continue;
    if (current_ != ' ') return Step::Next;
    const int c = file_.Get();
    if (c == kw::BufferedFile::kEnd) return Step::Finish;
    if (c == ',') continue;
    current_ = c;
    return Step::Dispatch;
  }
}

// Digits with an optional leading "-"; no blanks, no "+", no fractions.
// The value wraps in 32 bits, as the plotter's own arithmetic does.
PltScanner::IntRead PltScanner::ReadInteger() {
  IntRead r;
  int c = file_.Get();
  if (c == kw::BufferedFile::kEnd) return r.atEnd = true, r;
  const bool negative = c == '-';
  if (negative) {
    c = file_.Get();
    if (c == kw::BufferedFile::kEnd) return r.atEnd = true, r;
  }
  if (!IsDigit(c)) {
    current_ = c;
    return r;
  }
  uint32_t value = 0;
  while (IsDigit(c)) {
    value = value * 10u + static_cast<uint32_t>(c - '0');
    c = file_.Get();
  }
  r.got = true;
  if (c == kw::BufferedFile::kEnd) {
    r.atEnd = true;
  } else {
    current_ = c;
  }
  r.value = static_cast<int32_t>(negative ? 0u - value : value);
  return r;
}

void PltScanner::Flush() {
  raise_(pending_.Count(), pen_);
  pending_.Clear();
}

}  // namespace kw::hpglscan
