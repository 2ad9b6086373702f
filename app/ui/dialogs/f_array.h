// The array dialog "FArray": columns and rows of copies and the gaps between
// them in X and in Y, mm (the caller adds the selection's size for the pitch).
#pragma once

#include "dialogs/transform_dialog.h"

namespace kw {

class FArray : public TransformDialog {
  Q_OBJECT
 public:
  explicit FArray(QWidget* parent = nullptr);

  RfText& RfTH() const { return *rfTH_; }
  RfText& RfTS() const { return *rfTS_; }
  RfText& RfTlie() const { return *rfTlie_; }
  RfText& RfThang() const { return *rfThang_; }

 private:
  RfText* rfTH_ = nullptr;
  RfText* rfTS_ = nullptr;
  RfText* rfTlie_ = nullptr;
  RfText* rfThang_ = nullptr;
};

}  // namespace kw
