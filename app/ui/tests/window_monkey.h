// A monkey for the main window: seeded random but valid mouse and key input
// over the drawing view, the edit panel, the toolbars, the machine panel and
// the menus. Every modal dialog, message box or popup that opens on the way
// is closed unanswered, so no input waits for a person.
#pragma once

#include <QPointer>
#include <QTimer>
#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

class QAction;
class QWidget;

namespace kw {
class frmMain;
}

namespace kw::test {

class WindowMonkey {
 public:
  WindowMonkey(frmMain& window, uint32_t seed);
  ~WindowMonkey();
  WindowMonkey(const WindowMonkey&) = delete;
  WindowMonkey& operator=(const WindowMonkey&) = delete;

  // Sends one input event; returns what it was, for the log of a failure.
  std::string Step();
  // Releases a mouse button still held, and stops closing dialogs.
  void Finish();
  // How many windows of each class the monkey closed.
  const std::map<std::string, int>& Closed() const { return closed_; }

 private:
  std::string ViewMouse();
  std::string Wheel();
  std::string ClickButton();
  std::string PressKey();
  std::string MenuItem();
  void CloseWhatOpened();
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
  QPoint Inside(const QWidget& widget);

  frmMain& w_;
  std::mt19937 random_;
  QTimer closer_;
  bool menuOpenOnPurpose_ = false;
  int heldButton_ = 0;  // Qt::MouseButton held over the view, 0 for none
  // Guarded: a new language builds the language menu anew.
  std::vector<QPointer<QAction>> shortcutActions_;
  std::vector<QPointer<QAction>> menuActions_;
  std::map<std::string, int> closed_;
};

}  // namespace kw::test
