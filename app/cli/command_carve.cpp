// kerfwright-cli carve: the engraving computation library's rows for a
// drawing, as text, and as a picture of the burn segments over the outlines.
#include <QImage>
#include <CLI/CLI.hpp>
#include <cstdio>
#include <memory>

#include "commands.h"
#include "carvecalc/carve_picture.h"
#include "carvecalc/carve_setup.h"
#include "support/number_option.h"

namespace kw::cli {
namespace {

struct CarveArgs {
  std::string file;
  float space = 0;      // mm between rows
  int16_t bitcount = 0;
  std::string output;  // PNG, optional
};

bool SavePicture(const std::vector<kw::carvecalc::carve>& rows, const kw::carvecalc::Drawing& drawing,
                 const std::string& output) {
  const auto frame = kw::carvecalc::FrameFor(kw::carvecalc::BoundsOf(drawing), 8.0);
  kw::carvecalc::MemorySurface surface(frame.width, frame.height);
  kw::carvecalc::DrawCarve(rows, drawing, frame, surface);
  QImage image(surface.Width(), surface.Height(), QImage::Format_RGB32);
  for (int32_t y = 0; y < surface.Height(); ++y) {
    for (int32_t x = 0; x < surface.Width(); ++x) image.setPixel(x, y, 0xFF000000u | surface.GetPixel(x, y));
  }
  return image.save(QString::fromStdString(output), "PNG");
}

int RunCarve(const CarveArgs& parsed) {
  kw::carvecalc::Carvecalc calc;
  kw::carvecalc::Drawing drawing;
  kw::carvecalc::ReadDrawing(calc, parsed.file, drawing);
  if (!calc.LastError().Ok()) {
    std::fprintf(stderr, "kerfwright-cli carve: %s: %s\n", parsed.file.c_str(), calc.LastError().description.c_str());
    return 1;
  }
  std::vector<kw::carvecalc::carve> rows;
  kw::carvecalc::CarveDrawing(calc, drawing, parsed.space, parsed.bitcount, rows);
  if (!calc.LastError().Ok()) {
    std::fprintf(stderr, "kerfwright-cli carve: %s: %s\n", parsed.file.c_str(), calc.LastError().description.c_str());
    return 1;
  }
  for (const auto& row : rows) std::printf("%s\n", kw::carvecalc::RowText(row).c_str());
  if (!parsed.output.empty() && !SavePicture(rows, drawing, parsed.output)) {
    std::fprintf(stderr, "kerfwright-cli carve: %s: cannot be written\n", parsed.output.c_str());
    return 1;
  }
  return 0;
}

}  // namespace

Command AddCarve(CLI::App& program) {
  auto args = std::make_shared<CarveArgs>();
  auto* command = program.add_subcommand(
      "carve", "The engraving library's scan rows of a drawing");
  command->add_option("FILE", args->file, "the drawing")->required();
  kw::AddNumberOption(*command, "--space", args->space, 0.001f, 10000.0f, "mm between rows, 0.001..10000")
      ->type_name("MM")
      ->required();
  kw::AddNumberOption<int16_t>(*command, "--bitcount", args->bitcount, 0, 9,
                               "decimal digits of the row heights, 0..9 (default 0)");
  command->add_option("-o,--output", args->output, "also draw the rows over the outlines into this PNG")
      ->type_name("OUT.png");
  return {command, [args] { return RunCarve(*args); }};
}

}  // namespace kw::cli
