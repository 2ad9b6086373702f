#include "dialogs/f_scale.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <cfloat>
#include <cmath>

#include "support/basic_text.h"
#include "widgets/rf_text.h"

namespace kw {
namespace {

double Number(const RfText& box) { return Val(box.Text().toStdString()); }

QString FactorText(double v) { return QString::fromStdString(TextOfDouble(v)); }

// Sizes are millimetres and show as Singles do; a value too large for one keeps all its digits.
QString SizeText(double v) {
  return QString::fromStdString(std::abs(v) <= FLT_MAX ? TextOfSingle(static_cast<float>(v)) : TextOfDouble(v));
}

// The extent as the decimal its text shows, so that typing the width back gives a factor of exactly 1.
double Decimal(float extent) { return Val(TextOfSingle(extent)); }

QGroupBox* NewGroup(QWidget& parent, const char* name, const char* caption) {
  auto* group = new QGroupBox(caption, &parent);
  group->setObjectName(name);
  return group;
}

}  // namespace

FScale::FScale(QWidget* parent) : TransformDialog("FScale", "Scale", parent) {
  auto* row = new QHBoxLayout;
  Body().addLayout(row);
  BuildFactors();
  BuildSizes();
  row->addWidget(findChild<QGroupBox*>("Frame0"));
  row->addWidget(findChild<QGroupBox*>("Frame1"));
  op_ = AddCornerOptions("Frame2", "Fixed point");
  AddButtons();
  connect(rBlX_, &RfText::LostFocus, this, [this] { FactorLeft(X(), Y()); });
  connect(rBlY_, &RfText::LostFocus, this, [this] { FactorLeft(Y(), X()); });
  connect(rfW_, &RfText::LostFocus, this, [this] { SizeLeft(X(), Y()); });
  connect(rfH_, &RfText::LostFocus, this, [this] { SizeLeft(Y(), X()); });
  for (int i : {0, 1}) connect(ckLock_[i], &QCheckBox::clicked, this, [this, i] { LockClicked(i); });
  ReLanguage();
}

// A box leaving while the dialog goes away must not reach the half-destroyed dialog.
FScale::~FScale() {
  for (RfText* box : {rBlX_, rBlY_, rfW_, rfH_}) disconnect(box, nullptr, this, nullptr);
}

void FScale::BuildFactors() {
  auto* group = NewGroup(*this, "Frame0", "Scale factor");
  auto* layout = new QVBoxLayout(group);
  auto* form = new QFormLayout;
  layout->addLayout(form);
  rBlX_ = AddField(*form, "RBlX", "Label1", "&X:");
  rBlY_ = AddField(*form, "RBlY", "Label2", "&Y:");
  rBlX_->SetText("1");
  rBlY_->SetText("1");
  ckLock_[0] = new QCheckBox("&Lock proportions", group);
  ckLock_[0]->setObjectName("CkLock0");
  layout->addWidget(ckLock_[0]);
}

void FScale::BuildSizes() {
  auto* group = NewGroup(*this, "Frame1", "Size (mm)");
  auto* layout = new QVBoxLayout(group);
  auto* form = new QFormLayout;
  layout->addLayout(form);
  rfW_ = AddField(*form, "RfW", "Label3", "&Width:");
  rfH_ = AddField(*form, "RfH", "Label4", "&Height:");
  ckLock_[1] = new QCheckBox("Loc&k proportions", group);
  ckLock_[1]->setObjectName("CkLock1");
  layout->addWidget(ckLock_[1]);
}

int16_t FScale::SelectedOp() const { return FirstChecked(op_); }

bool FScale::Locked() const { return ckLock_[0]->isChecked(); }

void FScale::Preset(double kx, double ky, int16_t center, bool lock) {
  if (center >= 0 && center < static_cast<int16_t>(op_.size())) op_[static_cast<size_t>(center)]->setChecked(true);
  if (lock) {
    for (QCheckBox* box : ckLock_) box->setChecked(true);
  }
  rBlX_->SetText(FactorText(kx));
  rBlY_->SetText(FactorText(ky));
  rfW_->SetText(SizeText(Decimal(w_) * kx));
  rfH_->SetText(SizeText(Decimal(h_) * ky));
}

void FScale::showEvent(QShowEvent* event) {
  TransformDialog::showEvent(event);
  if (!event->spontaneous()) Activate();
}

// A direction the selection has no extent in cannot be scaled; zeros are
// values nobody means, so they become the unchanged size.
void FScale::Activate() {
  for (const Axis& axis : {X(), Y()}) {
    axis.factor->setEnabled(axis.extent != 0);
    axis.size->setEnabled(axis.extent != 0);
    if (Number(*axis.size) == 0) axis.size->SetText(SizeText(axis.extent));
    if (Number(*axis.factor) == 0) axis.factor->SetText("1");
  }
}

void FScale::FactorLeft(const Axis& own, const Axis& other) {
  if (Number(*own.factor) == 0) own.factor->SetText("1");
  if (Locked()) other.factor->SetText(own.factor->Text());
  ShowSize(X());
  ShowSize(Y());
}

void FScale::SizeLeft(const Axis& own, const Axis& other) {
  if (own.extent == 0) return;  // the box is disabled then
  if (Number(*own.size) == 0) own.size->SetText(SizeText(own.extent));
  own.factor->SetText(FactorText(Number(*own.size) / Decimal(own.extent)));
  if (Locked()) other.factor->SetText(own.factor->Text());
  ShowSize(other);
}

void FScale::LockClicked(int i) {
  const bool on = ckLock_[static_cast<size_t>(i)]->isChecked();
  ckLock_[static_cast<size_t>(1 - i)]->setChecked(on);
  if (!on) return;
  rBlY_->SetText(rBlX_->Text());
  ShowSize(X());
  ShowSize(Y());
}

void FScale::ShowSize(const Axis& axis) { axis.size->SetText(SizeText(Number(*axis.factor) * Decimal(axis.extent))); }

}  // namespace kw
