// The editing buttons at the window's left: paths, order and frames.
#pragma once

class QWidget;

namespace kw {

QWidget* BuildEditPanel(QWidget& parent);

}  // namespace kw
