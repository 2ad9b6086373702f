// Helpers of the window tests: a private program folder holding the language
// files, fresh settings, and a way to answer the modal box a click opens.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <string>

#include "machine/machine_settings.h"
#include "testsupport/temp_app_path.h"

namespace kw::test {

class GuiTest : public TempAppPath {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Writes Setting.ini of the program folder.
  void WriteSettings(const std::string& text) const;
  std::filesystem::path InFolder(const std::string& name) const { return Folder() / name; }
};

// Runs `answer` on the next modal dialog or message box that opens, once the
// event loop shows it; fails the test when none opens within `waitMs`.
void AnswerNextModal(std::function<void(QWidget& modal)> answer, int waitMs = 5000);

// Presses a key on the active modal widget (Enter, Esc, Y, N...).
void PressKeyOnModal(QWidget& modal, Qt::Key key);

}  // namespace kw::test
