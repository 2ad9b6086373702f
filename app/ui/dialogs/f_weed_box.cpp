#include "dialogs/f_weed_box.h"

#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "widgets/rf_text.h"

namespace kw {

FWeedBox::FWeedBox(QWidget* parent) : TransformDialog("FWeedBox", "Weed box", parent) {
  auto* form = new QFormLayout;
  Body().addLayout(form);
  rfMargin_ = AddField(*form, "RfMargin", "Label1", "&Margin (mm):");
  // A margin is never negative.
  rfMargin_->SetFuHao(false);
  rfMargin_->SetText("5");
  auto* hint = new QLabel("The box goes around the selection, or the whole drawing when nothing is selected.", this);
  hint->setObjectName("Label2");
  hint->setWordWrap(true);
  Body().addWidget(hint);
  AddButtons();
  ReLanguage();
}

}  // namespace kw
