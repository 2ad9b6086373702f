// The mirror dialog "FMirror": the axis (OpZ0 horizontal, the drawing turns
// upside down; OpZ1 vertical, left and right change places) and where it lies
// on the selection (OpW0 middle, OpW1 and OpW2 the two sides).
#pragma once

#include <array>
#include <cstdint>

#include "dialogs/transform_dialog.h"

namespace kw {

class FMirror : public TransformDialog {
  Q_OBJECT
 public:
  explicit FMirror(QWidget* parent = nullptr);

  QRadioButton& OpZ(int i) const { return *opZ_.at(static_cast<size_t>(i)); }
  QRadioButton& OpW(int i) const { return *opW_.at(static_cast<size_t>(i)); }
  int16_t SelectedOpZ() const { return FirstChecked(opZ_); }
  int16_t SelectedOpW() const { return FirstChecked(opW_); }

  Q_INVOKABLE void ReLanguage() override;

 private:
  // The side options read top/bottom for the horizontal axis, left/right for the vertical one.
  void ShowSideCaptions();

  std::array<QRadioButton*, 2> opZ_{};
  std::array<QRadioButton*, 3> opW_{};
};

}  // namespace kw
