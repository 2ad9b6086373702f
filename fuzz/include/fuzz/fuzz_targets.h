// The fuzz targets of the readers. Each takes one input of any bytes and runs
// it through a reader as the program would; a reader may refuse the input in
// its own way, and anything else (a crash, a sanitizer report, an exception
// the reader does not document) is a fault. The libFuzzer programs and the
// replay test of the ordinary build call the same functions.
#pragma once

#include <cstdint>
#include <span>

namespace kw::fuzz {

using Bytes = std::span<const uint8_t>;

// The DXF and SVG readers refuse a drawing past a budget of points, and a few
// kilobytes of curves reach it. Under the sanitizers and coverage a point costs
// some ten times what it costs in the program, and inputs that spend the whole
// budget would slow the search to a crawl, so these targets read with 10,000
// points: the one-second limit then finds hangs rather than big drawings, and
// the refusal is still reached.
inline constexpr int kFuzzMostPoints = 10'000;

// Drawing readers of the path document library and the PLT scanner.
void FuzzPlt(Bytes input);
void FuzzHpgl2(Bytes input);
void FuzzDxf(Bytes input);
void FuzzAi(Bytes input);
void FuzzDst(Bytes input);
void FuzzBmp(Bytes input);
void FuzzDat(Bytes input);

// Binary images kept in project files.
void FuzzDocImage(Bytes input);
void FuzzCutLayer(Bytes input);
void FuzzLayerMap(Bytes input);
void FuzzProject(Bytes input);

// Settings and language files.
void FuzzProfile(Bytes input);

// Replies of the controller and the frames of the wire format.
void FuzzReply(Bytes input);

// The engraving library's own readers.
void FuzzCarveDxf(Bytes input);
void FuzzCarvePlt(Bytes input);
void FuzzCarveDst(Bytes input);

// SVG through Qt: SvgFuzzSetUp must have run once in the process first.
void SvgFuzzSetUp();
void FuzzSvg(Bytes input);

}  // namespace kw::fuzz
