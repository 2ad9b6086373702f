// kerfwright-cli preview: imports the files (and applies operations) as
// process does, then draws the document through its own Draw onto a PNG,
// fitted as the program's "show all" fits it.
#include <QImage>
#include <QPainter>
#include <CLI/CLI.hpp>
#include <cstdio>
#include <memory>

#include "commands.h"
#include "open_document.h"
#include "import_files.h"
#include "process_command.h"
#include "render/view_fit.h"
#include "machine/cut_layer.h"
#include "render/qt_canvas.h"
#include "support/number_option.h"
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

QImage Render(kw::pathcore::CPathObj& doc, const PreviewArgs& a) {
  QImage image(a.width, a.height, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  kw::QtCanvas canvas(painter);
  const kw::ViewRect view = kw::ZoomToRect(doc.Xmax(), doc.Ymax(), doc.Xmin(), doc.Ymin(),
                                   static_cast<double>(a.width) / a.height);
  std::vector<int32_t> colors;
  for (int i = 0; i <= kw::kLayerCount; ++i) colors.push_back(kw::PaletteColor(i));
  doc.SMove(a.moves);
  doc.Draw(canvas, kw::pathcore::Rgb(160, 160, 160), colors, kw::pathcore::Rgb(255, 0, 255), kw::pathcore::Rgb(255, 0, 0),
           static_cast<float>(view.left), static_cast<float>(view.top), static_cast<float>(view.width),
           static_cast<float>(view.height), static_cast<float>(a.width * canvas.TwipsPerPixelX()),
           static_cast<float>(a.height * canvas.TwipsPerPixelY()), 0);
  canvas.Flush();  // the picture is handed on while the canvas still lives
  return image;
}

int RunPreview(const PreviewArgs& args) {
  kw::pathcore::CPathObj doc;
  LayerTables tables;
  if (!OpenDocument(doc, tables, args.process, args.import, "preview")) return 1;
  if (!Render(doc, args).save(QString::fromStdString(args.output), "PNG")) {
    std::fprintf(stderr, "kerfwright-cli preview: %s: cannot be written\n", args.output.c_str());
    return 1;
  }
  std::printf("%s: %d x %d pixels, %d paths\n", args.output.c_str(), args.width, args.height, doc.Count());
  return 0;
}

}  // namespace

Command AddPreview(CLI::App& program) {
  auto args = std::make_shared<PreviewArgs>();
  auto* command = program.add_subcommand(
      "preview", "Draw the document onto a PNG, fitted as \"show all\"");
  AddDocumentOptions(*command, args->process, false);
  command->add_option("-o,--output", args->output, "the PNG to write")->type_name("OUT.png")->required();
  kw::AddNumberOption(*command, "--width", args->width, 16, 20000, "width in pixels, 16..20000 (default 1200)");
  kw::AddNumberOption(*command, "--height", args->height, 16, 20000, "height in pixels, 16..20000 (default 900)");
  command->add_flag("--moves", args->moves, "also draw the empty moves between paths");
  AddImportOptions(*command, args->import);
  return {command, [args] { return RunPreview(*args); }};
}

}  // namespace kw::cli
