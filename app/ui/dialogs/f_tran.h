// The move dialog "FTran": how far the selection moves in X and in Y, mm.
#pragma once

#include "dialogs/transform_dialog.h"

namespace kw {

class FTran : public TransformDialog {
  Q_OBJECT
 public:
  explicit FTran(QWidget* parent = nullptr);

  RfText& RfTH() const { return *rfTH_; }
  RfText& RfTS() const { return *rfTS_; }

 private:
  RfText* rfTH_ = nullptr;
  RfText* rfTS_ = nullptr;
};

}  // namespace kw
