#include "dialogs/f_mm.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "dialogs/dialog_buttons.h"
#include "machine/profile_file.h"
#include "machine/settings_file.h"
#include "widgets/language_ui.h"
#include "widgets/message_box.h"

namespace kw {

FMm::FMm(QWidget* parent) : QDialog(parent) {
  setObjectName("FMm");
  setWindowTitle("请输入维护密码");
  auto* layout = new QVBoxLayout(this);
  auto* prompt = new QLabel("Maintenance password:", this);
  prompt->setObjectName("Label1");
  password_ = new QLineEdit(this);
  password_->setObjectName("TxtPassword");
  password_->setEchoMode(QLineEdit::Password);
  prompt->setBuddy(password_);
  layout->addWidget(prompt);
  layout->addWidget(password_);
  auto* buttons = AddOkCancel(*this);
  connect(buttons, &QDialogButtonBox::accepted, this, &FMm::OnOk);
  connect(this, &QDialog::rejected, this, [this] { LoginSucceeded = false; });
  layout->addWidget(buttons);
  ReLanguage();
}

void FMm::ReLanguage() {
  ApplyLanguage(*this, "FMm");
  // The caption is the dialog's request, and the box is otherwise narrow
  // enough for the title bar to cut it off; the extra room is for the title
  // bar's icon and buttons.
  constexpr int kTitleBarExtras = 120;
  setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) + kTitleBarExtras);
}

void FMm::showEvent(QShowEvent* event) {
  // The password is read when the dialog comes up, so an edited file counts at once.
  expected_ = QString::fromStdString(ReadIni(SettingsFile(), "Kerfwright", "Password", "TELMORA"));
  QDialog::showEvent(event);
}

void FMm::OnOk() {
  if (password_->text() == expected_) {
    LoginSucceeded = true;
    accept();
    return;
  }
  ShowMessage(this, "0016");
  password_->setFocus();
  password_->selectAll();
}

bool AskMaintenancePassword(QWidget* parent) {
  FMm dialog(parent);
  dialog.exec();
  return dialog.LoginSucceeded;
}

}  // namespace kw
