// RfText: the numeric entry box of every window of the program. An inner line
// edit "Tx" takes only digits, Backspace and, when allowed, "-" (FuHao: sign)
// and "." (XiaoShuDian: decimal point); whatever is typed or pasted goes
// through the same character rule. Leaving an emptied box brings back the last
// accepted text with a beep unless the box may stay empty (ENull).
#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>

class QContextMenuEvent;
class QKeyEvent;
class QLineEdit;

namespace kw {

class RfText : public QWidget {
  Q_OBJECT
  Q_PROPERTY(bool FuHao READ FuHao WRITE SetFuHao)
  Q_PROPERTY(bool XiaoShuDian READ XiaoShuDian WRITE SetXiaoShuDian)
  Q_PROPERTY(bool ENull READ ENull WRITE SetENull)
  Q_PROPERTY(bool SelAll READ SelAll WRITE SetSelAll)
  Q_PROPERTY(QString Text READ Text WRITE SetText)
  Q_PROPERTY(int Appearance READ Appearance WRITE SetAppearance)
  Q_PROPERTY(int BorderStyle READ BorderStyle WRITE SetBorderStyle)
  Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)

 public:
  explicit RfText(QWidget* parent = nullptr);

  bool FuHao() const { return fuHao_; }
  void SetFuHao(bool value) { fuHao_ = value; }
  bool XiaoShuDian() const { return xiaoShuDian_; }
  void SetXiaoShuDian(bool value) { xiaoShuDian_ = value; }
  bool ENull() const { return eNull_; }
  void SetENull(bool value) { eNull_ = value; }
  bool SelAll() const { return selAll_; }
  void SetSelAll(bool value) { selAll_ = value; }
  QString Text() const;
  void SetText(const QString& text);
  // 1 the sunken look, 0 flat; both look the same on this desktop.
  int Appearance() const { return appearance_; }
  void SetAppearance(int value) { appearance_ = static_cast<int16_t>(value); }
  // 1 framed, 0 no frame.
  int BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(int value);
  bool Enabled() const { return isEnabled(); }
  void SetEnabled(bool value) { setEnabled(value); }

  // The inner text box, for selections and the cursor.
  QLineEdit& Tx() const { return *tx_; }
  // The characters of text the key rule lets through, in order.
  QString Filtered(const QString& text) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  // The text changed to an accepted (non-empty) value; not raised with ENull.
  void Change();
  // The box lost the focus, after its own rule has run.
  void LostFocus();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  bool Allowed(QChar c) const;
  bool FilterKey(const QKeyEvent& key);
  void PasteFiltered(const QString& text);
  bool FilterContextMenu(const QContextMenuEvent& event);
  void OnTextChanged(const QString& text);
  void OnFocusLost();
  void OnFocusGained();

  QLineEdit* tx_ = nullptr;
  bool fuHao_ = true;
  bool xiaoShuDian_ = true;
  bool eNull_ = false;
  bool selAll_ = false;
  int16_t appearance_ = 1;
  int16_t borderStyle_ = 1;
  QString lastAccepted_ = "0";
};

}  // namespace kw
