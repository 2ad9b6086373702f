// The rotate dialog "FSpin": the angle in degrees (anticlockwise) and the
// point Op0..Op4 the selection turns about.
#pragma once

#include <array>
#include <cstdint>

#include "dialogs/transform_dialog.h"

namespace kw {

class FSpin : public TransformDialog {
  Q_OBJECT
 public:
  explicit FSpin(QWidget* parent = nullptr);

  RfText& Rj() const { return *rj_; }
  QRadioButton& Op(int i) const { return *op_.at(static_cast<size_t>(i)); }
  // The Center code of the first chosen point, -1 when none is.
  int16_t SelectedOp() const { return FirstChecked(op_); }

 private:
  RfText* rj_ = nullptr;
  std::array<QRadioButton*, 5> op_{};
};

}  // namespace kw
