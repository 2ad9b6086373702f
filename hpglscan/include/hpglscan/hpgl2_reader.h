// The HP-GL/2 reader: plot files as CAD programs write them (relative moves,
// scaling, polygon mode, circles and arcs), turned into polylines of plotter
// units. The PLT scanner (CPlt) stays the reader of sign-program files.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace kw::hpglscan {

// One finished polyline of at least two points, in plotter units (0.025 mm),
// drawn with pen Pen. The spans are valid only during the call.
using Hpgl2Sink = std::function<void(std::span<const double> X, std::span<const double> Y, int32_t Pen)>;

// Reads the whole file, calling sink for every polyline in drawing order;
// false when the file cannot be opened.
bool ReadHpgl2File(const std::string& FileName, const Hpgl2Sink& sink);

// The same over text already in memory.
void ReadHpgl2Text(std::string_view text, const Hpgl2Sink& sink);

}  // namespace kw::hpglscan
