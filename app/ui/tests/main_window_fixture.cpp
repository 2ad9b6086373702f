#include "main_window_fixture.h"

#include <QAction>
#include <QTest>
#include <QWidget>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "pathcore/path_obj.h"
#include "support/byte_writer.h"
#include "testsupport/test_drawings.h"

namespace kw::test {

void MainWindowTest::TearDown() {
  DropWindow();
  GuiTest::TearDown();
}

frmMain& MainWindowTest::Window() {
  if (!window_) {
    window_ = std::make_unique<frmMain>();
    ShowActive(*window_);
  }
  return *window_;
}

void MainWindowTest::DropWindow() { window_.reset(); }

QString MainWindowTest::CopyDrawing(const std::string& relative, const std::string& name) const {
  const auto target = InFolder(name);
  std::filesystem::copy_file(OwnDrawing(relative), target, std::filesystem::copy_options::overwrite_existing);
  return QString::fromStdString(target.string());
}

QString MainWindowTest::WriteFile(const std::string& name, const std::vector<uint8_t>& bytes) const {
  const auto target = InFolder(name);
  std::ofstream(target, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return QString::fromStdString(target.string());
}

QString MainWindowTest::WriteFile(const std::string& name, const std::string& text) const {
  return WriteFile(name, std::vector<uint8_t>(text.begin(), text.end()));
}

void MainWindowTest::PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers) {
  if (!Window().isActiveWindow()) ShowActive(Window());
  QTest::keyClick(&Window(), key, modifiers);
}

void MainWindowTest::PressKeys(const QKeySequence& keys) {
  if (!Window().isActiveWindow()) ShowActive(Window());
  QTest::keySequence(&Window(), keys);
}

bool MainWindowTest::Enabled(const std::string& name) {
  frmMain& w = Window();
  if (QAction* button = w.TbButton(name)) return button->isEnabled();
  QObject* control = w.Control(name);
  if (auto* action = qobject_cast<QAction*>(control)) return action->isEnabled();
  if (auto* widget = qobject_cast<QWidget*>(control)) return widget->isEnabled();
  ADD_FAILURE() << "no control " << name;
  return false;
}

std::vector<uint8_t> FileBytes(const QString& file) {
  std::ifstream in(file.toStdString(), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<uint8_t> OneBitBitmap(int32_t width, int32_t height) {
  constexpr uint32_t kPalette = 8, kOffset = 14 + 40 + kPalette;
  constexpr int32_t kPelsPerMetre = 10000;
  const uint32_t stride = (static_cast<uint32_t>(width) + 31) / 32 * 4;
  const uint32_t imageSize = stride * static_cast<uint32_t>(height);
  ByteWriter w;
  w.U16(0x4D42);
  w.U32(kOffset + imageSize);
  w.U16(0), w.U16(0);
  w.U32(kOffset);
  w.U32(40), w.I32(width), w.I32(height), w.U16(1), w.U16(1), w.U32(0), w.U32(imageSize);
  w.I32(kPelsPerMetre), w.I32(kPelsPerMetre), w.U32(0), w.U32(0);
  w.U32(0x000000), w.U32(0xFFFFFF);
  for (uint32_t i = 0; i < imageSize; ++i) w.U8(i % 2 == 0 ? 0xAA : 0x55);
  return w.Take();
}

std::string ManyStrokesPlt(int count) {
  std::string text = "IN;\nSP1;\n";
  for (int k = 0; k < count; ++k) {
    // Strokes 1 mm long scattered over a grid, so that ordering them has work to do.
    const int x = (k * 37) % 50 * 200, y = k / 50 * 200;
    text += "PU" + std::to_string(x) + "," + std::to_string(y) + ";PD" + std::to_string(x + 40) + "," +
            std::to_string(y) + ";\n";
  }
  return text + "SP0;\n";
}

std::vector<uint8_t> DocumentImage(kw::pathcore::CPathObj& doc) {
  std::vector<uint8_t> bytes;
  int32_t size = 0;
  doc.GetBin(bytes, size);
  bytes.resize(static_cast<size_t>(size));
  return bytes;
}

}  // namespace kw::test
