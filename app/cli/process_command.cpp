#include "process_command.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <utility>

#include "input_files.h"
#include "support/basic_text.h"
#include "support/file_replace.h"

namespace kw::cli {
namespace {

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

std::string StepText(const EditStep& step, const char* name) {
  return std::string(name) + ":" + kw::TextOfDouble(step.args.at(0));
}

// The weeding steps; empty, or what kept the step from its work.
std::string ApplyWeeding(kw::pathcore::CPathObj& doc, const EditStep& step) {
  if (step.op == EditOp::WeedBox) {
    return doc.AddWeedBox(step.args[0]) ? std::string() : StepText(step, "weedbox") + ": no paths to go around";
  }
  const int32_t added = doc.AddWeedLines(step.args[0], true, true);
  if (added == kw::pathcore::CPathObj::kNoWeedBox) {
    return StepText(step, "weedlines") +
           ": no weed box: select one rectangle, or none when one spans the document (weedbox adds one)";
  }
  if (added == kw::pathcore::CPathObj::kBadWeedSpacing) {
    return StepText(step, "weedlines") + ": the spacing is too fine for the weed box";
  }
  return {};
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
  doc.ZLSelLmt();  // the selection's bounds follow every command, so the next one sees them
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

bool ApplyOps(kw::pathcore::CPathObj& doc, std::span<const EditStep> steps, std::string& error) {
  for (const auto& step : steps) {
    if (step.op == EditOp::WeedBox || step.op == EditOp::WeedLines) {
      error = ApplyWeeding(doc, step);
      if (!error.empty()) return false;
    } else {
      Apply(doc, step);
    }
  }
  return true;
}

void AddDocumentOptions(CLI::App& command, ProcessArgs& args, bool opsRequired) {
  AddInputFiles(command, args.files, std::string(kDrawingFilesHelp) + "; or document images (.img)");
  auto* ops = command.add_option_function<std::string>(
      "--ops",
      [&args](const std::string& list) {
        std::string error;
        auto steps = ParseOps(list, error);
        if (!steps) throw CLI::ValidationError("--ops", error);
        args.steps = std::move(*steps);
      },
      opsRequired ? "the operations, separated by commas (listed below)"
                  : "operations applied first, as listed by 'kerfwright-cli process --help'");
  ops->type_name("LIST");
  if (opsRequired) ops->required();
}

bool RunProcess(kw::pathcore::CPathObj& doc, const ProcessArgs& args, const ImportFile& importFile, std::string& error) {
  for (const auto& file : args.files) {
    const bool loaded = EndsWithImage(file) ? LoadImage(doc, file, error) : importFile(doc, file, error);
    if (!loaded) return false;
  }
  if (!ApplyOps(doc, args.steps, error)) return false;
  if (!args.saveImage.empty() && !SaveImage(doc, args.saveImage, error)) return false;
  if (!args.saveDat.empty() && doc.SaveToDat(args.saveDat) != 0) {
    error = args.saveDat + ": cannot be written";
    return false;
  }
  return true;
}

}  // namespace kw::cli
