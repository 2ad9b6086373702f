// What the machine cut against what it was asked to cut: the tool path's
// stretches with the tool down, compared with the streamed paths.
#pragma once

#include <string>
#include <vector>

#include "axissim/tool_path.h"

namespace kw::soak {

struct Point {
  double x = 0, y = 0;  // pulses
};
using Polyline = std::vector<Point>;

// The stretches of the head's path with Z below `upZ` (pulses, the lifted
// tool's height), each as the points the head passed with the tool down.
std::vector<Polyline> ToolDownStretches(const std::vector<axissim::PathSample>& samples, double upZ);

// Empty when the cut matches; otherwise what is wrong. Every streamed path
// must have been cut in full and in order; with `stopped`, the last path cut
// may end early on its way, and a last stretch that only lowered the tool
// without moving (the stop came before its path was streamed) is allowed.
// Drops a stretch that only dipped the tool where the one before it ended or
// the next one starts: a lift or lowering carried out twice and corrected
// dips the tool into a hole that is cut anyway, and cuts nothing new.
std::vector<Polyline> WithoutRedips(const std::vector<Polyline>& stretches);

std::string CompareCut(const std::vector<Polyline>& cut, const std::vector<Polyline>& streamed, bool stopped);

}  // namespace kw::soak
