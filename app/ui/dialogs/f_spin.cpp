#include "dialogs/f_spin.h"

#include <QFormLayout>
#include <QVBoxLayout>

#include "widgets/rf_text.h"

namespace kw {

FSpin::FSpin(QWidget* parent) : TransformDialog("FSpin", "Rotate", parent) {
  auto* form = new QFormLayout;
  Body().addLayout(form);
  rj_ = AddField(*form, "Rj", "Label1", "&Angle (degrees, anticlockwise):");
  rj_->SetText("90");
  op_ = AddCornerOptions("Frame0", "Centre of rotation");
  AddButtons();
  ReLanguage();
}

}  // namespace kw
