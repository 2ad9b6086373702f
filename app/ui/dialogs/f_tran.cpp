#include "dialogs/f_tran.h"

#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "widgets/rf_text.h"

namespace kw {

FTran::FTran(QWidget* parent) : TransformDialog("FTran", "Move", parent) {
  auto* form = new QFormLayout;
  Body().addLayout(form);
  rfTH_ = AddField(*form, "RfTH", "Label1", "&X distance (mm):");
  rfTS_ = AddField(*form, "RfTS", "Label2", "&Y distance (mm):");
  auto* hint = new QLabel("Positive values move to the right and upwards.", this);
  hint->setObjectName("Label3");
  Body().addWidget(hint);
  AddButtons();
  ReLanguage();
}

}  // namespace kw
