// Helpers of the window tests: a private program folder holding the language
// files, fresh settings, and a way to answer the modal box a click opens.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "machine/machine_settings.h"
#include "testsupport/temp_app_path.h"

class QAction;
class QMainWindow;
class QToolBar;

namespace kw::test {

class GuiTest : public TempAppPath {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Writes Setting.ini of the program folder.
  void WriteSettings(const std::string& text) const;
  std::filesystem::path InFolder(const std::string& name) const { return Folder() / name; }

 private:
  // Closes, and fails the test for, a modal nobody answers, so a missing
  // answer ends in a failure rather than a hang.
  QTimer forgottenModals_;
};

// Runs `answer` on the next modal dialog or message box that opens, once the
// event loop shows it; fails the test when none opens within `waitMs`. A
// modal already open when this is called is left to its own answer, so a
// message box over a dialog can be answered from the dialog's answer. The
// returned flag turns true once `answer` has run; a watch still waiting when
// the test ends fails it.
std::shared_ptr<const bool> AnswerNextModal(std::function<void(QWidget& modal)> answer, int waitMs = 5000);

// Presses a key on the active modal widget (Enter, Esc, Y, N...).
void PressKeyOnModal(QWidget& modal, Qt::Key key);

// The text of a message box; empty for any other modal.
QString MessageText(QWidget& modal);

// Puts a name into a file dialog's name box and presses Enter.
void TypeFileName(QWidget& dialog, const QString& name);

// While it lives, any modal that opens fails the test and is closed.
class NoModalExpected {
 public:
  NoModalExpected();
  ~NoModalExpected();
  NoModalExpected(const NoModalExpected&) = delete;
  NoModalExpected& operator=(const NoModalExpected&) = delete;

 private:
  QTimer timer_;
};

// Shows the window and waits until it is active, so its shortcuts work.
void ShowActive(QWidget& window);

// Clicks an item of the menu bar: the menu's title, then the item.
void ClickMenuItem(QMainWindow& window, const QString& actionName);

// Clicks the button the toolbar shows for the action.
void ClickToolbarButton(QToolBar& bar, QAction* action);

}  // namespace kw::test
