#include "process_command.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <utility>

#include "support/file_replace.h"

namespace kw::cli {
namespace {

struct OpName {
  std::string_view name;
  EditOp op;
  size_t arity;  // numbers after the name, each behind a colon
};

constexpr std::array kOpNames{
    OpName{"selall", EditOp::SelAll, 0},       OpName{"selinv", EditOp::SelInv, 0},
    OpName{"cancelsel", EditOp::CancelSel, 0}, OpName{"selunfb", EditOp::SelUnFb, 0},
    OpName{"selsingal", EditOp::SelSingal, 0}, OpName{"del", EditOp::Del, 0},
    OpName{"dasan", EditOp::DaSan, 0},         OpName{"hb", EditOp::Hb, 1},
    OpName{"backfx", EditOp::BackFx, 0},       OpName{"setfb", EditOp::SetFb, 0},
    OpName{"autofb", EditOp::AutoFb, 1},       OpName{"smooth", EditOp::Smooth, 0},
    OpName{"setdk", EditOp::SetDk, 0},         OpName{"unsetdk", EditOp::UnsetDk, 0},
    OpName{"setdrill", EditOp::SetDrill, 0},   OpName{"unsetdrill", EditOp::UnsetDrill, 0},
    OpName{"bak", EditOp::Bak, 0},             OpName{"undo", EditOp::Undo, 0},
    OpName{"redo", EditOp::Redo, 0},           OpName{"autos", EditOp::AutoS, 0},
    OpName{"autotree", EditOp::AutoTree, 0},   OpName{"selectedge", EditOp::SelectEdge, 1},
    OpName{"setstartp", EditOp::SetStartP, 3}, OpName{"pxz", EditOp::PxZ, 0},
    OpName{"pxa", EditOp::PxA, 0},             OpName{"pxp", EditOp::PxP, 0},
    OpName{"pxn", EditOp::PxN, 0},             OpName{"selx", EditOp::SelX, 1},
    OpName{"scale", EditOp::Scale, 3},         OpName{"spin", EditOp::Spin, 2},
    OpName{"move", EditOp::Move, 2},           OpName{"array", EditOp::Array, 4},
    OpName{"mirror", EditOp::Mirror, 1},       OpName{"setpathpos", EditOp::SetPathPos, 2},
};

std::optional<double> NumberOf(std::string_view text) {
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<EditStep> StepOf(std::string_view entry) {
  const size_t colon = entry.find(':');
  const auto name = entry.substr(0, colon);
  const auto known = std::find_if(kOpNames.begin(), kOpNames.end(), [&](const OpName& o) { return o.name == name; });
  if (known == kOpNames.end()) return std::nullopt;
  EditStep step{known->op, 0, {}};
  std::string_view rest = colon == std::string_view::npos ? std::string_view() : entry.substr(colon + 1);
  if (colon != std::string_view::npos && rest.empty()) return std::nullopt;
  while (colon != std::string_view::npos && !rest.empty()) {
    const size_t next = rest.find(':');
    const auto number = NumberOf(rest.substr(0, next));
    if (!number) return std::nullopt;
    step.args.push_back(*number);
    if (next == std::string_view::npos) break;
    rest = rest.substr(next + 1);
    if (rest.empty()) return std::nullopt;
  }
  if (step.args.size() != known->arity) return std::nullopt;
  if (!step.args.empty()) step.tolerance = step.args[0];
  return step;
}

int16_t Int16Of(double v) { return static_cast<int16_t>(std::clamp(std::nearbyint(v), -32768.0, 32767.0)); }

void ApplyOrdering(kw::pathcore::CPathObj& doc, const EditStep& step) {
  const auto& a = step.args;
  switch (step.op) {
    case EditOp::AutoS: doc.AutoS(); break;
    case EditOp::AutoTree: doc.AutoTree(); break;
    case EditOp::SelectEdge: doc.SelectEdge(static_cast<float>(a[0])); break;
    case EditOp::SetStartP: doc.SetStartP(static_cast<float>(a[0]), static_cast<float>(a[1]), static_cast<float>(a[2])); break;
    case EditOp::PxZ: doc.PxZ(); break;
    case EditOp::PxA: doc.PxA(); break;
    case EditOp::PxP: doc.PxP(); break;
    case EditOp::PxN: doc.PxN(); break;
    case EditOp::SelX: {
      const auto index = static_cast<int32_t>(std::clamp(std::nearbyint(a[0]), -1.0, 2147483647.0));
      if (index >= 1 && index <= doc.Count()) doc.SelX(index, false);
      break;
    }
    case EditOp::Scale: doc.Block_Scale(a[0], a[1], Int16Of(a[2])); break;
    case EditOp::Spin: doc.Block_Spin(a[0], Int16Of(a[1])); break;
    case EditOp::Move: doc.Block_Move(static_cast<float>(a[0]), static_cast<float>(a[1])); break;
    case EditOp::Array:
      doc.Block_Array(static_cast<float>(a[0]), static_cast<float>(a[1]), Int16Of(a[2]), Int16Of(a[3]));
      break;
    case EditOp::Mirror: doc.Block_Mirror(Int16Of(a[0])); break;
    case EditOp::SetPathPos: doc.SetPathPos(static_cast<float>(a[0]), static_cast<float>(a[1])); break;
    default: break;
  }
}

void Apply(kw::pathcore::CPathObj& doc, const EditStep& step) {
  switch (step.op) {
    case EditOp::SelAll: doc.SelAll(); break;
    case EditOp::SelInv: doc.SelInv(); break;
    case EditOp::CancelSel: doc.CancelSel(); break;
    case EditOp::SelUnFb: doc.SelUnFb(); break;
    case EditOp::SelSingal: doc.SelSingal(); break;
    case EditOp::Del: doc.DelObj(); break;
    case EditOp::DaSan: doc.DaSan(); break;
    case EditOp::Hb: doc.Hb(step.tolerance); break;
    case EditOp::BackFx: doc.BackFx(); break;
    case EditOp::SetFb: doc.SetFb(); break;
    case EditOp::AutoFb: doc.AutoFb(static_cast<float>(step.tolerance)); break;
    case EditOp::Smooth: doc.SmoothObj(); break;
    case EditOp::SetDk: doc.SetDkObj(); break;
    case EditOp::UnsetDk: doc.SetUnDkObj(); break;
    case EditOp::SetDrill: doc.SetDrillObj(); break;
    case EditOp::UnsetDrill: doc.SetUnDrillObj(); break;
    case EditOp::Bak: doc.DocBak(); break;
    case EditOp::Undo: doc.DocUndo(); break;
    case EditOp::Redo: doc.DocRedo(); break;
    default: ApplyOrdering(doc, step); break;
  }
  doc.ZLSelLmt();  // as the main window does after every command
}

bool EndsWithImage(const std::string& file) {
  std::string lower = file;
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  return lower.size() >= 4 && lower.compare(lower.size() - 4, 4, ".img") == 0;
}

bool LoadImage(kw::pathcore::CPathObj& doc, const std::string& file, std::string& error) {
  const auto bytes = kw::ReadWholeFile(file);
  if (!bytes) {
    error = file + ": cannot be read";
    return false;
  }
  // SetBin passes over an image of another format quietly; here it is an error.
  auto image = *bytes;
  const bool marked = image.size() >= 4 && image[0] == 1 && image[1] == 0 && image[2] == 0 && image[3] == 0;
  if (!marked || doc.SetBin(image, static_cast<int32_t>(image.size())) != 0) {
    error = file + ": not a document image";
    return false;
  }
  return true;
}

bool SaveImage(kw::pathcore::CPathObj& doc, const std::string& file, std::string& error) {
  std::vector<uint8_t> bytes;
  int32_t size = 0;
  doc.GetBin(bytes, size);
  if (kw::WriteFileReplacing(file, bytes)) return true;
  error = file + ": cannot be written";
  return false;
}

}  // namespace

std::optional<std::vector<EditStep>> ParseOps(std::string_view list, std::string& error) {
  std::vector<EditStep> steps;
  while (!list.empty()) {
    const size_t comma = list.find(',');
    const auto entry = list.substr(0, comma);
    const auto step = StepOf(entry);
    if (!step) {
      error = "unknown operation \"" + std::string(entry) + "\"";
      return std::nullopt;
    }
    steps.push_back(*step);
    list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
  }
  return steps;
}

void ApplyOps(kw::pathcore::CPathObj& doc, std::span<const EditStep> steps) {
  for (const auto& step : steps) Apply(doc, step);
}

std::optional<ProcessArgs> ParseProcessArgs(std::span<const std::string> args, std::string& error) {
  ProcessArgs out;
  bool haveOps = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const auto& a = args[i];
    const bool option = a == "--ops" || a == "--save-image" || a == "--save-dat";
    if (option && i + 1 >= args.size()) {
      error = a + " needs a value";
      return std::nullopt;
    }
    if (a == "--ops") {
      auto steps = ParseOps(args[++i], error);
      if (!steps) return std::nullopt;
      out.steps = std::move(*steps);
      haveOps = true;
    } else if (a == "--save-image") {
      out.saveImage = args[++i];
    } else if (a == "--save-dat") {
      out.saveDat = args[++i];
    } else if (a.starts_with("--")) {
      error = "unknown option " + a;
      return std::nullopt;
    } else {
      out.files.push_back(a);
    }
  }
  if (!haveOps || out.files.empty()) {
    error = "usage: kerfwright-cli process FILE... --ops LIST [--save-image OUT] [--save-dat OUT.txt]";
    return std::nullopt;
  }
  return out;
}

bool RunProcess(kw::pathcore::CPathObj& doc, const ProcessArgs& args, const ImportFile& importFile, std::string& error) {
  for (const auto& file : args.files) {
    const bool loaded = EndsWithImage(file) ? LoadImage(doc, file, error) : importFile(doc, file, error);
    if (!loaded) return false;
  }
  ApplyOps(doc, args.steps);
  if (!args.saveImage.empty() && !SaveImage(doc, args.saveImage, error)) return false;
  if (!args.saveDat.empty() && doc.SaveToDat(args.saveDat) != 0) {
    error = args.saveDat + ": cannot be written";
    return false;
  }
  return true;
}

}  // namespace kw::cli
