#include "dialogs/f_weed_lines.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "widgets/rf_text.h"

namespace kw {

FWeedLines::FWeedLines(QWidget* parent) : TransformDialog("FWeedLines", "Weed lines", parent) {
  auto* form = new QFormLayout;
  Body().addLayout(form);
  rfSpacing_ = AddField(*form, "RfSpacing", "Label1", "&Spacing (mm):");
  rfSpacing_->SetFuHao(false);
  rfSpacing_->SetText("10");
  ckHorizontal_ = new QCheckBox("&Horizontal lines", this);
  ckHorizontal_->setObjectName("CkHorizontal");
  ckVertical_ = new QCheckBox("&Vertical lines", this);
  ckVertical_->setObjectName("CkVertical");
  for (QCheckBox* direction : {ckHorizontal_, ckVertical_}) {
    direction->setChecked(true);
    Body().addWidget(direction);
  }
  auto* hint = new QLabel("The lines run from the selected weed box inwards and stop short of the shapes.", this);
  hint->setObjectName("Label2");
  hint->setWordWrap(true);
  Body().addWidget(hint);
  AddButtons();
  ReLanguage();
}

bool FWeedLines::Horizontal() const { return ckHorizontal_->isChecked(); }
bool FWeedLines::Vertical() const { return ckVertical_->isChecked(); }

}  // namespace kw
