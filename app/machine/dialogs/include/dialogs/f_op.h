// The options dialog "FOp": the join and close tolerances, the work area,
// whether a run first optimises the path order, and where the controller is
// reached (its IPv4 address and UDP port).
#pragma once

#include <QDialog>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace kw {

class RfText;

class FOp : public QDialog {
  Q_OBJECT
 public:
  explicit FOp(QWidget* parent = nullptr);

  bool CoK = false;
  // What a right press on the first label with Shift, Ctrl and Alt held does:
  // the main window redraws itself.
  std::function<void()> RedrawMain;

  Q_INVOKABLE void ReLanguage();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Load();
  void OnOk();
  // The controller's address and port as typed, or a message and false.
  bool ControllerFieldsValid();
  RfText* AddField(const char* name, const char* labelName, const char* caption);

  QLabel* firstLabel_ = nullptr;
  RfText* thbwc_ = nullptr;
  RfText* tfbwc_ = nullptr;
  RfText* rfW_ = nullptr;
  RfText* rfH_ = nullptr;
  QCheckBox* ckAutoLayout_ = nullptr;
  QLineEdit* tAddress_ = nullptr;
  RfText* rfPort_ = nullptr;
};

}  // namespace kw
