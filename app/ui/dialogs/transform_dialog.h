// What the five transform dialogs (scale, rotate, move, array, mirror) and the
// two weeding dialogs share: CoK, OK and Cancel at the bottom, captions from
// the dialog's section of the language file, and the ways their fields and
// options are laid out.
#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

class QFormLayout;
class QGroupBox;
class QRadioButton;
class QVBoxLayout;

namespace kw {

class RfText;

class TransformDialog : public QDialog {
  Q_OBJECT
 public:
  // True when the dialog was closed with OK; the caller reads the fields then.
  bool CoK = false;

  Q_INVOKABLE virtual void ReLanguage();

 protected:
  // name: the control name and language section; title: the caption without a language file.
  TransformDialog(const char* name, const char* title, QWidget* parent);

  QVBoxLayout& Body() const { return *body_; }
  // A labelled numeric field (the label's mnemonic focuses it) in form.
  RfText* AddField(QFormLayout& form, const char* name, const char* labelName, const char* caption);
  QRadioButton* AddOption(QGroupBox& group, const char* name, const char* caption);
  // The five fixed points Op0..Op4 laid out where they lie on the selection's box.
  std::array<QRadioButton*, 5> AddCornerOptions(const char* groupName, const char* caption);
  // OK and Cancel; called once every control is in place.
  void AddButtons();
  // OK: the focused box is left first, so its rules run as when the mouse
  // moves to the button; then CoK is set and the dialog hides.
  void OnOk();

 private:
  const char* section_;
  QVBoxLayout* body_ = nullptr;
};

// The index of the first checked option, -1 when none is.
template <size_t N>
int16_t FirstChecked(const std::array<QRadioButton*, N>& options);

}  // namespace kw
