#include "dialogs/set_m.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>

#include "dialogs/dialog_buttons.h"
#include "dialogs/machine_parameter_file.h"
#include "machine/settings_file.h"
#include "widgets/language_ui.h"
#include "widgets/message_box.h"
#include "widgets/rf_text.h"

namespace kw {
namespace {

constexpr int kBoxWidth = 90;

// "name|patterns|name|patterns" as the file dialog wants it.
QString DialogFilter(const QString& pairs) {
  const QStringList parts = pairs.split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    filters << QString("%1 (%2)").arg(parts[i], parts[i + 1].split(';').join(' '));
  }
  return filters.join(";;");
}

std::filesystem::path PathOf(const QString& name) { return std::filesystem::path(name.toStdString()); }

}  // namespace

SetM::SetM(QWidget* parent) : QDialog(parent) {
  setObjectName("SetM");
  setWindowTitle("控制器参数");
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  stb_ = new QTabWidget(this);
  stb_->setObjectName("Stb");
  stb_->addTab(AddAxisPage(), "运动参数");
  stb_->addTab(AddWorkPage(), "加工参数");
  layout->addWidget(stb_);
  AddButtons();
  FillFields(fields_, Settings());
  ReLanguage();
}

QLabel* SetM::AddLabel(const char* name, const char* caption) {
  auto* label = new QLabel(caption, this);
  label->setObjectName(name);
  return label;
}

QLabel* SetM::AddRow(QGridLayout& grid, const char* labelName, const char* caption, const char* boxName,
                     const char* key, const std::vector<QLabel*>& columns, bool integer) {
  const int row = grid.rowCount();
  QLabel* label = AddLabel(labelName, caption);
  grid.addWidget(label, row, 0);
  const size_t count = std::max<size_t>(columns.size(), 1);
  for (size_t i = 0; i < count; ++i) {
    auto* box = new RfText(this);
    const QString suffix = columns.empty() ? QString() : QString::number(i);
    box->setObjectName(boxName + suffix);
    box->SetXiaoShuDian(!integer);
    box->SetSelAll(true);
    box->setMinimumWidth(kBoxWidth);
    if (i == 0) label->setBuddy(box);
    grid.addWidget(box, row, static_cast<int>(i) + 1);
    fields_.push_back({box, key + suffix.toStdString(), label, columns.empty() ? nullptr : columns[i]});
  }
  return label;
}

QWidget* SetM::AddAxisPage() {
  auto* page = new QWidget(this);
  page->setObjectName("StbPage0");
  auto* grid = new QGridLayout(page);
  const std::vector<QLabel*> axes{AddLabel("LAxis0", "X"), AddLabel("LAxis1", "Y"), AddLabel("LAxis2", "Z")};
  for (size_t i = 0; i < axes.size(); ++i) {
    axes[i]->setAlignment(Qt::AlignCenter);
    grid->addWidget(axes[i], 0, static_cast<int>(i) + 1);
  }
  AddRow(*grid, "LTDC", "每转行程(mm)：", "TDC", "Sgdc", axes);
  AddRow(*grid, "LTmc", "每转脉冲数：", "Tmc", "Mcs", axes, true);
  AddRow(*grid, "LTmax", "最高速度(mm/s)：", "Tmax", "SMax", axes);
  AddRow(*grid, "LTmin", "起跳速度(mm/s)：", "Tmin", "SMin", axes);
  AddRow(*grid, "LTaS", "加速度(mm/s²)：", "TaS", "Acc", axes);
  AddRow(*grid, "LTHome", "复位速度(mm/s)：", "THome", "HSpeed", axes);
  AddRow(*grid, "LCJS", "连续插补参数(mm/s)：", "CJS", "Cspeed", axes);
  AddRow(*grid, "LRfMoveSpeed", "空移速度(mm/s)：", "RfMoveSpeed", "MoveSpeed", axes);
  grid->setRowStretch(grid->rowCount(), 1);
  return page;
}

