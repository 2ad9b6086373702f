// Reading a dialog's RfText fields as whole numbers before anything changes:
// the key rule still lets "-", "1.2.3" or an empty box through, so the first
// field that is not a number is remembered and named to the user.
#pragma once

#include <QString>

#include "support/checked_number.h"
#include "widgets/rf_text.h"

class QWidget;

namespace kw {

class FieldReader {
 public:
  template <typename Number>
  Number Read(const RfText& box) {
    const auto value = CheckedNumber<Number>(box.Text().toStdString());
    if (!value) Refuse(box);
    return value.value_or(Number{});
  }
  void Refuse(const RfText& box) {
    if (!refused_) refused_ = &box;
  }
  // True when every field read; otherwise the user is told which did not.
  bool Accepted(QWidget& parent) const;

 private:
  const RfText* refused_ = nullptr;
};

// What the label of a field says, without its mnemonic; its name without a label.
QString CaptionOf(const RfText& box);

}  // namespace kw
