// The SVG reader, through Qt SVG. Qt wants one GUI application for the whole
// process, without a screen here, created before the first input.
#include <QGuiApplication>
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz/fuzz_targets.h"
#include "scratch_file.h"
#include "svgimport/svg_reader.h"
#include "value_sink.h"

namespace kw::fuzz {

void SvgFuzzSetUp() {
  static int argc = 1;
  static char name[] = "kw_fuzz_svg";
  static char* argv[] = {name, nullptr};
  if (QCoreApplication::instance() != nullptr) return;
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  // Qt SVG warns about every broken element, which would bury the fuzzer's own output.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  // Kept for the whole process: Qt cannot be torn down among the static destructors.
  static const auto* app = new QGuiApplication(argc, argv);
  (void)app;
}

void FuzzSvg(Bytes input) {
  static ScratchFile file(".svg");
  std::vector<kw::svgimport::Polyline> paths;
  std::string error;
  if (!kw::svgimport::ReadSvg(file.Write(input), paths, error, kFuzzMostPoints)) return;
  for (const auto& path : paths)
    for (const auto& p : path) Keep(p.x + p.y);
}

}  // namespace kw::fuzz
