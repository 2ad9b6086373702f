#include "machine_panel.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "machine/machine_settings.h"
#include "machine/tool_depth.h"
#include "widgets/rf_text.h"

namespace kw {
namespace {

QString Indexed(const char* name, int i) { return QString("%1%2").arg(name).arg(i); }

QPushButton* Button(const QString& name, const QString& caption, QWidget& parent) {
  auto* button = new QPushButton(caption, &parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

QLabel* Label(const QString& name, const QString& text, QWidget& parent) {
  auto* label = new QLabel(text, &parent);
  label->setObjectName(name);
  return label;
}

RfText* NumberBox(const char* name, QWidget& parent) {
  auto* box = new RfText(&parent);
  box->setObjectName(name);
  box->SetFuHao(false);  // speeds and steps have no direction
  box->setMaximumWidth(80);
  return box;
}

QGroupBox* Group(const char* name, const char* title, QWidget& parent) {
  auto* group = new QGroupBox(title, &parent);
  group->setObjectName(name);
  return group;
}

QGridLayout* CompactGrid(QWidget& group) {
  auto* grid = new QGridLayout(&group);
  grid->setContentsMargins(4, 4, 4, 4);
  grid->setHorizontalSpacing(4);
  grid->setVerticalSpacing(2);
  return grid;
}

}  // namespace

MachinePanel::MachinePanel(QWidget* parent) : QWidget(parent) {
  setObjectName("MachinePanel");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 2, 2, 2);
  ckDevice_ = new QCheckBox("Connect", this);
  ckDevice_->setObjectName("CkDevice");
  layout->addWidget(ckDevice_);

  auto* scroll = new QScrollArea(this);
  scroll->setObjectName("SSTb");
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  auto* content = new QWidget(scroll);
  content->setObjectName("SSTbPage");
  auto* column = new QVBoxLayout(content);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(4);
  for (QWidget* group : {BuildRunGroup(*content), BuildPositionGroup(*content), BuildJogGroup(*content),
                         BuildToolGroup(*content), BuildSpeedGroup(*content)}) {
    column->addWidget(group);
  }
  column->addStretch(1);
  scroll->setWidget(content);
  scroll->setMinimumWidth(content->sizeHint().width() + 16);
  sstb_ = scroll;
  layout->addWidget(sstb_, 1);
  layout->addStretch(0);
  // The panel's controls are of use only while connected.
  sstb_->hide();
}

QWidget* MachinePanel::BuildRunGroup(QWidget& parent) {
  auto* group = Group("FraRun", "Run", parent);
  auto* grid = CompactGrid(*group);
  grid->addWidget(Button("CRun", "Run", *group), 0, 0);
  grid->addWidget(Button("CRunSel", "Run selection", *group), 0, 1);
  return group;
}

QWidget* MachinePanel::BuildPositionGroup(QWidget& parent) {
  auto* group = Group("FraPosition", "Position", parent);
  auto* grid = CompactGrid(*group);
  grid->addWidget(Button("CGoHome", "Home", *group), 0, 0);
  grid->addWidget(Button("CMoveFrame", "Trace frame", *group), 0, 1);
  grid->addWidget(Button("CGoOrg", "To job start", *group), 1, 0);
  grid->addWidget(Button("CGoZero", "To zero", *group), 1, 1);
  grid->addWidget(Button("CSetOrg", "Job to head", *group), 2, 0, 1, 2);
  auto* head = new QHBoxLayout;
  lmx_ = Label("Lmx", "000.000", *group);
  lmy_ = Label("Lmy", "000.000", *group);
  for (QLabel* value : {lmx_, lmy_}) value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  head->addWidget(Label("LHeadX", "X:", *group));
  head->addWidget(lmx_);
  head->addStretch(1);
  head->addWidget(Label("LHeadY", "Y:", *group));
  head->addWidget(lmy_);
  grid->addLayout(head, 3, 0, 1, 2);
  return group;
}

QWidget* MachinePanel::BuildJogGroup(QWidget& parent) {
  auto* group = Group("FraJog", "Jog", parent);
  auto* grid = CompactGrid(*group);
  auto* form = new QFormLayout;
  form->setContentsMargins(0, 0, 0, 0);
  jogSpeed_ = NumberBox("JogSpeed", *group);
  rtStep_ = NumberBox("RtStep", *group);
  rtStep_->SetText("10");
  form->addRow(Label("LJogSpeed", "Jog speed (mm/s)", *group), jogSpeed_);
  form->addRow(Label("LRtStep", "Step (mm)", *group), rtStep_);
  grid->addLayout(form, 0, 0, 1, 4);
  opJogMode_[0] = new QRadioButton("To the edge", group);
  opJogMode_[1] = new QRadioButton("By the step", group);
  for (int i = 0; i < 2; ++i) {
    opJogMode_[i]->setObjectName(Indexed("OpJogMode", i));
    grid->addWidget(opJogMode_[i], 1, i * 2, 1, 2);
  }
  opJogMode_[0]->setChecked(true);
  const char* axes[] = {"X", "Y", "Z"};
  for (int i = 0; i < 3; ++i) {
    cmf_[i] = Button(Indexed("Cmf", i), QString("%1-").arg(axes[i]), *group);
    cmz_[i] = Button(Indexed("Cmz", i), QString("%1+").arg(axes[i]), *group);
    for (QAbstractButton* jog : {cmf_[i], cmz_[i]}) jog->setMaximumWidth(56);
  }
  // The X and Y buttons lie as the directions run on the view; Z beside them.
  grid->addWidget(cmz_[1], 2, 1);
  grid->addWidget(cmf_[0], 3, 0);
  grid->addWidget(cmz_[0], 3, 2);
  grid->addWidget(cmf_[1], 4, 1);
  grid->addWidget(cmz_[2], 2, 3);
  grid->addWidget(cmf_[2], 4, 3);
  return group;
}

QWidget* MachinePanel::BuildToolGroup(QWidget& parent) {
  auto* group = Group("FraTool", "Tool", parent);
  auto* grid = CompactGrid(*group);
  const char* heights[] = {"Lift", "Pen", "Knife", "Half-cut"};
  for (int i = 0; i < 4; ++i) {
    cTool_[i] = Button(Indexed("CTool", i), heights[i], *group);
    grid->addWidget(cTool_[i], i / 2, (i % 2) * 2, 1, 2);
  }
  const char* depths[] = {"Pen depth", "Knife depth", "Half-cut depth"};
  for (int i = 0; i < 3; ++i) {
    cToolDec_[i] = Button(Indexed("CToolDec", i), "-", *group);
    cToolAdd_[i] = Button(Indexed("CToolAdd", i), "+", *group);
    lzpos_[i] = Label(Indexed("LZPOS", i), "0", *group);
    lzpos_[i]->setAlignment(Qt::AlignCenter);
    lzpos_[i]->setMinimumWidth(24);
    for (QAbstractButton* step : {cToolDec_[i], cToolAdd_[i]}) step->setMaximumWidth(32);
    grid->addWidget(Label(Indexed("LDepth", i), depths[i], *group), 2 + i, 0);
    grid->addWidget(cToolDec_[i], 2 + i, 1);
    grid->addWidget(lzpos_[i], 2 + i, 2);
    grid->addWidget(cToolAdd_[i], 2 + i, 3);
  }
  return group;
}

QWidget* MachinePanel::BuildSpeedGroup(QWidget& parent) {
  auto* group = Group("FraSpeed", "Work speed", parent);
  auto* form = new QFormLayout(group);
  form->setContentsMargins(4, 4, 4, 4);
  form->setVerticalSpacing(2);
  const char* tools[] = {"Pen speed (mm/s)", "Knife speed (mm/s)", "Half-cut speed (mm/s)"};
  for (int i = 0; i < 3; ++i) {
    workSpeed_[i] = NumberBox(qPrintable(Indexed("WorkSpeed", i)), *group);
    form->addRow(Label(Indexed("LWorkSpeed", i), tools[i], *group), workSpeed_[i]);
  }
  return group;
}

QAbstractButton& MachinePanel::Command(const char* name) {
  auto* button = sstb_->findChild<QAbstractButton*>(name);
  Q_ASSERT(button);
  return *button;
}

void MachinePanel::LoadSpeeds() {
  const auto& s = Settings();
  jogSpeed_->SetText(QString::fromStdString(s.JogSpeed));
  for (int i = 0; i < 3; ++i) workSpeed_[i]->SetText(QString::fromStdString(s.WorkSpeed[i]));
}

void MachinePanel::StoreSpeeds() const {
  auto& s = Settings();
  s.JogSpeed = jogSpeed_->Text().toStdString();
  for (int i = 0; i < 3; ++i) s.WorkSpeed[i] = workSpeed_[i]->Text().toStdString();
}

void MachinePanel::ShowToolDepths(const MachineSettings& s) {
  for (int i = 0; i < 3; ++i) lzpos_[i]->setText(QString::number(ToolDepthStep(s, i)));
}

int MachinePanel::JogMode() const { return opJogMode_[1]->isChecked() ? 1 : 0; }

}  // namespace kw
