#include "widgets/rf_text.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <algorithm>

namespace kw {
namespace {

bool Printable(const QString& text) {
  return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
}

}  // namespace

RfText::RfText(QWidget* parent) : QWidget(parent), tx_(new QLineEdit("0", this)) {
  tx_->setObjectName("Tx");
  // Typed digits arrive as plain keys; an input method could slip other characters past the rule.
  tx_->setAttribute(Qt::WA_InputMethodEnabled, false);
  tx_->setAcceptDrops(false);
  tx_->installEventFilter(this);
  setFocusProxy(tx_);
  setFocusPolicy(tx_->focusPolicy());
  setSizePolicy(tx_->sizePolicy());
  connect(tx_, &QLineEdit::textChanged, this, &RfText::OnTextChanged);
}

QString RfText::Text() const { return tx_->text(); }

void RfText::SetText(const QString& text) { tx_->setText(text); }

void RfText::SetBorderStyle(int value) {
  borderStyle_ = static_cast<int16_t>(value);
  tx_->setFrame(value != 0);
}

bool RfText::Allowed(QChar c) const {
  return (c >= '0' && c <= '9') || (c == '-' && fuHao_) || (c == '.' && xiaoShuDian_);
}

QString RfText::Filtered(const QString& text) const {
  QString kept;
  for (QChar c : text) {
    if (Allowed(c)) kept += c;
  }
  return kept;
}

QSize RfText::sizeHint() const { return tx_->sizeHint(); }

QSize RfText::minimumSizeHint() const { return tx_->minimumSizeHint(); }

void RfText::resizeEvent(QResizeEvent* event) {
  tx_->setGeometry(0, 0, width(), height());
  QWidget::resizeEvent(event);
}

bool RfText::eventFilter(QObject* watched, QEvent* event) {
  if (watched != tx_) return QWidget::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::KeyPress:
      return FilterKey(*static_cast<QKeyEvent*>(event));
    case QEvent::ContextMenu:
      return FilterContextMenu(*static_cast<QContextMenuEvent*>(event));
    case QEvent::MouseButtonRelease:
      // The middle button pastes the desktop's selection: it goes through the rule like any paste.
      if (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton &&
          QApplication::clipboard()->supportsSelection()) {
        tx_->deselect();
        PasteFiltered(QApplication::clipboard()->text(QClipboard::Selection));
        return true;
      }
      break;
    case QEvent::FocusIn:
      OnFocusGained();
      break;
    case QEvent::FocusOut: {
      // A context menu or another window taking the keyboard is not leaving the box.
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) OnFocusLost();
      break;
    }
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

// True when the key is swallowed. Keys without a printable character (arrows,
// Delete, Home/End, Tab, Enter, Esc, Ctrl shortcuts) keep their usual meaning.
bool RfText::FilterKey(const QKeyEvent& key) {
  if (key.matches(QKeySequence::Paste)) {
    PasteFiltered(QApplication::clipboard()->text());
    return true;
  }
  // Ctrl and Meta combinations are shortcuts (Ctrl+A, Ctrl+C, undo...), never text.
  const auto chord = key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
  if (chord == Qt::ControlModifier || chord == Qt::MetaModifier) return false;
  const QString text = key.text();
  if (!Printable(text)) return false;
  const QString kept = Filtered(text);
  if (kept == text) return false;
  if (!kept.isEmpty()) tx_->insert(kept);
  return true;
}

void RfText::PasteFiltered(const QString& text) {
  const QString kept = Filtered(text);
  if (!kept.isEmpty()) tx_->insert(kept);
}

// The box's own menu, with its Paste going through the rule.
bool RfText::FilterContextMenu(const QContextMenuEvent& event) {
  QPointer<QMenu> menu = tx_->createStandardContextMenu();
  for (QAction* action : menu->actions()) {
    // The menu's Paste carries the line edit's own caption, followed by its shortcut.
    if (action->text().section('\t', 0, 0) != QCoreApplication::translate("QLineEdit", "&Paste")) continue;
    disconnect(action, &QAction::triggered, nullptr, nullptr);
    connect(action, &QAction::triggered, this, [this] { PasteFiltered(QApplication::clipboard()->text()); });
  }
  menu->exec(event.globalPos());
  delete menu;
  return true;
}

void RfText::OnTextChanged(const QString& text) {
  if (text.isEmpty() || eNull_) return;
  lastAccepted_ = text;
  emit Change();
}

void RfText::OnFocusLost() {
  if (!eNull_) {
    const QString text = Text();
    if (!text.isEmpty() || lastAccepted_.isEmpty()) {
      lastAccepted_ = text;
    } else {
      QApplication::beep();
      SetText(lastAccepted_);
    }
  }
  emit LostFocus();
}

void RfText::OnFocusGained() {
  if (!selAll_) return;
  tx_->selectAll();
  // A mouse press that brought the focus places the cursor after this; select again once it has.
  QTimer::singleShot(0, tx_, [tx = tx_] { tx->selectAll(); });
}

}  // namespace kw
