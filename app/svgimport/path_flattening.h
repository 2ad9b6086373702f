// Curves into chords no farther than a tolerance from the curve, after the
// transform has placed them, so the tolerance holds on paper.
#pragma once

#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <QTransform>
#include <vector>

#include "svgimport/svg_reader.h"

namespace kw::svgimport {

// Every subpath of path, mapped by transform, with its curves flattened. Once
// more than mostPoints points are made the rest of the path is left out, as a
// drawing that large is refused anyway.
std::vector<Polyline> FlattenPath(const QPainterPath& path, const QTransform& transform, double tolerance,
                                  std::size_t mostPoints);

// The ellipse inscribed in rect, mapped by transform, closed.
Polyline FlattenEllipse(const QRectF& rect, const QTransform& transform, double tolerance);

// The points of polygon mapped by transform; closed ones end on their first point.
Polyline MapPolygon(const QPolygonF& polygon, const QTransform& transform, bool closed);

}  // namespace kw::svgimport
