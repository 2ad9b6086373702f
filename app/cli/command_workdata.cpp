// kerfwright-cli workdata: prints the events of one work-data request, one
// line each, answering the layer questions from the command line.
#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdio>
#include <limits>
#include <memory>
#include <optional>
#include <string>

#include "commands.h"
#include "open_document.h"
#include "import_files.h"
#include "process_command.h"
#include "support/number_option.h"
#include "machine/layer_count.h"

namespace kw::cli {
namespace {


struct ScanLayer {
  int16_t dpi = 0;
  bool bidirectional = false;
  int32_t accl = 0, backGap = 0;  // machine units
};

struct WorkdataArgs {
  ProcessArgs process;
  ImportOptions import;
  double xk = 0, yk = 0;
  std::optional<std::vector<int16_t>> layerTypes;
  float offsetX = 0, offsetY = 0, r = 0;
  int16_t angle = 1;
  std::optional<ScanLayer> scan;
  std::optional<float> drill;  // mm
};

// The parts of a compound option ("DX:DY", "T0,T1,..."); with a wanted
// count, any other count is a usage error showing the option's form.
std::vector<std::string_view> Fields(const std::string& option, std::string_view text, char separator,
                                     size_t wanted = 0, const std::string& form = {}) {
  std::vector<std::string_view> fields;
  for (size_t at = 0; at <= text.size();) {
    const size_t end = std::min(text.find(separator, at), text.size());
    fields.push_back(text.substr(at, end - at));
    at = end + 1;
  }
  if (wanted != 0 && fields.size() != wanted) throw CLI::ValidationError(option, "wants " + form);
  return fields;
}

constexpr float kSingleMax = std::numeric_limits<float>::max();

void AddOffset(CLI::App& command, WorkdataArgs& a) {
  command.add_option_function<std::string>(
      "--offset",
      [&a](const std::string& text) {
        const auto f = Fields("--offset", text, ':', 2, "DX:DY");
        a.offsetX = kw::OptionNumber("--offset DX", f[0], -kSingleMax, kSingleMax);
        a.offsetY = kw::OptionNumber("--offset DY", f[1], -kSingleMax, kSingleMax);
      },
      "offset in mm of the tool that cuts the layers after the first (default 0:0)")
      ->type_name("DX:DY");
}

void AddScan(CLI::App& command, WorkdataArgs& a) {
  command.add_option_function<std::string>(
      "--scan",
      [&a](const std::string& text) {
        const auto f = Fields("--scan", text, ':', 4, "DPI:DIR:ACCL:BACKGAP");
        ScanLayer scan;
        scan.dpi = kw::OptionNumber<int16_t>("--scan DPI", f[0], 1, INT16_MAX);
        scan.bidirectional = kw::OptionNumber<int16_t>("--scan DIR", f[1], 0, 1) == 1;
        scan.accl = kw::OptionNumber<int32_t>("--scan ACCL", f[2], INT32_MIN, INT32_MAX);
        scan.backGap = kw::OptionNumber<int32_t>("--scan BACKGAP", f[3], INT32_MIN, INT32_MAX);
        a.scan = scan;
      },
      "engrave the scan layers: lines per inch, 1 both directions or 0 forward only, lead-in and backlash "
      "correction in machine units")
      ->type_name("DPI:DIR:ACCL:BACKGAP");
}

void AddLayerTypes(CLI::App& command, WorkdataArgs& a) {
  command.add_option_function<std::string>(
      "--layer-types",
      [&a](const std::string& text) {
        const auto f = Fields("--layer-types", text, ',');
        if (f.size() > kw::kLayerSlots) {
          throw CLI::ValidationError("--layer-types", "at most " + std::to_string(kw::kLayerSlots) + " layers");
        }
        a.layerTypes.emplace();
        for (const auto field : f) a.layerTypes->push_back(kw::OptionNumber<int16_t>("--layer-types", field, 0, 2));
      },
      "work layer by layer, each of layers 0..14 in turn a 0 cut, 1 scan or 2 point layer (default 0); "
      "without it, the whole document object by object")
      ->type_name("T0,T1,...");
}

std::string Points(const std::vector<int32_t>& X, const std::vector<int32_t>& Y) {
  std::string s;
  for (size_t i = 1; i < X.size() && i < Y.size(); ++i) s += " " + std::to_string(X[i]) + "," + std::to_string(Y[i]);
  return s;
}

// Prints every event and answers the layer questions from the arguments.
class PrintingHost : public kw::pathcore::CPathObjEvents {
 public:
  explicit PrintingHost(const WorkdataArgs& a) : a_(a) {}
  void GetCutLayer(int16_t, bool& Enabled) override { Enabled = true; }
  void GetScanLayer(int16_t, bool& Enabled, int16_t& Dpi, bool&, bool& Dir, int32_t& AccL, int32_t& BackGap) override {
    if (!a_.scan) return;
    Enabled = true;
    Dpi = a_.scan->dpi;
    Dir = a_.scan->bidirectional;
    AccL = a_.scan->accl;
    BackGap = a_.scan->backGap;
  }
  void GetPointLayer(int16_t, bool& Enabled, float& PointStep) override {
    if (!a_.drill) return;
    Enabled = true;
    PointStep = *a_.drill;
  }
  void OutPath(std::vector<int32_t>& X, std::vector<int32_t>& Y, int16_t LayerN, bool&) override {
    std::printf("PATH %d %zu%s\n", LayerN, X.size() - 1, Points(X, Y).c_str());
  }
  void OutPoint(std::vector<int32_t>& X, std::vector<int32_t>& Y, int16_t LayerN) override {
    std::printf("POINTS %d %zu%s\n", LayerN, X.size() - 1, Points(X, Y).c_str());
  }
  void OutScanLine(std::vector<kw::pathcore::ScanLine>& lines, int16_t LayerN) override {
    std::printf("SCAN %d %zu\n", LayerN, lines.size() - 1);
    for (size_t i = 1; i < lines.size(); ++i) {
      const auto& l = lines[i];
      std::string xs;
      for (int32_t c = 1; c <= l.Count; ++c) xs += " " + std::to_string(l.X[c]);
      std::printf("%d %d %d%s\n", l.Y, l.Xs, l.Xz, xs.c_str());
    }
  }

