// The weed box dialog "FWeedBox": how far outside the selection (the whole
// drawing when nothing is selected) the weed box goes, mm.
#pragma once

#include "dialogs/transform_dialog.h"

namespace kw {

class FWeedBox : public TransformDialog {
  Q_OBJECT
 public:
  explicit FWeedBox(QWidget* parent = nullptr);

  RfText& RfMargin() const { return *rfMargin_; }

 private:
  RfText* rfMargin_ = nullptr;
};

}  // namespace kw
