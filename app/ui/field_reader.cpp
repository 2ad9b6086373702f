#include "field_reader.h"

#include <QLabel>
#include <QRegularExpression>

#include "widgets/language_ui.h"
#include "widgets/message_box.h"

namespace kw {

QString CaptionOf(const RfText& box) {
  for (const QLabel* label : box.window()->findChildren<QLabel*>()) {
    if (label->buddy() == &box) return label->text().remove(QRegularExpression(R"(\(&.\))")).remove('&');
  }
  return box.objectName();
}

bool FieldReader::Accepted(QWidget& parent) const {
  if (!refused_) return true;
  ShowMessageText(&parent, LanguageQTextOr("MSGBOX", "0026", "The value entered is not a number.") + "\n" +
                               CaptionOf(*refused_) + " \"" + refused_->Text() + "\"");
  return false;
}

}  // namespace kw
