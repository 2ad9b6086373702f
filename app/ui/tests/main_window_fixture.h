// The fixture of the main window's tests: a shown window in a private program
// folder, and the files the tests open, copy and compare.
#pragma once

#include <QKeySequence>
#include <QString>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "frm_main.h"
#include "gui_test_support.h"

namespace kw::test {

class MainWindowTest : public GuiTest {
 protected:
  void TearDown() override;

  // Creates the window and shows it, active.
  frmMain& Window();
  // Closes the window, answering no question: the tests that close it
  // themselves check what closing does.
  void DropWindow();

  // One of our drawings copied into the program folder under `name`.
  QString CopyDrawing(const std::string& relative, const std::string& name) const;
  QString WriteFile(const std::string& name, const std::vector<uint8_t>& bytes) const;
  QString WriteFile(const std::string& name, const std::string& text) const;

  // A key or shortcut pressed on the window, once it is active again after
  // any dialog, so that its shortcuts reach it.
  void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = {});
  void PressKeys(const QKeySequence& keys);

  // The enabled state of a control or main toolbar key of the window.
  bool Enabled(const std::string& name);

 private:
  std::unique_ptr<frmMain> window_;
};

std::vector<uint8_t> FileBytes(const QString& file);

// A 1-bit bitmap file of width x height pixels at 10 pixels a millimetre.
std::vector<uint8_t> OneBitBitmap(int32_t width, int32_t height);

// A PLT file of `count` separate short strokes with pen 1.
std::string ManyStrokesPlt(int count);

// The document's image, to compare documents byte for byte.
std::vector<uint8_t> DocumentImage(kw::pathcore::CPathObj& doc);

}  // namespace kw::test
