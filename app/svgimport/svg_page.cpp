#include "svg_page.h"

#include <QRegularExpression>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>

namespace kw::svgimport {

namespace {

constexpr double kMmPerPx = 25.4 / 96;

double MmPerUnit(const QString& unit) {
  if (unit == "mm") return 1;
  if (unit == "cm") return 10;
  if (unit == "in") return 25.4;
  if (unit == "pt") return 25.4 / 72;
  if (unit == "pc") return 25.4 / 6;
  return kMmPerPx;  // "px" or no unit
}

struct RootAttributes {
  std::optional<double> width;
  std::optional<double> height;
  std::optional<QRectF> viewBox;
  bool stretch = false;  // preserveAspectRatio="none"
};

RootAttributes ReadRoot(const QByteArray& data) {
  RootAttributes root;
  QXmlStreamReader xml(data);
  while (!xml.atEnd() && !xml.isStartElement()) xml.readNext();
  if (!xml.isStartElement()) return root;
  const QXmlStreamAttributes attributes = xml.attributes();
  root.width = LengthInMm(attributes.value("width").toString());
  root.height = LengthInMm(attributes.value("height").toString());
  root.viewBox = ViewBoxOf(attributes.value("viewBox").toString());
  root.stretch = attributes.value("preserveAspectRatio").trimmed() == u"none";
  return root;
}

// viewBox onto the width x height viewport: scaled alike on both axes and
// centred, unless the file asks for the box to be stretched.
QTransform ViewBoxToMm(const RootAttributes& root) {
  const QRectF box = *root.viewBox;
  double sx = root.width ? *root.width / box.width() : kMmPerPx;
  double sy = root.height ? *root.height / box.height() : kMmPerPx;
  if (root.width && !root.height) sy = sx;
  if (root.height && !root.width) sx = sy;
  double ox = 0;
  double oy = 0;
  if (root.width && root.height && !root.stretch) {
    const double s = std::min(sx, sy);
    ox = (*root.width - box.width() * s) / 2;
    oy = (*root.height - box.height() * s) / 2;
    sx = sy = s;
  }
  const double pageHeight = root.height ? *root.height : box.height() * sy;
  // x' = ox + (x - bx) sx;  y' = pageHeight - oy - (y - by) sy
  return QTransform(sx, 0, 0, -sy, ox - box.x() * sx, pageHeight - oy + box.y() * sy);
}

}  // namespace

std::optional<double> LengthInMm(const QString& text) {
  static const QRegularExpression length(
      R"(^\s*([+-]?(?:\d+\.?\d*|\.\d+)(?:[eE][+-]?\d+)?)\s*(mm|cm|in|pt|pc|px)?\s*$)");
  const QRegularExpressionMatch match = length.match(text);
  if (!match.hasMatch()) return std::nullopt;
  const double value = match.captured(1).toDouble() * MmPerUnit(match.captured(2));
  // A number past the range of doubles ("1e999") is no length either.
  if (!(value > 0) || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<QRectF> ViewBoxOf(const QString& text) {
  static const QRegularExpression separators(R"([\s,]+)");
  const QStringList parts = text.trimmed().split(separators, Qt::SkipEmptyParts);
  if (parts.size() != 4) return std::nullopt;
  double numbers[4];
  for (int i = 0; i < 4; ++i) {
    bool ok = false;
    numbers[i] = parts[i].toDouble(&ok);
    if (!ok || !std::isfinite(numbers[i])) return std::nullopt;
  }
  if (!(numbers[2] > 0 && numbers[3] > 0)) return std::nullopt;
  return QRectF(numbers[0], numbers[1], numbers[2], numbers[3]);
}

QTransform UserUnitsToMm(const QByteArray& data) {
  const RootAttributes root = ReadRoot(data);
  if (root.viewBox) return ViewBoxToMm(root);
  // User units are pixels; the page's top edge is where Y turns round.
  const double pageHeight = root.height ? *root.height : 0;
  return QTransform(kMmPerPx, 0, 0, -kMmPerPx, 0, pageHeight);
}

}  // namespace kw::svgimport
