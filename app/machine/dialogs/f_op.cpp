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
#include "widgets/message_box.h"
#include "widgets/rf_text.h"

namespace kw {
namespace {

QString Text(float v) { return QString::fromStdString(TextOfSingle(v)); }
float Number(const RfText& box) { return static_cast<float>(Val(box.Text().toStdString())); }

// Four numbers 0..255 separated by points, as the link opens it.
bool IsIpv4Address(const QString& text) {
  const QStringList parts = text.split('.');
  if (parts.size() != 4) return false;
  for (const QString& part : parts) {
    bool ok = false;
    const int value = part.toInt(&ok);
    if (!ok || part.isEmpty() || part.size() > 3 || !part.front().isDigit() || value < 0 || value > 255) return false;
  }
  return true;
}

constexpr int kHighestPort = 65535;

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
  auto* controller = new QFormLayout;
  tAddress_ = new QLineEdit(this);
  tAddress_->setObjectName("TAddress");
  auto* addressLabel = new QLabel("Controller address:", this);
  addressLabel->setObjectName("Label5");
  addressLabel->setBuddy(tAddress_);
  controller->addRow(addressLabel, tAddress_);
  rfPort_ = new RfText(this);
  rfPort_->setObjectName("RfPort");
  rfPort_->SetFuHao(false);
  rfPort_->SetXiaoShuDian(false);
  auto* portLabel = new QLabel("Controller port:", this);
  portLabel->setObjectName("Label6");
  portLabel->setBuddy(&rfPort_->Tx());
  controller->addRow(portLabel, rfPort_);
  layout->addLayout(controller);
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
  tAddress_->setText(QString::fromStdString(s.ControllerAddress));
  rfPort_->SetText(QString::number(s.ControllerPort));
}

bool FOp::ControllerFieldsValid() {
  if (!IsIpv4Address(tAddress_->text().trimmed())) {
    ShowMessageText(this, LanguageQTextOr("FOp", "BadAddress", "The controller address must be an IPv4 address."));
    tAddress_->setFocus();
    return false;
  }
  const double port = Val(rfPort_->Text().toStdString());
  if (port < 1 || port > kHighestPort) {
    ShowMessageText(this, LanguageQTextOr("FOp", "BadPort", "The controller port must be a whole number from 1 to 65535."));
    rfPort_->Tx().setFocus();
    return false;
  }
  return true;
}

void FOp::OnOk() {
  if (!ControllerFieldsValid()) return;
  auto& s = Settings();
  s.HbWc = Number(*thbwc_);
  s.FbWc = Number(*tfbwc_);
  s.WorkRect[0] = Number(*rfW_);
  s.WorkRect[1] = Number(*rfH_);
  s.AutoLayout = ckAutoLayout_->isChecked();
  s.ControllerAddress = tAddress_->text().trimmed().toStdString();
  s.ControllerPort = static_cast<int32_t>(Val(rfPort_->Text().toStdString()));
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
