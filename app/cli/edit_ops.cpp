#include "edit_ops.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

#include "support/checked_number.h"

namespace kw::cli {
namespace {

// The numbers after an operation's name, one letter each: d any number,
// f a number in single precision, i a whole 16-bit number, n a path number,
// p a number above 0.
struct OpEntry {
  std::string_view name;
  EditOp op;
  std::string_view kinds;
  std::string_view params;  // how the help names the numbers
  std::string_view what;
};

constexpr std::array kOps{
    OpEntry{"selall", EditOp::SelAll, "", "", "select every path"},
    OpEntry{"selinv", EditOp::SelInv, "", "", "invert the selection"},
    OpEntry{"cancelsel", EditOp::CancelSel, "", "", "select nothing"},
    OpEntry{"selunfb", EditOp::SelUnFb, "", "", "select just the open paths (first and last point apart)"},
    OpEntry{"selsingal", EditOp::SelSingal, "", "", "select just the single segments (paths of two points)"},
    OpEntry{"del", EditOp::Del, "", "", "delete the selected paths"},
    OpEntry{"dasan", EditOp::DaSan, "", "", "explode the selected paths into single segments"},
    OpEntry{"hb", EditOp::Hb, "d", "TOL", "join selected paths of one layer whose ends lie within TOL mm"},
    OpEntry{"backfx", EditOp::BackFx, "", "", "reverse the direction of the selected paths"},
    OpEntry{"setfb", EditOp::SetFb, "", "", "close the selected open paths (their first point again at the end)"},
    OpEntry{"autofb", EditOp::AutoFb, "f", "GAP", "close the selected paths whose ends are less than GAP mm apart"},
    OpEntry{"smooth", EditOp::Smooth, "", "", "smooth the selected paths into curves"},
    OpEntry{"setdk", EditOp::SetDk, "", "", "turn the selected paths into one engraving frame"},
    OpEntry{"unsetdk", EditOp::UnsetDk, "", "", "turn the selected engraving frames back into their paths"},
    OpEntry{"setdrill", EditOp::SetDrill, "", "", "make the selected paths drill paths"},
    OpEntry{"unsetdrill", EditOp::UnsetDrill, "", "", "make the selected drill paths cut paths again"},
    OpEntry{"bak", EditOp::Bak, "", "", "keep an undo snapshot of the document"},
    OpEntry{"undo", EditOp::Undo, "", "", "go back to the previous undo snapshot"},
    OpEntry{"redo", EditOp::Redo, "", "", "go forward to the next undo snapshot"},
    OpEntry{"autos", EditOp::AutoS, "", "",
           "order by distance: the nearest path next, reversed where that is shorter; selects nothing"},
    OpEntry{"autotree", EditOp::AutoTree, "", "",
           "order inside before outside: what a closed path encloses comes before it, in bands"},
    OpEntry{"selectedge", EditOp::SelectEdge, "f", "TOL",
           "add the outermost closed paths to the selection (ends within TOL mm count as closed)"},
    OpEntry{"setstartp", EditOp::SetStartP, "fff", "X:Y:TOL",
           "start the closed path passing within TOL mm of X,Y at its point there"},
    OpEntry{"pxz", EditOp::PxZ, "", "", "move the selected paths to the end of the order"},
    OpEntry{"pxa", EditOp::PxA, "", "", "move the selected paths to the front of the order"},
    OpEntry{"pxp", EditOp::PxP, "", "",
           "move the current path one place earlier (several selected: one block ending with it)"},
    OpEntry{"pxn", EditOp::PxN, "", "",
           "move the current path one place later (several selected: one block starting with it)"},
    OpEntry{"selx", EditOp::SelX, "n", "N", "select path N alone (nothing happens without a path N)"},
    OpEntry{"scale", EditOp::Scale, "ddi", "SX:SY:REF",
           "scale the selected paths about REF: 0 centre, 1-4 corner TL TR BL BR, other origin"},
    OpEntry{"spin", EditOp::Spin, "di", "DEG:REF",
           "turn the selected paths DEG whole degrees anticlockwise about REF (as for scale)"},
    OpEntry{"move", EditOp::Move, "ff", "DX:DY", "move the selected paths (and bitmap frames) by DX,DY mm"},
    OpEntry{"array", EditOp::Array, "ffii", "DX:DY:NX:NY",
           "copy the selected paths into NX columns DX mm apart and NY rows DY mm down"},
    OpEntry{"mirror", EditOp::Mirror, "i", "AXIS",
           "mirror the selected paths: 0/1/2 in X about centre/left/right, 3/4/5 in Y about centre/top/bottom"},
    OpEntry{"setpathpos", EditOp::SetPathPos, "ff", "X:Y", "move the whole document so its bottom-right corner is X,Y"},
    OpEntry{"weedbox", EditOp::WeedBox, "p", "MARGIN",
           "add a rectangle MARGIN mm around the selected paths (all when none is) and select it alone"},
    OpEntry{"weedlines", EditOp::WeedLines, "p", "SPACING",
           "cut weed lines every SPACING mm from the selected weed box inwards, short of the shapes; select them"},
};

std::string Usage(const OpEntry& entry) {
  return entry.params.empty() ? std::string(entry.name) : std::string(entry.name) + ":" + std::string(entry.params);
}

std::string CountProblem(const OpEntry& entry) {
  const size_t n = entry.kinds.size();
  if (n == 0) return std::string(entry.name) + " takes no numbers";
  return std::string(entry.name) + " needs " + std::to_string(n) + (n == 1 ? " number: " : " numbers: ") + Usage(entry);
}

std::string ProblemOf(std::string_view text, char kind) {
  switch (kind) {
    case 'f': return kw::NumberProblem(text, std::numeric_limits<float>::lowest(), std::numeric_limits<float>::max());
    case 'i': return kw::NumberProblem<int16_t>(text, INT16_MIN, INT16_MAX);
    case 'n': return kw::NumberProblem<int32_t>(text, 1, INT32_MAX);
    case 'p': {
      auto problem = kw::NumberProblem(text, std::numeric_limits<double>::lowest(), std::numeric_limits<double>::max());
      if (problem.empty() && *kw::CheckedNumber<double>(text) <= 0) problem = std::string(text) + " is not more than 0";
      return problem;
    }
    default: return kw::NumberProblem(text, std::numeric_limits<double>::lowest(), std::numeric_limits<double>::max());
  }
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (size_t at = 0;;) {
    const size_t end = text.find(separator, at);
    parts.push_back(text.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at));
    if (end == std::string_view::npos) return parts;
    at = end + 1;
  }
}

std::optional<EditStep> StepOf(std::string_view entry, std::string& error) {
  const auto parts = Split(entry, ':');
  const auto known = std::find_if(kOps.begin(), kOps.end(), [&](const OpEntry& o) { return o.name == parts[0]; });
  if (known == kOps.end()) {
    error = "unknown operation \"" + std::string(parts[0]) + "\"";
    return std::nullopt;
  }
  if (parts.size() - 1 != known->kinds.size()) {
    error = CountProblem(*known) + " (got \"" + std::string(entry) + "\")";
    return std::nullopt;
  }
  EditStep step{known->op, 0, {}};
  for (size_t i = 1; i < parts.size(); ++i) {
    if (const auto problem = ProblemOf(parts[i], known->kinds[i - 1]); !problem.empty()) {
      error = std::string(entry) + ": " + problem;
      return std::nullopt;
    }
    step.args.push_back(*kw::CheckedNumber<double>(parts[i]));
  }
  if (!step.args.empty()) step.tolerance = step.args[0];
  return step;
}

}  // namespace

std::optional<std::vector<EditStep>> ParseOps(std::string_view list, std::string& error) {
  std::vector<EditStep> steps;
  if (list.empty()) return steps;
  for (const auto entry : Split(list, ',')) {
    auto step = StepOf(entry, error);
    if (!step) return std::nullopt;
    steps.push_back(std::move(*step));
  }
  return steps;
}

std::string OperationsHelp() {
  size_t width = 0;
  for (const auto& entry : kOps) width = std::max(width, Usage(entry).size());
  std::string text;
  for (const auto& entry : kOps) {
    const auto usage = Usage(entry);
    text += "  " + usage + std::string(width + 2 - usage.size(), ' ') + std::string(entry.what) + "\n";
  }
  return text;
}

}  // namespace kw::cli
