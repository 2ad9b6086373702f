#include "job_picture.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

#include "render/view_fit.h"

namespace kw::cli {
namespace {

struct Tool {
  float heightMm;
  QPen pen;
};

// The tool whose height is nearest to z (pulses); the lifted head first.
const Tool& ToolAt(double z, const std::array<Tool, 4>& tools, double kz) {
  const Tool* best = &tools[0];
  for (const Tool& t : tools) {
    if (std::fabs(t.heightMm * kz - z) < std::fabs(best->heightMm * kz - z)) best = &t;
  }
  return *best;
}

std::array<Tool, 4> Tools(const kw::MachineSettings& s) {
  QPen travel(QColor(150, 150, 150), 1, Qt::DashLine);
  return {Tool{s.ZPos_Up, travel}, Tool{s.ZPen, QPen(Qt::black, 2)}, Tool{s.ZCut, QPen(QColor(0, 0, 220), 2)},
          Tool{s.ZHalfCut, QPen(QColor(0, 150, 0), 2)}};
}

}  // namespace

bool WriteJobPicture(const std::vector<kw::axissim::PathSample>& samples, const kw::MachineSettings& s,
                     const std::string& file, int width, int height) {
  const double kx = s.Mcs[0] / s.Sgdc[0], ky = s.Mcs[1] / s.Sgdc[1], kz = s.Mcs[2] / s.Sgdc[2];  // pulses per mm
  double xmin = 0, xmax = 0, ymin = 0, ymax = 0;
  for (const auto& p : samples) {
    xmin = std::min(xmin, p.x / kx), xmax = std::max(xmax, p.x / kx);
    ymin = std::min(ymin, p.y / ky), ymax = std::max(ymax, p.y / ky);
  }
  const kw::ViewRect view = kw::ZoomToRect(xmax, ymax, xmin, ymin, static_cast<double>(width) / height);
  const double k = width / view.width;  // pixels per mm
  auto px = [&](double xPulses) { return (xPulses / kx - view.left) * k; };
  auto py = [&](double yPulses) { return (view.top - yPulses / ky) * k; };

  QImage image(width, height, QImage::Format_RGB32);
  image.fill(QColor(235, 235, 235));
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  // The work table: X from -WorkRect0 to 0, Y from 0 to WorkRect1.
  painter.fillRect(QRectF(QPointF(px(-s.WorkRect[0] * kx), py(s.WorkRect[1] * ky)), QPointF(px(0), py(0))), Qt::white);
  const auto tools = Tools(s);
  for (size_t i = 1; i < samples.size(); ++i) {
    const auto& a = samples[i - 1];
    const auto& b = samples[i];
    painter.setPen(ToolAt(std::max(a.z, b.z), tools, kz).pen);
    painter.drawLine(QPointF(px(a.x), py(a.y)), QPointF(px(b.x), py(b.y)));
  }
  painter.end();
  return image.save(QString::fromStdString(file), "PNG");
}

}  // namespace kw::cli
