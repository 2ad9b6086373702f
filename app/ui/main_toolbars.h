// The main toolbar "TB" (a button per key, fifteen laid out) and the layer
// toolbar "Tbb" (one button per layer, showing the layer's colour).
#pragma once

#include <QIcon>
#include <QString>
#include <string>

class QAction;
class QToolBar;
class QWidget;

namespace kw {

// Every key the main toolbar's handler knows, and which of them are laid out.
struct ToolbarKey {
  const char* key;
  bool laidOut;
};
extern const ToolbarKey kMainToolbarKeys[26];

QToolBar* BuildMainToolbar(QWidget& window);
QToolBar* BuildLayerToolbar(QWidget& window);

// The key of a toolbar button; empty for an action of no toolbar.
std::string ButtonKey(const QAction& action);

// A square of the layer's colour with its number, for the layer toolbar.
QIcon LayerIcon(int layer, uint32_t colorRef);
// The layer toolbar's buttons take the colours of the cut-layer table.
void ColourLayerButtons(QToolBar& tbb);

}  // namespace kw
