#include "dialogs/f_mirror.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "widgets/language_ui.h"

namespace kw {
namespace {

QGroupBox* NewGroup(QWidget& parent, const char* name, const char* caption) {
  auto* group = new QGroupBox(caption, &parent);
  group->setObjectName(name);
  new QVBoxLayout(group);
  return group;
}

}  // namespace

FMirror::FMirror(QWidget* parent) : TransformDialog("FMirror", "Mirror", parent) {
  auto* axis = NewGroup(*this, "Frame0", "Axis");
  opZ_ = {AddOption(*axis, "OpZ0", "&Horizontal axis (upside down)"),
          AddOption(*axis, "OpZ1", "&Vertical axis (left to right)")};
  auto* place = NewGroup(*this, "Frame1", "Position of the axis");
  opW_ = {AddOption(*place, "OpW0", "&Middle"), AddOption(*place, "OpW1", "&Left side"),
          AddOption(*place, "OpW2", "&Right side")};
  for (auto* group : {axis, place}) {
    for (QRadioButton* option : group->findChildren<QRadioButton*>()) group->layout()->addWidget(option);
    Body().addWidget(group);
  }
  opZ_[1]->setChecked(true);
  opW_[0]->setChecked(true);
  connect(opZ_[0], &QRadioButton::toggled, this, [this] { ShowSideCaptions(); });
  AddButtons();
  ReLanguage();
}

void FMirror::ReLanguage() {
  TransformDialog::ReLanguage();
  ShowSideCaptions();
}

void FMirror::ShowSideCaptions() {
  const bool horizontal = opZ_[0]->isChecked();
  opW_[1]->setText(LanguageQTextOr("FMirror", horizontal ? "OpW3" : "OpW1", horizontal ? "&Top side" : "&Left side"));
  opW_[2]->setText(
      LanguageQTextOr("FMirror", horizontal ? "OpW4" : "OpW2", horizontal ? "&Bottom side" : "&Right side"));
}

}  // namespace kw
