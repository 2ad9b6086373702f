// The operation list of --ops ("selall,hb:0.05,mirror:1"): the names the
// command line knows, the numbers each takes and the one-line help of each.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kw::cli {

enum class EditOp {
  SelAll, SelInv, CancelSel, SelUnFb, SelSingal, Del, DaSan, Hb, BackFx, SetFb, AutoFb,
  Smooth, SetDk, UnsetDk, SetDrill, UnsetDrill, Bak, Undo, Redo,
  AutoS, AutoTree, SelectEdge, SetStartP, PxZ, PxA, PxP, PxN, SelX,
  Scale, Spin, Move, Array, Mirror, SetPathPos, WeedBox, WeedLines,
};

struct EditStep {
  EditOp op;
  double tolerance = 0;         // mm, for hb, autofb and selectedge: the first argument
  std::vector<double> args;     // every number after the name, in order
};

// Every name known and every number of the right kind and count, or nothing
// and a message naming the first bad entry and what is wrong with it.
std::optional<std::vector<EditStep>> ParseOps(std::string_view list, std::string& error);

// One line per operation, "  hb:TOL  join ...", for the command's help.
std::string OperationsHelp();

}  // namespace kw::cli
