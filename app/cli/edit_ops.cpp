#include "edit_ops.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

#include "support/checked_number.h"

namespace kw::cli {
namespace {

// The numbers after an operation's name, one letter each: d any number,
// f a number in single precision, i a whole 16-bit number, n a path number.
struct OpSpec {
  std::string_view name;
  EditOp op;
  std::string_view kinds;
  std::string_view params;  // how the help names the numbers
  std::string_view what;
};

constexpr std::array kOps{
    OpSpec{"selall", EditOp::SelAll, "", "", "select every path"},
    OpSpec{"selinv", EditOp::SelInv, "", "", "invert the selection"},
    OpSpec{"cancelsel", EditOp::CancelSel, "", "", "select nothing"},
    OpSpec{"selunfb", EditOp::SelUnFb, "", "", "select just the open paths (first and last point apart)"},
    OpSpec{"selsingal", EditOp::SelSingal, "", "", "select just the single segments (paths of two points)"},
    OpSpec{"del", EditOp::Del, "", "", "delete the selected paths"},
    OpSpec{"dasan", EditOp::DaSan, "", "", "explode the selected paths into single segments"},
    OpSpec{"hb", EditOp::Hb, "d", "TOL", "join selected paths of one layer whose ends lie within TOL mm"},
    OpSpec{"backfx", EditOp::BackFx, "", "", "reverse the direction of the selected paths"},
    OpSpec{"setfb", EditOp::SetFb, "", "", "close the selected open paths (their first point again at the end)"},
    OpSpec{"autofb", EditOp::AutoFb, "f", "GAP", "close the selected paths whose ends are less than GAP mm apart"},
    OpSpec{"smooth", EditOp::Smooth, "", "", "smooth the selected paths into curves"},
    OpSpec{"setdk", EditOp::SetDk, "", "", "turn the selected paths into one engraving frame"},
    OpSpec{"unsetdk", EditOp::UnsetDk, "", "", "turn the selected engraving frames back into their paths"},
    OpSpec{"setdrill", EditOp::SetDrill, "", "", "make the selected paths drill paths"},
    OpSpec{"unsetdrill", EditOp::UnsetDrill, "", "", "make the selected drill paths cut paths again"},
    OpSpec{"bak", EditOp::Bak, "", "", "keep an undo snapshot of the document"},
    OpSpec{"undo", EditOp::Undo, "", "", "go back to the previous undo snapshot"},
    OpSpec{"redo", EditOp::Redo, "", "", "go forward to the next undo snapshot"},
    OpSpec{"autos", EditOp::AutoS, "", "",
           "order by distance: the nearest path next, reversed where that is shorter; selects nothing"},
    OpSpec{"autotree", EditOp::AutoTree, "", "",
           "order inside before outside: what a closed path encloses comes before it, in bands"},
    OpSpec{"selectedge", EditOp::SelectEdge, "f", "TOL",
           "add the outermost closed paths to the selection (ends within TOL mm count as closed)"},
    OpSpec{"setstartp", EditOp::SetStartP, "fff", "X:Y:TOL",
           "start the closed path passing within TOL mm of X,Y at its point there"},
    OpSpec{"pxz", EditOp::PxZ, "", "", "move the selected paths to the end of the order"},
    OpSpec{"pxa", EditOp::PxA, "", "", "move the selected paths to the front of the order"},
    OpSpec{"pxp", EditOp::PxP, "", "",
           "move the current path one place earlier (several selected: one block ending with it)"},
    OpSpec{"pxn", EditOp::PxN, "", "",
           "move the current path one place later (several selected: one block starting with it)"},
    OpSpec{"selx", EditOp::SelX, "n", "N", "select path N alone (nothing happens without a path N)"},
    OpSpec{"scale", EditOp::Scale, "ddi", "SX:SY:REF",
           "scale the selected paths about REF: 0 centre, 1-4 corner TL TR BL BR, other origin"},
    OpSpec{"spin", EditOp::Spin, "di", "DEG:REF",
           "turn the selected paths DEG whole degrees anticlockwise about REF (as for scale)"},
    OpSpec{"move", EditOp::Move, "ff", "DX:DY", "move the selected paths (and bitmap frames) by DX,DY mm"},
    OpSpec{"array", EditOp::Array, "ffii", "DX:DY:NX:NY",
           "copy the selected paths into NX columns DX mm apart and NY rows DY mm down"},
    OpSpec{"mirror", EditOp::Mirror, "i", "AXIS",
           "mirror the selected paths: 0/1/2 in X about centre/left/right, 3/4/5 in Y about centre/top/bottom"},
    OpSpec{"setpathpos", EditOp::SetPathPos, "ff", "X:Y", "move the whole document so its bottom-right corner is X,Y"},
};

std::string Usage(const OpSpec& spec) {
  return spec.params.empty() ? std::string(spec.name) : std::string(spec.name) + ":" + std::string(spec.params);
}

std::string CountProblem(const OpSpec& spec) {
  const size_t n = spec.kinds.size();
  if (n == 0) return std::string(spec.name) + " takes no numbers";
  return std::string(spec.name) + " needs " + std::to_string(n) + (n == 1 ? " number: " : " numbers: ") + Usage(spec);
}

std::string ProblemOf(std::string_view text, char kind) {
  switch (kind) {
    case 'f': return kw::NumberProblem(text, std::numeric_limits<float>::lowest(), std::numeric_limits<float>::max());
    case 'i': return kw::NumberProblem<int16_t>(text, INT16_MIN, INT16_MAX);
    case 'n': return kw::NumberProblem<int32_t>(text, 1, INT32_MAX);
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
  const auto known = std::find_if(kOps.begin(), kOps.end(), [&](const OpSpec& o) { return o.name == parts[0]; });
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
  for (const auto& spec : kOps) width = std::max(width, Usage(spec).size());
  std::string text;
  for (const auto& spec : kOps) {
    const auto usage = Usage(spec);
    text += "  " + usage + std::string(width + 2 - usage.size(), ' ') + std::string(spec.what) + "\n";
  }
  return text;
}

}  // namespace kw::cli
