#include "dialogs/dialog_buttons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace kw {

QDialogButtonBox* AddOkCancel(QDialog& dialog) {
  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  box->setObjectName("Buttons");
  box->button(QDialogButtonBox::Ok)->setObjectName("OKButton");
  box->button(QDialogButtonBox::Cancel)->setObjectName("CancelButton");
  QObject::connect(box, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  return box;
}

}  // namespace kw
