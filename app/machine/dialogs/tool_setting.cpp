#include "dialogs/tool_setting.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <exception>

#include "dialogs/dialog_buttons.h"
#include "machine/cydkz.h"
#include "machine/machine_moves.h"
#include "machine/machine_settings.h"
#include "machine/offset_test.h"
#include "machine/settings_file.h"
#include "support/basic_text.h"
#include "widgets/language_ui.h"
#include "widgets/rf_text.h"

namespace kw {
namespace {

constexpr int kBoxWidth = 80;
constexpr float kJogDistance = 5000;  // mm, further than Z travels: the jog ends when the button is let go
const char* const kFirstJogSpeed = "10";  // mm/s, slow enough to find a depth by eye

}  // namespace

ToolSetting::ToolSetting(CYdkz& ydkz, QWidget* parent) : QDialog(parent), ydkz_(ydkz), host_(*this) {
  setObjectName("ToolSetting");
  setWindowTitle("刀/笔设置");
  auto* outer = new QVBoxLayout(this);
  outer->setSizeConstraint(QLayout::SetFixedSize);
  outer->setContentsMargins(0, 0, 0, 0);
  body_ = new QWidget(this);
  outer->addWidget(body_);
  auto* layout = new QVBoxLayout(body_);
  layout->addWidget(AddZHeights());
  layout->addWidget(AddJog());
  auto* lower = new QHBoxLayout;
  lower->addWidget(AddOffset());
  lower->addWidget(AddOvercut());
  layout->addLayout(lower);
  auto* buttons = AddOkCancel(*this);
  connect(buttons, &QDialogButtonBox::accepted, this, &ToolSetting::OnOk);
  layout->addWidget(buttons);
  FillFields(fields_, Settings());
  ReLanguage();
}

QLabel* ToolSetting::AddLabel(QWidget& parent, const char* name, const char* caption) {
  auto* label = new QLabel(caption, &parent);
  label->setObjectName(name);
  return label;
}

RfText* ToolSetting::AddField(QWidget& parent, const char* name, const char* key, QLabel* row, QLabel* column) {
  auto* box = new RfText(&parent);
  box->setObjectName(name);
  box->SetSelAll(true);
  box->setMinimumWidth(kBoxWidth);
  if (row && !row->buddy()) row->setBuddy(box);
  fields_.push_back({box, key, row, column});
  return box;
}

QPushButton* ToolSetting::AddButton(QWidget& parent, const QString& name, const char* caption) {
  auto* button = new QPushButton(caption, &parent);
  button->setObjectName(name);
  // Enter belongs to OK.
  button->setAutoDefault(false);
  return button;
}

void ToolSetting::AddZField(QGridLayout& grid, int row, int column, int k, const char* name, const char* key,
                            QLabel* label, QLabel* heading) {
  QWidget& parent = *grid.parentWidget();
  zIndex_[k] = fields_.size();
  grid.addWidget(AddField(parent, name, key, label, heading), row, column);
  QPushButton* go = AddButton(parent, "CGo" + QString::number(k), "移到");
  QPushButton* set = AddButton(parent, "CSet" + QString::number(k), "设为当前");
  connect(go, &QPushButton::clicked, this, [this, k] { OnGo(k); });
  connect(set, &QPushButton::clicked, this, [this, k] { OnSet(k); });
  grid.addWidget(go, row, column + 1);
  grid.addWidget(set, row, column + 2);
}

QGroupBox* ToolSetting::AddZHeights() {
  auto* group = new QGroupBox("Z 轴位置(mm)", body_);
  group->setObjectName("Frame0");
  auto* grid = new QGridLayout(group);
  QLabel* up = AddLabel(*group, "LZUp", "抬刀高度：");
  grid->addWidget(up, 0, 0);
  AddZField(*grid, 0, 1, 0, "RtZPos_Up", "ZPos_Up", up, nullptr);
  QLabel* step[2] = {AddLabel(*group, "LStep0", "深度 0"), AddLabel(*group, "LStep1", "深度 10")};
  for (int i = 0; i < 2; ++i) grid->addWidget(step[i], 1, 1 + 3 * i, 1, 3);
  struct Tool {
    const char* label;
    const char* caption;
    const char* field;
    const char* key;
  };
  const Tool tools[3] = {{"LPen", "笔：", "RtZPos_Pen", "_Pen"},
                         {"LCut", "刀：", "RtZPos_Cut", "_Cut"},
                         {"LHalfCut", "半切刀：", "RtZPos_HalfCut", "_HalfCut"}};
  for (int t = 0; t < 3; ++t) {
    QLabel* label = AddLabel(*group, tools[t].label, tools[t].caption);
    grid->addWidget(label, 2 + t, 0);
    for (int i = 0; i < 2; ++i) {
      const std::string name = tools[t].field + std::to_string(i);
      const std::string key = (i == 0 ? "ZPosMin" : "ZPosMax") + std::string(tools[t].key);
      AddZField(*grid, 2 + t, 1 + 3 * i, 1 + t + 3 * i, name.c_str(), key.c_str(), label, step[i]);
    }
  }
  return group;
}

QGroupBox* ToolSetting::AddJog() {
  auto* group = new QGroupBox("Z 轴点动", body_);
  group->setObjectName("Frame1");
  auto* row = new QHBoxLayout(group);
  QLabel* label = AddLabel(*group, "LJogSpeed", "速度(mm/s)：");
  jogSpeed_ = new RfText(group);
  jogSpeed_->setObjectName("JogSpeed");
  jogSpeed_->SetFuHao(false);
  jogSpeed_->SetSelAll(true);
  jogSpeed_->setMinimumWidth(kBoxWidth);
  jogSpeed_->SetText(kFirstJogSpeed);
  label->setBuddy(jogSpeed_);
  connect(jogSpeed_, &RfText::LostFocus, this, &ToolSetting::OnJogSpeedLeft);
  QPushButton* plus = AddButton(*group, "Cmz", "正");
  QPushButton* minus = AddButton(*group, "Cmf", "反");
  connect(plus, &QPushButton::pressed, this, [this] { StartJog(+1); });
  connect(minus, &QPushButton::pressed, this, [this] { StartJog(-1); });
  connect(plus, &QPushButton::released, this, &ToolSetting::StopJog);
  connect(minus, &QPushButton::released, this, &ToolSetting::StopJog);
  row->addWidget(label);
  row->addWidget(jogSpeed_);
  row->addWidget(plus);
  row->addWidget(minus);
  row->addStretch(1);
  return group;
}

QGroupBox* ToolSetting::AddOffset() {
  auto* group = new QGroupBox("刀偏移(mm)", body_);
  group->setObjectName("Frame2");
  auto* grid = new QGridLayout(group);
  const char* labels[3][4] = {{"LOffset0", "X 偏移：", "RtOffset0", "CutOffsetX"},
                              {"LOffset1", "Y 偏移：", "RtOffset1", "CutOffsetY"},
                              {"LCutR", "刀尖偏心：", "RtCutR", "CutR"}};
  for (int i = 0; i < 3; ++i) {
    QLabel* label = AddLabel(*group, labels[i][0], labels[i][1]);
    grid->addWidget(label, i, 0);
    grid->addWidget(AddField(*group, labels[i][2], labels[i][3], label), i, 1);
  }
  QPushButton* test = AddButton(*group, "COffsetTest", "偏移测试");
  connect(test, &QPushButton::clicked, this, &ToolSetting::OnOffsetTest);
  grid->addWidget(test, 3, 0, 1, 2);
  return group;
}

QGroupBox* ToolSetting::AddOvercut() {
  auto* group = new QGroupBox("闭合过切(mm)", body_);
  group->setObjectName("Frame3");
  auto* grid = new QGridLayout(group);
  const char* captions[3] = {"笔：", "刀：", "半切刀："};
  for (int i = 0; i < 3; ++i) {
    const std::string n = std::to_string(i);
    QLabel* label = AddLabel(*group, ("LBl" + n).c_str(), captions[i]);
    grid->addWidget(label, i, 0);
    grid->addWidget(AddField(*group, ("RBl" + n).c_str(), ("CloseVal" + n).c_str(), label), i, 1);
  }
  grid->setRowStretch(3, 1);
  return group;
}

void ToolSetting::ReLanguage() { ApplyLanguage(*this, "ToolSetting"); }

template <typename Command>
void ToolSetting::Drive(Command command) {
  try {
    command();
  } catch (const std::exception& failure) {
    ShowControllerFailure(*this, failure);
  }
}

void ToolSetting::OnGo(int k) {
  const SettingField& field = fields_[zIndex_[k]];
  const auto z = FieldNumber(field);
  if (!z) return RefuseField(*this, field);
  Drive([&] { MoveZTo(ydkz_, Settings(), *z); });
}

void ToolSetting::OnSet(int k) {
  Drive([&] {
    float x = 0, y = 0, z = 0;
    // A controller that does not answer has no current height to take.
    if (ydkz_.GetPos(x, y, z) == 0) ZField(k).SetText(QString::fromStdString(TextOfSingle(z)));
  });
}

void ToolSetting::StartJog(float direction) {
  const MachineSettings& s = Settings();
  const double speed = Val(jogSpeed_->Text().toStdString());
  Drive([&] {
    ydkz_.Pmove(kAxisZ, direction * kJogDistance, s.SMin[2], s.Acc[2], static_cast<float>(speed > 0 ? speed : 1));
    jogging_ = true;
  });
}

void ToolSetting::StopJog() {
  if (!jogging_) return;
  jogging_ = false;
  Drive([&] { ydkz_.dec_stop(kAxisZ); });
}

void ToolSetting::hideEvent(QHideEvent* event) {
  // A jog never outlives the dialog, however the button was let go.
  StopJog();
  QDialog::hideEvent(event);
}

void ToolSetting::OnJogSpeedLeft() {
  if (Val(jogSpeed_->Text().toStdString()) == 0) jogSpeed_->SetText("1");
}

void ToolSetting::OnOffsetTest() {
  const SettingField* offset[2] = {nullptr, nullptr};
  for (const SettingField& field : fields_) {
    if (field.key == "CutOffsetX") offset[0] = &field;
    if (field.key == "CutOffsetY") offset[1] = &field;
  }
  const auto ox = FieldNumber(*offset[0]);
  if (!ox) return RefuseField(*this, *offset[0]);
  const auto oy = FieldNumber(*offset[1]);
  if (!oy) return RefuseField(*this, *offset[1]);
  // The crosses take a while: the dialog stays painted but takes no other command meanwhile.
  busy_ = true;
  body_->setEnabled(false);
  Drive([&] { RunOffsetTest(ydkz_, Settings(), host_, *ox, *oy); });
  body_->setEnabled(true);
  busy_ = false;
}

void ToolSetting::reject() {
  if (!busy_) QDialog::reject();
}

void ToolSetting::OnOk() {
  if (QWidget* focused = focusWidget()) focused->clearFocus();
  MachineSettings& s = Settings();
  if (const SettingField* refused = StoreFields(fields_, s)) return RefuseField(*this, *refused);
  ComputeToolHeights(s);
  // Kept at once, as the tool depth buttons keep theirs.
  SaveSettings();
  accept();
}

void ShowToolSettings(QWidget* parent, CYdkz& ydkz) {
  ToolSetting dialog(ydkz, parent);
  dialog.exec();
}

}  // namespace kw
