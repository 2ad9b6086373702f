#include "svgimport/svg_reader.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>
#include <memory>
#include <string>

#include "shape_recorder.h"
#include "svg_page.h"

namespace kw::svgimport {

namespace {

// Text needs Qt's fonts, which need a GUI application; the command line has
// none, so one without a screen stands in while a file is read.
class FontsAvailable {
 public:
  FontsAvailable() {
    if (QCoreApplication::instance() != nullptr) return;
    // Its notes on the missing desktop would only clutter the command's output.
    previous_ = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    app_ = std::make_unique<QGuiApplication>(argc_, argv_);
  }
  ~FontsAvailable() {
    if (!app_) return;
    app_.reset();
    qInstallMessageHandler(previous_);
  }
  FontsAvailable(const FontsAvailable&) = delete;
  FontsAvailable& operator=(const FontsAvailable&) = delete;

 private:
  int argc_ = 3;
  char name_[11] = "kerfwright";
  char option_[10] = "-platform";
  char platform_[10] = "offscreen";
  char* argv_[4] = {name_, option_, platform_, nullptr};
  QtMessageHandler previous_ = nullptr;
  std::unique_ptr<QGuiApplication> app_;
};

bool ReadFile(const std::string& file, QByteArray& data, std::string& error) {
  QFile in(QString::fromStdString(file));
  if (!in.open(QIODevice::ReadOnly)) {
    error = "cannot be read";
    return false;
  }
  data = in.readAll();
  return true;
}

}  // namespace

bool ReadSvg(const std::string& file, std::vector<Polyline>& paths, std::string& error, std::size_t mostPoints) {
  QByteArray data;
  if (!ReadFile(file, data, error)) return false;
  // Qt would read a gzipped file, but its size in millimetres could not be
  // read from the root element, so it is refused rather than misplaced.
  if (data.startsWith("\x1f\x8b")) {
    error = "compressed SVG (svgz) is not read: unpack it first";
    return false;
  }
  FontsAvailable fonts;
  QSvgRenderer renderer;
  if (!renderer.load(data) || !renderer.isValid()) {
    error = "not an SVG drawing (Qt SVG cannot read it)";
    return false;
  }
  ShapeRecorder recorder(UserUnitsToMm(data), kChordErrorMm, mostPoints);
  // Drawn into its own viewBox, the document keeps its user units; one
  // without any size gets a unit box for the same end.
  const QRectF box = renderer.viewBoxF().isEmpty() ? QRectF(0, 0, 1, 1) : renderer.viewBoxF();
  renderer.setViewBox(box);
  {
    QPainter painter(&recorder);
    renderer.render(&painter, box);
  }
  switch (recorder.Refused()) {
    case ShapeRecorder::Refusal::TooManyPoints:
      error = "far too large: over " + std::to_string(mostPoints) + " points once its curves are cut into chords";
      return false;
    case ShapeRecorder::Refusal::TooFar:
      error = "far too large: a curve reaches over a kilometre from the origin";
      return false;
    case ShapeRecorder::Refusal::None: break;
  }
  paths = recorder.Shapes();
  return true;
}

}  // namespace kw::svgimport
