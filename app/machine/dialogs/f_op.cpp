#include "dialogs/f_op.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "dialogs/dialog_buttons.h"
#include "machine/machine_settings.h"
#include "machine/settings_file.h"
#include "support/basic_text.h"
#include "widgets/language_ui.h"
#include "widgets/rf_text.h"

namespace kw {
namespace {

QString Text(float v) { return QString::fromStdString(TextOfSingle(v)); }
float Number(const RfText& box) { return static_cast<float>(Val(box.Text().toStdString())); }

}  // namespace

FOp::FOp(QWidget* parent) : QDialog(parent) {
  setObjectName("FOp");
  setWindowTitle("选项");
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(new QFormLayout);
  thbwc_ = AddField("Thbwc", "Label1", "合并忽略间隙(mm)：");
  tfbwc_ = AddField("Tfbwc", "Label2", "Closing gap (mm):");
  rfW_ = AddField("RfW", "Label3", "Work area width (mm):");
  rfH_ = AddField("RfH", "Label4", "Work area height (mm):");
  ckAutoLayout_ = new QCheckBox("加工前自动优化", this);
  ckAutoLayout_->setObjectName("CkAutoLayout");
  layout->addWidget(ckAutoLayout_);
  auto* buttons = AddOkCancel(*this);
  connect(buttons, &QDialogButtonBox::accepted, this, &FOp::OnOk);
  layout->addWidget(buttons);
  firstLabel_ = findChild<QLabel*>("Label1");
  firstLabel_->installEventFilter(this);
  Load();
  ReLanguage();
}

RfText* FOp::AddField(const char* name, const char* labelName, const char* caption) {
  auto* form = static_cast<QFormLayout*>(layout()->itemAt(0)->layout());
  auto* label = new QLabel(caption, this);
  label->setObjectName(labelName);
  auto* box = new RfText(this);
  box->setObjectName(name);
  // Tolerances and sizes are never negative.
  box->SetFuHao(false);
  label->setBuddy(&box->Tx());
  form->addRow(label, box);
  return box;
}

void FOp::ReLanguage() { ApplyLanguage(*this, "FOp"); }

void FOp::Load() {
  const auto& s = Settings();
  thbwc_->SetText(Text(s.HbWc));
  tfbwc_->SetText(Text(s.FbWc));
  rfW_->SetText(Text(s.WorkRect[0]));
  rfH_->SetText(Text(s.WorkRect[1]));
  ckAutoLayout_->setChecked(s.AutoLayout);
}

void FOp::OnOk() {
  auto& s = Settings();
  s.HbWc = Number(*thbwc_);
  s.FbWc = Number(*tfbwc_);
  s.WorkRect[0] = Number(*rfW_);
  s.WorkRect[1] = Number(*rfH_);
  s.AutoLayout = ckAutoLayout_->isChecked();
  SaveSettings();
  CoK = true;
  accept();
}

bool FOp::eventFilter(QObject* watched, QEvent* event) {
  if (watched == firstLabel_ && event->type() == QEvent::MouseButtonPress) {
    const auto* press = static_cast<QMouseEvent*>(event);
    const auto all = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
    if (press->button() == Qt::RightButton && (press->modifiers() & all) == all && RedrawMain) RedrawMain();
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace kw
