#include "dialogs/f_array.h"

#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "widgets/rf_text.h"

namespace kw {

FArray::FArray(QWidget* parent) : TransformDialog("FArray", "Array", parent) {
  auto* form = new QFormLayout;
  Body().addLayout(form);
  rfTlie_ = AddField(*form, "RfTlie", "Label1", "&Columns:");
  rfThang_ = AddField(*form, "RfThang", "Label2", "&Rows:");
  rfTH_ = AddField(*form, "RfTH", "Label3", "&Horizontal gap (mm):");
  rfTS_ = AddField(*form, "RfTS", "Label4", "&Vertical gap (mm):");
  // Counts are whole and positive.
  for (RfText* count : {rfTlie_, rfThang_}) {
    count->SetFuHao(false);
    count->SetXiaoShuDian(false);
    count->SetText("2");
  }
  rfTH_->SetText("5");
  rfTS_->SetText("5");
  auto* hint = new QLabel("The copies go to the right and downwards.", this);
  hint->setObjectName("Label5");
  Body().addWidget(hint);
  AddButtons();
  ReLanguage();
}

}  // namespace kw
