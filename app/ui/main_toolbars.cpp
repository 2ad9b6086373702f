#include "main_toolbars.h"

#include <QAction>
#include <QPainter>
#include <QPixmap>
#include <QToolBar>
#include <vector>

#include "machine/layer_count.h"
#include "machine/layer_tables.h"
#include "render/qt_canvas.h"

namespace kw {

const ToolbarKey kMainToolbarKeys[26] = {
    {"NEW", true},         {"OPEN", true},        {"SAVE", true},         {"UNDO", true},        {"REDO", true},
    {"SelA", false},       {"SelZ", false},       {"SelP", false},        {"SelN", false},       {"ZOOMIN", true},
    {"ZOOMOUT", true},     {"ZOOMHAND", true},    {"ZOOMALL", true},      {"ZOOMTABLE", true},   {"Winzoom", false},
    {"MOVESHOW", true},    {"BLOCKRORATE", false}, {"BLOCKMOVE", false},  {"BLOCKARRAY", false}, {"BLOCKMIRROR", false},
    {"TOCENTER", true},    {"SETPEN", true},      {"SETCUT", true},       {"SETHALFCUT", true},  {"CUTLAYER", false},
    {"SETZERO", false},
};

namespace {

constexpr const char* kKeyProperty = "key";

QAction* AddKeyedButton(QToolBar& bar, const QString& key, const QIcon& icon) {
  auto* action = bar.addAction(icon, QString());
  action->setObjectName(bar.objectName() + "_" + key);
  action->setProperty(kKeyProperty, key);
  return action;
}

// Groups of the laid-out buttons are set apart by a separator.
bool StartsGroup(const std::string& key) {
  return key == "UNDO" || key == "ZOOMIN" || key == "MOVESHOW" || key == "SETPEN";
}

}  // namespace

QToolBar* BuildMainToolbar(QWidget& window) {
  auto* bar = new QToolBar(&window);
  bar->setObjectName("TB");
  bar->setIconSize(QSize(24, 24));
  for (const auto& k : kMainToolbarKeys) {
    if (k.laidOut && StartsGroup(k.key)) bar->addSeparator();
    // Every button takes the image keyed like itself and shows no caption.
    auto* action = AddKeyedButton(*bar, k.key, QIcon(QString(":/icons/%1.svg").arg(k.key)));
    action->setVisible(k.laidOut);
    if (std::string(k.key) == "MOVESHOW") action->setCheckable(true);
  }
  return bar;
}

QToolBar* BuildLayerToolbar(QWidget& window) {
  auto* bar = new QToolBar(&window);
  bar->setObjectName("Tbb");
  bar->setIconSize(QSize(20, 20));
  for (int n = 1; n <= kLayerCount + 1; ++n) AddKeyedButton(*bar, QString("Layer%1").arg(n), QIcon());
  ColourLayerButtons(*bar);
  return bar;
}

std::string ButtonKey(const QAction& action) { return action.property(kKeyProperty).toString().toStdString(); }

QIcon LayerIcon(int layer, uint32_t colorRef) {
  QIcon icon;
  for (const int size : {20, 40}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colour = QtCanvas::ToQColor(colorRef);
    painter.setBrush(colour);
    painter.setPen(QPen(QColor(55, 71, 79), size / 20.0));
    painter.drawRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), size / 6.0, size / 6.0);
    QFont font = painter.font();
    font.setPixelSize(size * 11 / 20);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(colour.lightness() > 140 ? Qt::black : Qt::white);
    painter.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, QString::number(layer));
    icon.addPixmap(pixmap);
  }
  return icon;
}

void ColourLayerButtons(QToolBar& tbb) {
  std::vector<int32_t> colours;
  CutLayers().GetColor(colours);
  int n = 0;
  for (QAction* action : tbb.actions()) {
    if (ButtonKey(*action).empty()) continue;
    const auto layer = static_cast<size_t>(n++);
    if (layer < colours.size()) action->setIcon(LayerIcon(static_cast<int>(layer), static_cast<uint32_t>(colours[layer])));
  }
}

}  // namespace kw
