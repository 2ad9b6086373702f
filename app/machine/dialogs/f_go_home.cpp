#include "dialogs/f_go_home.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>

#include "machine/cydkz.h"
#include "machine/machine_settings.h"
#include "widgets/language_ui.h"

namespace kw {

FGoHome::FGoHome(CYdkz& ydkz, QWidget* parent) : QDialog(parent), ydkz_(ydkz), host_(*this) {
  setObjectName("FGoHome");
  setWindowTitle("机械复位");
  auto* layout = new QVBoxLayout(this);
  layout->setSpacing(16);
  auto* label = new QLabel("正在复位，请稍候……", this);
  label->setObjectName("Label1");
  label->setAlignment(Qt::AlignCenter);
  layout->addWidget(label);
  cancel_ = new QPushButton("取消", this);
  cancel_->setObjectName("CancelButton");
  connect(cancel_, &QPushButton::clicked, this, &FGoHome::reject);
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  row->addWidget(cancel_);
  row->addStretch(1);
  layout->addLayout(row);
  ReLanguage();
}

void FGoHome::ReLanguage() {
  ApplyLanguage(*this, "FGoHome");
  // The title bar carries the caption; leave room for its icon and buttons,
  // and enough width that the short message does not look squeezed.
  constexpr int kTitleBarExtras = 120;
  constexpr int kLeastWidth = 320;
  setMinimumWidth(std::max(kLeastWidth, fontMetrics().horizontalAdvance(windowTitle()) + kTitleBarExtras));
}

void FGoHome::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (started_) return;
  started_ = true;
  // Homing starts from the event loop, once the dialog is on the screen.
  QTimer::singleShot(0, this, &FGoHome::Home);
}

void FGoHome::Home() {
  // Closed before it began: nothing has moved.
  if (!isVisible()) {
    result_.cancelled = true;
    return;
  }
  ReLanguage();
  host_.ClearStop();
  homing_ = true;
  try {
    result_ = GoHome(ydkz_, Settings(), host_);
  } catch (const std::exception& failure) {
    result_ = {};
    ShowControllerFailure(*this, failure);
  }
  homing_ = false;
  done(result_.homed ? Accepted : Rejected);
}

void FGoHome::reject() {
  if (!homing_) return QDialog::reject();
  host_.RequestStop();
  cancel_->setEnabled(false);
}

HomingResult ShowGoHome(QWidget* parent, CYdkz& ydkz) {
  FGoHome dialog(ydkz, parent);
  dialog.exec();
  return dialog.Result();
}

}  // namespace kw
