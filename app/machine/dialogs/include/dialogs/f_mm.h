// The maintenance password dialog "FMm": the options, machine and tool
// dialogs open only after the password of Setting.ini is typed exactly.
#pragma once

#include <QDialog>

class QLineEdit;

namespace kw {

class FMm : public QDialog {
  Q_OBJECT
 public:
  explicit FMm(QWidget* parent = nullptr);

  bool LoginSucceeded = false;

  Q_INVOKABLE void ReLanguage();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void OnOk();

  QLineEdit* password_ = nullptr;
  QString expected_;
};

// Shows the dialog modally; true when the right password was given.
bool AskMaintenancePassword(QWidget* parent);

}  // namespace kw
