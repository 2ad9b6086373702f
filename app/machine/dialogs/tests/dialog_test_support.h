// Helpers of the machine dialog tests: typing into boxes and clicking like a
// user, answering file dialogs and message boxes, and a simulated controller
// on 127.0.0.1 that the process's settings point at.
#pragma once

#include <QAbstractButton>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <memory>
#include <stdexcept>
#include <string>

#include "axissim/simulator.h"
#include "gui_test_support.h"
#include "machine/axisnet_binding.h"
#include "machine/cydkz.h"
#include "machine/language_files.h"
#include "widgets/rf_text.h"

namespace kw::test {

inline void Show(QDialog& dialog) {
  dialog.show();
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitFor([&dialog] { return dialog.isActiveWindow(); }));
}

// Clicks into the box, types over its text and presses Tab to leave it.
inline void Enter(RfText& box, const QString& text) {
  QTest::mouseClick(&box.Tx(), Qt::LeftButton);
  QTest::keyClick(&box.Tx(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(&box.Tx(), text);
  QTest::keyClick(&box.Tx(), Qt::Key_Tab);
}

inline void Click(QAbstractButton& button) { QTest::mouseClick(&button, Qt::LeftButton); }

template <typename W>
W& Child(const QWidget& parent, const QString& name) {
  W* child = parent.findChild<W*>(name);
  if (!child) throw std::runtime_error("no control " + name.toStdString());
  return *child;
}

inline QString Message(const std::string& key) { return QString::fromStdString(kw::MessageText(key)); }

// Answers the next message box with Enter; its text lands in *text.
inline void ReadNextMessage(std::shared_ptr<QString> text) {
  AnswerNextModal([text](QWidget& modal) {
    if (auto* box = qobject_cast<QMessageBox*>(&modal)) *text = box->text();
    PressKeyOnModal(modal, Qt::Key_Return);
  });
}

// Types name into the next file dialog and presses Enter; when a message box
// follows, its text lands in *message.
inline void AnswerFileDialog(const QString& name, std::shared_ptr<QString> message = nullptr) {
  AnswerNextModal([name, message](QWidget& modal) {
    auto* dialog = qobject_cast<QFileDialog*>(&modal);
    ASSERT_NE(dialog, nullptr) << modal.metaObject()->className();
    auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
    auto* buttons = dialog->findChild<QDialogButtonBox*>("buttonBox");
    ASSERT_TRUE(edit && buttons);
    QPushButton* accept = buttons->button(dialog->acceptMode() == QFileDialog::AcceptSave ? QDialogButtonBox::Save
                                                                                          : QDialogButtonBox::Open);
    ASSERT_NE(accept, nullptr);
    if (message) ReadNextMessage(message);
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([dialog] { return dialog->isActiveWindow(); }));
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, name);
    // The dialog looks the typed name up in a folder it reads in the background; Enter counts once it has.
    ASSERT_TRUE(QTest::qWaitFor([accept] { return accept->isEnabled(); }));
    QTest::keyClick(edit, Qt::Key_Return);
    if (dialog->isVisible()) {
      ADD_FAILURE() << "the file dialog did not take " << name.toStdString();
      dialog->reject();
    }
  });
}

// A simulated controller started in this process, and the wrapper linked to
// it through the real controller library.
class SimulatedMachine : public GuiTest {
 protected:
  void StartMachine(double speedup) {
    axissim::SimConfig config;
    config.speedup = speedup;
    sim_ = std::make_unique<axissim::Simulator>(config);
    Settings().ControllerAddress = "127.0.0.1";
    Settings().ControllerPort = sim_->Start(0);
    ASSERT_EQ(ydkz_.OpenPort(""), 0);
    ASSERT_EQ(ydkz_.Connect(), 0);
  }
  void TearDown() override {
    if (sim_) ydkz_.DisConnect();
    sim_.reset();
    GuiTest::TearDown();
  }
  // Controller axis 1, 2 or 4, in pulses.
  int32_t Position(int axis) {
    return sim_->With([axis](axissim::Machine& m, const auto&) { return m.Position(axis); });
  }
  bool Still() {
    return sim_->With([](axissim::Machine& m, const auto&) { return m.MotionBits() == 0; });
  }
  int16_t PcMarkB() { return sim_->StateCopy().pc_mark_b; }
  void SetPcMarkB(int16_t value) {
    sim_->With([value](axissim::Machine&, axissim::ControllerState& state) { state.pc_mark_b = value; });
  }
  // Millimetres of the default conversion (24 mm, 6400 pulses a revolution) as pulses.
  static int32_t Pulses(double mm) { return static_cast<int32_t>(std::lround(mm * 6400 / 24)); }

  std::unique_ptr<axissim::Simulator> sim_;
  AxisnetLibrary library_{KW_AXISNET_LIBRARY};
  CYdkz ydkz_{library_, Settings()};
};

}  // namespace kw::test
