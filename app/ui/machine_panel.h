// The machine panel at the window's right: the connect box "CkDevice" and,
// shown while connected, the panel "SSTb" with the speed boxes and the
// machine's buttons.
#pragma once

#include <QWidget>

class QCheckBox;
class QLineEdit;

namespace kw {

class MachinePanel : public QWidget {
  Q_OBJECT
 public:
  explicit MachinePanel(QWidget* parent = nullptr);

  QCheckBox& CkDevice() { return *ckDevice_; }
  QWidget& SSTb() { return *sstb_; }
  QLineEdit& JogSpeed() { return *jogSpeed_; }
  QLineEdit& WorkSpeed(int tool) { return *workSpeed_[tool]; }

  // The speed boxes' texts from the settings, and back.
  void LoadSpeeds();
  void StoreSpeeds() const;

 private:
  QCheckBox* ckDevice_ = nullptr;
  QWidget* sstb_ = nullptr;
  QLineEdit* jogSpeed_ = nullptr;
  QLineEdit* workSpeed_[3] = {};
};

}  // namespace kw
