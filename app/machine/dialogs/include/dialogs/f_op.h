// The options dialog "FOp": the join and close tolerances, the work area and
// whether a run first optimises the path order.
#pragma once

#include <QDialog>
#include <functional>

class QCheckBox;
class QLabel;

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
  RfText* AddField(const char* name, const char* labelName, const char* caption);

  QLabel* firstLabel_ = nullptr;
  RfText* thbwc_ = nullptr;
  RfText* tfbwc_ = nullptr;
  RfText* rfW_ = nullptr;
  RfText* rfH_ = nullptr;
  QCheckBox* ckAutoLayout_ = nullptr;
};

}  // namespace kw
