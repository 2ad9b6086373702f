// kerfwright-cli carve: the engraving computation library's rows for a
// drawing, as text, and as a picture of the burn segments over the outlines.
#include <QImage>
#include <cstdio>
#include <cstdlib>

#include "commands.h"
#include "carvecalc/carve_picture.h"
#include "carvecalc/carve_setup.h"

namespace kw::cli {
namespace {

struct CarveArgs {
  std::string file;
  float space = 0;      // mm between rows
  int16_t bitcount = 0;
  std::string output;  // PNG, optional
};

bool ParseCarveArgs(const std::vector<std::string>& args, CarveArgs& out) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if ((a == "--space" || a == "--bitcount" || a == "-o") && i + 1 < args.size()) {
      const std::string& v = args[++i];
      if (a == "--space") out.space = std::strtof(v.c_str(), nullptr);
      else if (a == "--bitcount") out.bitcount = static_cast<int16_t>(std::atoi(v.c_str()));
      else out.output = v;
    } else if (!a.starts_with("-") && out.file.empty()) {
      out.file = a;
    } else {
      return false;
    }
  }
  return !out.file.empty() && out.space > 0;
}

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

}  // namespace

int RunCarve(const std::vector<std::string>& args) {
  CarveArgs parsed;
  if (!ParseCarveArgs(args, parsed)) {
    std::fputs("usage: kerfwright-cli carve FILE --space MM [--bitcount B] [-o OUT.png]\n", stderr);
    return 2;
  }
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

}  // namespace kw::cli
