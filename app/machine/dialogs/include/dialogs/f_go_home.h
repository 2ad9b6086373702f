// The homing dialog "FGoHome": homes the machine as soon as it is up, offers
// Cancel while the axes move, and closes itself when homing is over.
#pragma once

#include <QDialog>

#include "dialogs/dialog_run_host.h"
#include "machine/homing_sequence.h"

class QPushButton;

namespace kw {

class CYdkz;

class FGoHome : public QDialog {
  Q_OBJECT
 public:
  explicit FGoHome(CYdkz& ydkz, QWidget* parent = nullptr);

  const HomingResult& Result() const { return result_; }
  Q_INVOKABLE void ReLanguage();

 public slots:
  // Cancel, Esc and the window's close button: while the machine homes they
  // stop it, and the dialog closes once the axes are still.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Home();

  CYdkz& ydkz_;
  DialogRunHost host_;
  QPushButton* cancel_ = nullptr;
  HomingResult result_;
  bool started_ = false;
  bool homing_ = false;
};

// Shows the dialog modally and homes the machine; the result says whether it
// was cancelled and whether the machine is homed now.
HomingResult ShowGoHome(QWidget* parent, CYdkz& ydkz);

}  // namespace kw
