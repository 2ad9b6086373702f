#include "app/cli/process_command.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <utility>

#include "pathcore/document/file_replace.h"

namespace kwcli {
namespace {

struct OpName {
  std::string_view name;
  EditOp op;
  bool takesTolerance;
};

constexpr std::array kOpNames{
    OpName{"selall", EditOp::SelAll, false},       OpName{"selinv", EditOp::SelInv, false},
    OpName{"cancelsel", EditOp::CancelSel, false}, OpName{"selunfb", EditOp::SelUnFb, false},
    OpName{"selsingal", EditOp::SelSingal, false}, OpName{"del", EditOp::Del, false},
    OpName{"dasan", EditOp::DaSan, false},         OpName{"hb", EditOp::Hb, true},
    OpName{"backfx", EditOp::BackFx, false},       OpName{"setfb", EditOp::SetFb, false},
    OpName{"autofb", EditOp::AutoFb, true},        OpName{"smooth", EditOp::Smooth, false},
    OpName{"setdk", EditOp::SetDk, false},         OpName{"unsetdk", EditOp::UnsetDk, false},
    OpName{"setdrill", EditOp::SetDrill, false},   OpName{"unsetdrill", EditOp::UnsetDrill, false},
    OpName{"bak", EditOp::Bak, false},             OpName{"undo", EditOp::Undo, false},
    OpName{"redo", EditOp::Redo, false},
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
  if (known == kOpNames.end() || known->takesTolerance != (colon != std::string_view::npos)) return std::nullopt;
  EditStep step{known->op};
  if (known->takesTolerance) {
    const auto tolerance = NumberOf(entry.substr(colon + 1));
    if (!tolerance) return std::nullopt;
    step.tolerance = *tolerance;
  }
  return step;
}

void Apply(pathcore::CPathObj& doc, const EditStep& step) {
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
  }
  doc.ZLSelLmt();  // as the main window does after every command
}

bool EndsWithImage(const std::string& file) {
  std::string lower = file;
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  return lower.size() >= 4 && lower.compare(lower.size() - 4, 4, ".img") == 0;
}

bool LoadImage(pathcore::CPathObj& doc, const std::string& file, std::string& error) {
  const auto bytes = pathcore::ReadWholeFile(file);
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

bool SaveImage(pathcore::CPathObj& doc, const std::string& file, std::string& error) {
  std::vector<uint8_t> bytes;
  int32_t size = 0;
  doc.GetBin(bytes, size);
  if (pathcore::WriteFileReplacing(file, bytes)) return true;
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

void ApplyOps(pathcore::CPathObj& doc, std::span<const EditStep> steps) {
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

bool RunProcess(pathcore::CPathObj& doc, const ProcessArgs& args, const ImportFile& importFile, std::string& error) {
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

}  // namespace kwcli
