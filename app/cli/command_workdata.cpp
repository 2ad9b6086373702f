// kerfwright-cli workdata: prints the events of one work-data request, one
// line each, answering the layer questions from the command line.
#include <charconv>
#include <cstdio>
#include <optional>
#include <string>

#include "commands.h"
#include "open_document.h"
#include "import_files.h"
#include "process_command.h"
#include "machine/layer_count.h"

namespace kw::cli {
namespace {

struct WorkdataArgs {
  ProcessArgs process;
  ImportOptions import;
  double xk = 0, yk = 0;
  std::optional<std::vector<int16_t>> layerTypes;
  float offsetX = 0, offsetY = 0, r = 0;
  int16_t angle = 1;
  std::optional<std::vector<double>> scan;  // dpi, dir, accl, backgap
  std::optional<float> drill;               // mm
};

// "a:b:c" or "a,b,c" as numbers; nothing when any part is not one.
std::optional<std::vector<double>> Numbers(const std::string& text, char separator) {
  std::vector<double> out;
  size_t at = 0;
  while (at <= text.size()) {
    const size_t end = std::min(text.find(separator, at), text.size());
    double v = 0;
    const auto [p, ec] = std::from_chars(text.data() + at, text.data() + end, v);
    if (ec != std::errc() || p != text.data() + end) return std::nullopt;
    out.push_back(v);
    at = end + 1;
  }
  return out;
}

bool Take(const std::vector<std::string>& args, size_t& i, std::vector<double>& values, size_t count, char sep,
          std::string& error) {
  const auto parsed = Numbers(args[++i], sep);
  if (!parsed || (count && parsed->size() != count)) return error = args[i - 1] + ": bad value " + args[i], false;
  values = *parsed;
  return true;
}

bool ParseWorkdataArgs(const std::vector<std::string>& args, WorkdataArgs& out, std::string& error) {
  bool haveXk = false, haveYk = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    std::vector<double> v;
    const bool valued = a == "--ops" || a == "--xk" || a == "--yk" || a == "--layer-types" || a == "--offset" ||
                        a == "--r" || a == "--angle" || a == "--scan" || a == "--drill";
    if (valued && i + 1 == args.size()) return error = a + " needs a value", false;
    if (a == "--ops") {
      auto steps = ParseOps(args[++i], error);
      if (!steps) return false;
      out.process.steps = std::move(*steps);
    } else if (a == "--xk" || a == "--yk" || a == "--r" || a == "--angle" || a == "--drill") {
      if (!Take(args, i, v, 1, ':', error)) return false;
      if (a == "--xk") out.xk = v[0], haveXk = true;
      if (a == "--yk") out.yk = v[0], haveYk = true;
      if (a == "--r") out.r = static_cast<float>(v[0]);
      if (a == "--angle") out.angle = static_cast<int16_t>(v[0]);
      if (a == "--drill") out.drill = static_cast<float>(v[0]);
    } else if (a == "--offset") {
      if (!Take(args, i, v, 2, ':', error)) return false;
      out.offsetX = static_cast<float>(v[0]), out.offsetY = static_cast<float>(v[1]);
    } else if (a == "--scan") {
      if (!Take(args, i, v, 4, ':', error)) return false;
      out.scan = v;
    } else if (a == "--layer-types") {
      if (!Take(args, i, v, 0, ',', error)) return false;
      out.layerTypes = std::vector<int16_t>(v.begin(), v.end());
    } else if (a.starts_with("-")) {
      return error = "unknown option " + a, false;
    } else {
      out.process.files.push_back(a);
    }
  }
  if (out.process.files.empty() || !haveXk || !haveYk) {
    return error = "usage: kerfwright-cli workdata FILE... [--ops LIST] --xk K --yk K [--layer-types T0,T1,...] "
                   "[--offset DX:DY] [--r R] [--angle A] [--scan DPI:DIR:ACCL:BACKGAP] [--drill STEP]",
           false;
  }
  return true;
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
    Dpi = static_cast<int16_t>((*a_.scan)[0]);
    Dir = (*a_.scan)[1] != 0;
    AccL = static_cast<int32_t>((*a_.scan)[2]);
    BackGap = static_cast<int32_t>((*a_.scan)[3]);
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

}  // namespace

int RunWorkdata(const std::vector<std::string>& args) {
  WorkdataArgs parsed;
  std::string error;
  if (!ParseWorkdataArgs(args, parsed, error)) {
    std::fprintf(stderr, "kerfwright-cli workdata: %s\n", error.c_str());
    return 2;
  }
  kw::pathcore::CPathObj doc;
  if (!OpenDocument(doc, parsed.process, parsed.import, "workdata")) return 1;
  PrintingHost host(parsed);
  doc.SetEvents(&host);
  if (!parsed.layerTypes) {
    doc.GetWorkDat(parsed.xk, parsed.yk);
  } else {
    std::vector<int16_t> sort(kw::kLayerSlots), types(kw::kLayerSlots, 0);
    for (int16_t p = 0; p <= kw::kLayerCount; ++p) sort[p] = p;
    for (size_t i = 0; i < parsed.layerTypes->size() && i < types.size(); ++i) types[i] = (*parsed.layerTypes)[i];
    doc.GetWorkDat_Layer(parsed.xk, parsed.yk, kw::kLayerCount, sort, types, parsed.offsetX, parsed.offsetY, parsed.r, parsed.angle);
  }
  doc.SetEvents(nullptr);
  return 0;
}

}  // namespace kw::cli
