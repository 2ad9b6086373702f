#include "dialogs/transform_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/dialog_buttons.h"
#include "widgets/language_ui.h"
#include "widgets/rf_text.h"

namespace kw {

TransformDialog::TransformDialog(const char* name, const char* title, QWidget* parent)
    : QDialog(parent), section_(name), body_(new QVBoxLayout(this)) {
  setObjectName(name);
  setWindowTitle(title);
  // A dialog this small has nothing to resize.
  body_->setSizeConstraint(QLayout::SetFixedSize);
}

void TransformDialog::ReLanguage() { ApplyLanguage(*this, section_); }

RfText* TransformDialog::AddField(QFormLayout& form, const char* name, const char* labelName, const char* caption) {
  auto* label = new QLabel(caption, this);
  label->setObjectName(labelName);
  auto* box = new RfText(this);
  box->setObjectName(name);
  // Typing into a box that has just been entered replaces its value.
  box->SetSelAll(true);
  box->setMinimumWidth(90);
  label->setBuddy(box);
  form.addRow(label, box);
  return box;
}

QRadioButton* TransformDialog::AddOption(QGroupBox& group, const char* name, const char* caption) {
  auto* option = new QRadioButton(caption, &group);
  option->setObjectName(name);
  return option;
}

std::array<QRadioButton*, 5> TransformDialog::AddCornerOptions(const char* groupName, const char* caption) {
  auto* group = new QGroupBox(caption, this);
  group->setObjectName(groupName);
  auto* grid = new QGridLayout(group);
  std::array<QRadioButton*, 5> op{};
  const char* names[] = {"Op0", "Op1", "Op2", "Op3", "Op4"};
  const char* captions[] = {"&Centre", "&Top left", "Top ri&ght", "&Bottom left", "Bottom &right"};
  // Row and column of each option in a three-by-three grid: the centre in the middle, the corners around it.
  const int cells[5][2] = {{1, 1}, {0, 0}, {0, 2}, {2, 0}, {2, 2}};
  for (size_t i = 0; i < op.size(); ++i) {
    op[i] = AddOption(*group, names[i], captions[i]);
    grid->addWidget(op[i], cells[i][0], cells[i][1]);
  }
  op[0]->setChecked(true);
  body_->addWidget(group);
  return op;
}

void TransformDialog::AddButtons() {
  auto* buttons = AddOkCancel(*this);
  connect(buttons, &QDialogButtonBox::accepted, this, &TransformDialog::OnOk);
  body_->addWidget(buttons);
}

void TransformDialog::OnOk() {
  if (QWidget* focused = focusWidget()) focused->clearFocus();
  CoK = true;
  accept();
}

template <size_t N>
int16_t FirstChecked(const std::array<QRadioButton*, N>& options) {
  for (size_t i = 0; i < N; ++i) {
    if (options[i]->isChecked()) return static_cast<int16_t>(i);
  }
  return -1;
}

template int16_t FirstChecked(const std::array<QRadioButton*, 2>&);
template int16_t FirstChecked(const std::array<QRadioButton*, 3>&);
template int16_t FirstChecked(const std::array<QRadioButton*, 5>&);

}  // namespace kw
