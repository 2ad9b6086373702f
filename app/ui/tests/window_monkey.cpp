#include "window_monkey.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWheelEvent>

#include "frm_main.h"
#include "pic_view.h"

namespace kw::test {
namespace {

// Items that would end the test rather than exercise the window.
bool Excluded(const QAction* action) {
  const QString name = action->objectName();
  const QKeySequence keys = action->shortcut();
  return name == "mnuFileExit" || (!keys.isEmpty() && QKeySequence::keyBindings(QKeySequence::Quit).contains(keys));
}

// The keys the window and its panels handle besides the actions' shortcuts.
const Qt::Key kPlainKeys[] = {Qt::Key_Left,   Qt::Key_Right,  Qt::Key_Up,     Qt::Key_Down,  Qt::Key_Delete,
                              Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space,  Qt::Key_Tab,   Qt::Key_Backspace,
                              Qt::Key_Plus,   Qt::Key_Minus,  Qt::Key_0,      Qt::Key_5,     Qt::Key_9,
                              Qt::Key_Period, Qt::Key_Home,   Qt::Key_End,    Qt::Key_PageUp, Qt::Key_PageDown};

const Qt::MouseButton kButtons[] = {Qt::LeftButton, Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
const Qt::KeyboardModifiers kModifiers[] = {Qt::NoModifier, Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier};

std::string Name(const QObject* object) {
  const QString name = object->objectName();
  return name.isEmpty() ? object->metaObject()->className() : name.toStdString();
}

}  // namespace

WindowMonkey::WindowMonkey(frmMain& window, uint32_t seed) : w_(window), random_(seed) {
  for (QAction* action : w_.findChildren<QAction*>()) {
    if (Excluded(action)) continue;
    if (!action->shortcut().isEmpty()) shortcutActions_.push_back(action);
    if (qobject_cast<QMenu*>(action->parent()) && !action->isSeparator() && !action->menu() &&
        !action->objectName().startsWith("mnuDebug"))
      menuActions_.push_back(action);
  }
  // Often enough to meet a dialog's nested event loop as soon as it runs.
  closer_.setInterval(2);
  QObject::connect(&closer_, &QTimer::timeout, [this] { CloseWhatOpened(); });
  closer_.start();
}

WindowMonkey::~WindowMonkey() { Finish(); }

void WindowMonkey::Finish() {
  if (heldButton_ != 0) QTest::mouseRelease(&w_.Pic(), Qt::MouseButton(heldButton_), {}, Inside(w_.Pic()));
  heldButton_ = 0;
  closer_.stop();
}

void WindowMonkey::CloseWhatOpened() {
  if (QWidget* popup = QApplication::activePopupWidget(); popup && !menuOpenOnPurpose_) {
    ++closed_[popup->metaObject()->className()];
    popup->close();
  }
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal || !modal->isVisible()) return;
  ++closed_[modal->metaObject()->className()];
  if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
  else modal->close();
}

QPoint WindowMonkey::Inside(const QWidget& widget) {
  return {Below(std::max(1, widget.width())), Below(std::max(1, widget.height()))};
}

std::string WindowMonkey::Step() {
  if (heldButton_ != 0) return ViewMouse();  // a drag goes on until it ends
  switch (Below(10)) {
    case 0:
    case 1:
    case 2: return ViewMouse();
    case 3: return Wheel();
    case 4:
    case 5:
    case 6: return ClickButton();
    case 7:
    case 8: return PressKey();
    default: return MenuItem();
  }
}

std::string WindowMonkey::ViewMouse() {
  PicView& view = w_.Pic();
  const QPoint at = Inside(view);
  if (heldButton_ != 0) {
    if (Below(3) == 0) {
      QTest::mouseRelease(&view, Qt::MouseButton(heldButton_), {}, at);
      heldButton_ = 0;
      return "view release";
    }
    QTest::mouseMove(&view, at);
    return "view drag";
  }
  if (Below(3) == 0) {
    QTest::mouseMove(&view, at);
    return "view move";
  }
  const Qt::MouseButton button = kButtons[Below(std::size(kButtons))];
  const Qt::KeyboardModifiers modifiers = kModifiers[Below(std::size(kModifiers))];
  if (Below(4) == 0) {
    QTest::mouseDClick(&view, button, modifiers, at);
    return "view double click";
  }
  QTest::mousePress(&view, button, modifiers, at);
  heldButton_ = button;
  return "view press";
}

std::string WindowMonkey::Wheel() {
  PicView& view = w_.Pic();
  const QPointF at = Inside(view);
  const int delta = Below(2) == 0 ? 120 : -120;
  QWheelEvent wheel(at, view.mapToGlobal(at), {}, {0, delta}, Qt::NoButton, kModifiers[Below(std::size(kModifiers))],
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(&view, &wheel);
  return "wheel";
}

std::string WindowMonkey::ClickButton() {
  std::vector<QAbstractButton*> buttons;
  for (QAbstractButton* b : w_.findChildren<QAbstractButton*>())
    if (b->isVisible() && b->isEnabled() && b->window() == &w_) buttons.push_back(b);
  if (buttons.empty()) return "no button";
  QAbstractButton* button = buttons[Below(static_cast<int>(buttons.size()))];
  const std::string name = "click " + Name(button);
  // The connect box is ticked on its indicator, as a person would.
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(std::min(8, button->width() / 2), button->height() / 2));
  return name;
}

std::string WindowMonkey::PressKey() {
  QWidget* target = QApplication::focusWidget();
  if (!target || target->window() != &w_) target = &w_;
  if (Below(2) == 0 && !shortcutActions_.empty()) {
    QAction* action = shortcutActions_[Below(static_cast<int>(shortcutActions_.size()))];
    if (!action) return "a shortcut gone";
    QTest::keySequence(target, action->shortcut());
    return "keys of " + Name(action);
  }
  const Qt::Key key = kPlainKeys[Below(std::size(kPlainKeys))];
  QTest::keyClick(target, key, kModifiers[Below(std::size(kModifiers))]);
  return "key " + QKeySequence(key).toString().toStdString();
}

std::string WindowMonkey::MenuItem() {
  QAction* action = menuActions_[Below(static_cast<int>(menuActions_.size()))];
  if (!action) return "a menu item gone";
  auto* menu = qobject_cast<QMenu*>(action->parent());
  if (!action->isVisible() || !menu->menuAction()->isVisible()) return "hidden " + Name(action);
  const std::string name = "menu " + Name(action);
  QMenuBar* bar = w_.menuBar();
  menuOpenOnPurpose_ = true;
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
  if (QTest::qWaitFor([menu] { return menu->isVisible(); }, 1000)) {
    menuOpenOnPurpose_ = false;
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
  }
  menuOpenOnPurpose_ = false;
  if (menu->isVisible()) menu->close();  // a disabled item leaves its menu open
  return name;
}

}  // namespace kw::test