 private:
  const WorkdataArgs& a_;
};

int RunWorkdata(const WorkdataArgs& args) {
  kw::pathcore::CPathObj doc;
  LayerTables tables;
  if (!OpenDocument(doc, tables, args.process, args.import, "workdata")) return 1;
  PrintingHost host(args);
  doc.SetEvents(&host);
  if (!args.layerTypes) {
    doc.GetWorkDat(args.xk, args.yk);
  } else {
    std::vector<int16_t> sort(kw::kLayerSlots), types(kw::kLayerSlots, 0);
    for (size_t p = 0; p < kw::kLayerSlots; ++p) sort[p] = static_cast<int16_t>(p);
    std::copy(args.layerTypes->begin(), args.layerTypes->end(), types.begin());
    float offsetX = args.offsetX, offsetY = args.offsetY, r = args.r;
    doc.GetWorkDat_Layer(args.xk, args.yk, kw::kLayerCount, sort, types, offsetX, offsetY, r, args.angle);
  }
  doc.SetEvents(nullptr);
  return 0;
}

}  // namespace

Command AddWorkdata(CLI::App& program) {
  auto args = std::make_shared<WorkdataArgs>();
  auto& a = *args;
  auto* command = program.add_subcommand(
      "workdata", "The machine coordinates a run gets, a line each");
  AddDocumentOptions(*command, a.process, false);
  AddImportOptions(*command, a.import);
  const double kMax = 1e6;
  kw::AddNumberOption(*command, "--xk", a.xk, -kMax, kMax, "machine units per mm along X, -1e6..1e6")
      ->type_name("K")
      ->required();
  kw::AddNumberOption(*command, "--yk", a.yk, -kMax, kMax, "machine units per mm along Y, -1e6..1e6")
      ->type_name("K")
      ->required();
  AddLayerTypes(*command, a);
  AddOffset(*command, a);
  kw::AddNumberOption(*command, "--r", a.r, 0.0f, kSingleMax, "knife offset in mm of that tool (default 0)")
      ->type_name("MM");
  kw::AddNumberOption<int16_t>(*command, "--angle", a.angle, INT16_MIN, INT16_MAX,
                               "turn in sixteenths of a full turn the knife takes without swivelling (default 1)");
  AddScan(*command, a);
  command->add_option_function<std::string>(
      "--drill", [&a](const std::string& text) { a.drill = kw::OptionNumber("--drill", text, 0.001f, 1e6f); },
      "drill point layers: a point every STEP mm along the paths, at least 0.001")
      ->type_name("STEP");
  return {command, [args] { return RunWorkdata(*args); }};
}

}  // namespace kw::cli
