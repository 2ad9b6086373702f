// Where the drawing's user units land on paper: the root element's width,
// height and viewBox give the size in millimetres, and Y is turned to point up.
#pragma once

#include <QByteArray>
#include <QRectF>
#include <QString>
#include <QTransform>
#include <optional>

namespace kw::svgimport {

// A length attribute such as "100mm", "4in" or "300" (px) in millimetres;
// nothing for percentages, font-relative units or text that is no length.
std::optional<double> LengthInMm(const QString& text);

// The viewBox attribute's rectangle, when it holds four numbers with a
// positive width and height.
std::optional<QRectF> ViewBoxOf(const QString& text);

// The transform from user units to millimetres, Y up, for the document in
// data. Without width and height user units count as pixels at 96 per inch.
QTransform UserUnitsToMm(const QByteArray& data);

}  // namespace kw::svgimport