QWidget* SetM::AddWorkPage() {
  auto* page = new QWidget(this);
  page->setObjectName("StbPage1");
  auto* grid = new QGridLayout(page);
  const std::vector<QLabel*> tools{AddLabel("LTool0", "笔"), AddLabel("LTool1", "刀")};
  for (size_t i = 0; i < tools.size(); ++i) {
    tools[i]->setAlignment(Qt::AlignCenter);
    grid->addWidget(tools[i], 0, static_cast<int>(i) + 1);
  }
  AddRow(*grid, "LTBufAcc", "连续加速度(mm/s²)：", "TBufAcc", "BufAcc", tools);
  AddRow(*grid, "LBufmin", "连续起跳速度(mm/s)：", "Bufmin", "TSMin", tools);
  lhome_[0] = AddRow(*grid, "Lhome0", "加工幅面宽：", "TSize0", "WorkRect0", {});
  lhome_[1] = AddRow(*grid, "Lhome1", "加工幅面高：", "TSize1", "WorkRect1", {});
  AddRow(*grid, "LLaserMin", "激光最小功率(%)：", "TLaserMin", "LaserMin", {});
  AddRow(*grid, "LLaserMax", "激光最大功率(%)：", "TLaserMax", "LaserMax", {});
  AddRow(*grid, "LStartTime", "开光延时：", "TStartTime", "StartTime", {});
  AddRow(*grid, "LEndTime", "关光延时：", "TEndTime", "EndTime", {});
  grid->setRowStretch(grid->rowCount(), 1);
  return page;
}

void SetM::AddButtons() {
  auto* row = new QHBoxLayout;
  auto* import = new QPushButton("导入", this);
  import->setObjectName("CInput");
  auto* exportButton = new QPushButton("导出", this);
  exportButton->setObjectName("COutput");
  // Enter belongs to OK, not to the button that happens to come first.
  import->setAutoDefault(false);
  exportButton->setAutoDefault(false);
  connect(import, &QPushButton::clicked, this, &SetM::OnImport);
  connect(exportButton, &QPushButton::clicked, this, &SetM::OnExport);
  auto* buttons = AddOkCancel(*this);
  connect(buttons, &QDialogButtonBox::accepted, this, &SetM::OnOk);
  connect(this, &QDialog::rejected, this, [this] { OkB = false; });
  row->addWidget(import);
  row->addWidget(exportButton);
  row->addStretch(1);
  row->addWidget(buttons);
  static_cast<QVBoxLayout*>(layout())->addLayout(row);
}

void SetM::ReLanguage() {
  ApplyLanguage(*this, "SetM");
  for (int i = 0; i < stb_->count(); ++i) {
    stb_->setTabText(i, LanguageQTextOr("SetM", "Stb" + std::to_string(i), stb_->tabText(i)));
  }
}

void SetM::showEvent(QShowEvent* event) {
  lhome_[0]->setText("加工幅面宽：");
  lhome_[1]->setText("加工幅面高：");
  ReLanguage();
  QDialog::showEvent(event);
}

bool SetM::ReadFields(MachineSettings& into) {
  // The focused box is left first, so its own rules run as when the mouse moves away.
  if (QWidget* focused = focusWidget()) focused->clearFocus();
  const SettingField* refused = StoreFields(fields_, into);
  if (!refused) return true;
  for (int i = 0; i < stb_->count(); ++i) {
    if (stb_->widget(i)->isAncestorOf(refused->box)) stb_->setCurrentIndex(i);
  }
  RefuseField(*this, *refused);
  return false;
}

void SetM::OnOk() {
  if (!ReadFields(Settings())) return;
  // Kept at once: the machine's parameters should not depend on the program ending normally.
  SaveSettings();
  OkB = true;
  accept();
}

QString SetM::FileFilter() const {
  return DialogFilter(LanguageQTextOr("SetM", "FileFilter", "激光设备参数文件（*.Les）|*.Les"));
}

void SetM::OnExport() {
  MachineSettings values = Settings();
  if (!ReadFields(values)) return;
  QFileDialog dialog(this, LanguageQTextOr("SetM", "ExportTitle", "存储参数文件"), QString(), FileFilter());
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix("Les");
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const QString name = dialog.selectedFiles().front();
  if (!WriteMachineParameterFile(PathOf(name), values)) {
    ShowMessageText(this, LanguageQTextOr("MSGBOX", "0029", "The parameter file could not be written:") + "\n" + name);
  }
}

void SetM::OnImport() {
  QFileDialog dialog(this, LanguageQTextOr("SetM", "ImportTitle", "打开参数文件"), QString(), FileFilter());
  dialog.setFileMode(QFileDialog::ExistingFile);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const QString name = dialog.selectedFiles().front();
  MachineSettings values = Settings();
  if (const auto problem = ReadMachineParameterFile(PathOf(name), values)) {
    ShowMessageText(this, LanguageQTextOr("MSGBOX", "0028", "This is not a machine parameter file:") + "\n" + name +
                              "\n" + QString::fromStdString(*problem));
    return;
  }
  // Into the boxes only: the settings change when the dialog is closed with OK.
  FillFields(fields_, values);
}

bool ShowMachineParameters(QWidget* parent) {
  SetM dialog(parent);
  dialog.exec();
  return dialog.OkB;
}

}  // namespace kw
