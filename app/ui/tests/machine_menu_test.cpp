// The Machine menu: after the maintenance password its two entries open the
// machine parameter dialog and the knife and pen dialog.
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <memory>

#include "frm_main.h"
#include "gui_test_support.h"

namespace {

using MachineMenu = kw::test::GuiTest;

// Takes entry n of the Machine menu with the keys, gives the password and
// answers the dialog that follows with Esc; the dialog's name is returned.
QString OpenedByEntry(kw::frmMain& window, int n) {
  auto opened = std::make_shared<QString>();
  QApplication::setActiveWindow(&window);
  if (!QTest::qWaitForWindowActive(&window)) return "window not active";
  QTest::keyClick(&window, Qt::Key_M, Qt::AltModifier);
  QWidget* popup = nullptr;
  if (!QTest::qWaitFor([&] { return (popup = QApplication::activePopupWidget()) != nullptr; })) return "no menu";
  kw::test::AnswerNextModal([opened](QWidget& password) {
    auto* box = password.findChild<QLineEdit*>("TxtPassword");
    ASSERT_NE(box, nullptr);
    QTest::keyClicks(box, "TELMORA");
    kw::test::PressKeyOnModal(password, Qt::Key_Return);
    kw::test::AnswerNextModal([opened](QWidget& dialog) {
      *opened = dialog.objectName();
      kw::test::PressKeyOnModal(dialog, Qt::Key_Escape);
    });
  });
  for (int k = 0; k < n; ++k) QTest::keyClick(popup, Qt::Key_Down);
  // The entry's dialogs are modal: the key returns once they are answered.
  QTest::keyClick(popup, Qt::Key_Return);
  return *opened;
}

TEST_F(MachineMenu, EntriesOpenTheirDialogsBehindThePassword) {
  kw::frmMain window;
  window.show();
  EXPECT_EQ(OpenedByEntry(window, 0).toStdString(), "SetM");
  EXPECT_EQ(OpenedByEntry(window, 1).toStdString(), "ToolSetting");
}

}  // namespace
