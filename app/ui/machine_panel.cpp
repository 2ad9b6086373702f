#include "machine_panel.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "machine/machine_settings.h"

namespace kw {
namespace {

QLineEdit* SpeedBox(const QString& name, QWidget* parent) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  box->setMaximumWidth(80);
  return box;
}

QLabel* Label(const QString& name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

}  // namespace

MachinePanel::MachinePanel(QWidget* parent) : QWidget(parent) {
  setObjectName("MachinePanel");
  auto* layout = new QVBoxLayout(this);
  ckDevice_ = new QCheckBox("Connect", this);
  ckDevice_->setObjectName("CkDevice");
  layout->addWidget(ckDevice_);

  sstb_ = new QWidget(this);
  sstb_->setObjectName("SSTb");
  auto* form = new QFormLayout(sstb_);
  jogSpeed_ = SpeedBox("JogSpeed", sstb_);
  form->addRow(Label("LJogSpeed", "Jog speed (mm/s)", sstb_), jogSpeed_);
  const char* tools[] = {"Pen speed (mm/s)", "Knife speed (mm/s)", "Half-cut speed (mm/s)"};
  for (int i = 0; i < 3; ++i) {
    workSpeed_[i] = SpeedBox(QString("WorkSpeed%1").arg(i), sstb_);
    form->addRow(Label(QString("LWorkSpeed%1").arg(i), tools[i], sstb_), workSpeed_[i]);
  }
  layout->addWidget(sstb_);
  layout->addStretch(1);
  // The panel's controls are of use only while connected.
  sstb_->hide();
}

void MachinePanel::LoadSpeeds() {
  const auto& s = Settings();
  jogSpeed_->setText(QString::fromStdString(s.JogSpeed));
  for (int i = 0; i < 3; ++i) workSpeed_[i]->setText(QString::fromStdString(s.WorkSpeed[i]));
}

void MachinePanel::StoreSpeeds() const {
  auto& s = Settings();
  s.JogSpeed = jogSpeed_->text().toStdString();
  for (int i = 0; i < 3; ++i) s.WorkSpeed[i] = workSpeed_[i]->text().toStdString();
}

}  // namespace kw
