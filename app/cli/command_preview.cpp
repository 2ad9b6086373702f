// kerfwright-cli preview: imports the files (and applies operations) as
// process does, then draws the document through its own Draw onto a PNG,
// fitted as the program's "show all" fits it.
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "commands.h"
#include "open_document.h"
#include "import_files.h"
#include "process_command.h"
#include "view_fit.h"
#include "machine/cut_layer.h"
#include "render/qt_canvas.h"
#include "machine/layer_count.h"

namespace kw::cli {
namespace {

struct PreviewArgs {
  ProcessArgs process;
  ImportOptions import;
  int width = 1200, height = 900;  // pixels
  bool moves = false;
  std::string output;
};

bool ParsePreviewArgs(const std::vector<std::string>& args, PreviewArgs& out, std::string& error) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool valued = a == "--ops" || a == "--width" || a == "--height" || a == "-o" || a == "--dxf-cut-layer" ||
                        a == "--plt-cut-pen";
    if (valued && i + 1 == args.size()) return error = a + " needs a value", false;
    if (a == "--ops") {
      auto steps = ParseOps(args[++i], error);
      if (!steps) return false;
      out.process.steps = std::move(*steps);
    } else if (a == "--width" || a == "--height") {
      const int v = std::atoi(args[++i].c_str());
      if (v < 16 || v > 20000) return error = a + " must be 16..20000 pixels", false;
      (a == "--width" ? out.width : out.height) = v;
    } else if (a == "-o") {
      out.output = args[++i];
    } else if (a == "--dxf-cut-layer") {
      out.import.dxfCutLayer = args[++i];
    } else if (a == "--plt-cut-pen") {
      out.import.pltCutPen = args[++i];
    } else if (a == "--moves") {
      out.moves = true;
    } else if (a.starts_with("-")) {
      return error = "unknown option " + a, false;
    } else {
      out.process.files.push_back(a);
    }
  }
  if (out.process.files.empty() || out.output.empty()) {
    return error = "usage: kerfwright-cli preview FILE... [--ops LIST] [--width PX] [--height PX] [--moves] -o OUT.png",
           false;
  }
  return true;
}

QImage Render(kw::pathcore::CPathObj& doc, const PreviewArgs& a) {
  QImage image(a.width, a.height, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  kw::QtCanvas canvas(painter);
  const ViewRect view = ZoomToRect(doc.Xmax(), doc.Ymax(), doc.Xmin(), doc.Ymin(),
                                   static_cast<double>(a.width) / a.height);
  std::vector<int32_t> colors;
  for (int i = 0; i <= kw::kLayerCount; ++i) colors.push_back(kw::PaletteColor(i));
  doc.SMove(a.moves);
  doc.Draw(canvas, kw::pathcore::Rgb(160, 160, 160), colors, kw::pathcore::Rgb(255, 0, 255), kw::pathcore::Rgb(255, 0, 0),
           static_cast<float>(view.left), static_cast<float>(view.top), static_cast<float>(view.width),
           static_cast<float>(view.height), static_cast<float>(a.width * canvas.TwipsPerPixelX()),
           static_cast<float>(a.height * canvas.TwipsPerPixelY()), 0);
  return image;
}

}  // namespace

int RunPreview(const std::vector<std::string>& args) {
  PreviewArgs parsed;
  std::string error;
  if (!ParsePreviewArgs(args, parsed, error)) {
    std::fprintf(stderr, "kerfwright-cli preview: %s\n", error.c_str());
    return 2;
  }
  kw::pathcore::CPathObj doc;
  if (!OpenDocument(doc, parsed.process, parsed.import, "preview")) return 1;
  if (!Render(doc, parsed).save(QString::fromStdString(parsed.output), "PNG")) {
    std::fprintf(stderr, "kerfwright-cli preview: %s: cannot be written\n", parsed.output.c_str());
    return 1;
  }
  std::printf("%s: %d x %d pixels, %d paths\n", parsed.output.c_str(), parsed.width, parsed.height, doc.Count());
  return 0;
}

}  // namespace kw::cli
