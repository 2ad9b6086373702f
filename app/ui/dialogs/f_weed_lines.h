// The weed lines dialog "FWeedLines": the spacing of the lines, mm, and
// which directions to cut.
#pragma once

#include "dialogs/transform_dialog.h"

class QCheckBox;

namespace kw {

class FWeedLines : public TransformDialog {
  Q_OBJECT
 public:
  explicit FWeedLines(QWidget* parent = nullptr);

  RfText& RfSpacing() const { return *rfSpacing_; }
  bool Horizontal() const;
  bool Vertical() const;

 private:
  RfText* rfSpacing_ = nullptr;
  QCheckBox* ckHorizontal_ = nullptr;
  QCheckBox* ckVertical_ = nullptr;
};

}  // namespace kw
