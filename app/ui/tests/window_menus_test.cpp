// The File menu's recent files, the password before the maintenance dialogs,
// and the language menu.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include "machine/profile_file.h"
#include "machine/settings_file.h"
#include "main_window_fixture.h"
#include "pathcore/path_obj.h"
#include "widgets/language_ui.h"
#include "widgets/message_box.h"

namespace {

using kw::test::AnswerNextModal;
using kw::test::PressKeyOnModal;

class WindowMenusTest : public kw::test::MainWindowTest {
 protected:
  QAction* Item(const QString& name) { return Window().findChild<QAction*>(name); }
  // The recent-file items shown, top first.
  QStringList RecentShown() {
    QStringList shown;
    for (int k = 0; k < 4; ++k) {
      if (Item(QString("mnuFileMRU%1").arg(k))->isVisible()) shown << Item(QString("mnuFileMRU%1").arg(k))->text();
    }
    return shown;
  }
  // Types the password into the password dialog and confirms it.
  static void TypePassword(QWidget& dialog, const QString& password) {
    auto* box = dialog.findChild<QLineEdit*>("TxtPassword");
    ASSERT_NE(box, nullptr) << dialog.objectName().toStdString();
    box->setFocus();
    QTest::keyClicks(box, password);
    QTest::keyClick(box, Qt::Key_Return);
  }
};

TEST_F(WindowMenusTest, RecentFilesKeepFourAndReopeningMovesToTheTop) {
  EXPECT_TRUE(RecentShown().isEmpty());
  EXPECT_FALSE(Item("mnuFileBar2")->isVisible());
  QStringList files;
  for (const char* name : {"a.plt", "b.plt", "c&d.plt", "e.plt", "f.plt"}) {
    files << CopyDrawing("plt/pens.plt", name);
    Window().mFileOpen(files.back(), 0);
  }
  QString ampersand = files[2];
  ampersand.replace("&", "&&");
  EXPECT_EQ(RecentShown(), (QStringList{files[4], files[3], ampersand, files[1]})) << "a.plt dropped off";
  EXPECT_TRUE(Item("mnuFileBar2")->isVisible());

  Window().MainDoc().SelAll();
  Window().MainDoc().DelObj();
  ASSERT_EQ(Window().MainDoc().Count(), 0);
  kw::test::ClickMenuItem(Window(), "mnuFileMRU2");
  EXPECT_EQ(Window().MainDoc().Count(), 3) << "c&d.plt opened";
  EXPECT_EQ(RecentShown(), (QStringList{ampersand, files[4], files[3], files[1]}));
  EXPECT_EQ(QString(Window().windowTitle()).remove("[*]"), kw::ProgramTitle() + "---" + files[2]);

  ASSERT_TRUE(Window().close());
  const kw::MachineSettings stored = kw::LoadSettings(InFolder("Setting.ini")).settings;
  EXPECT_EQ(stored.Mrui, 4);
  EXPECT_EQ(stored.MruName, (std::vector<std::string>{files[2].toStdString(), files[4].toStdString(),
                                                      files[3].toStdString(), files[1].toStdString()}));
}

TEST_F(WindowMenusTest, TheOptionsOpenOnlyAfterTheRightPassword) {
  // Wrong letter case: refused with a message, the box keeps the text selected; then cancelled.
  std::unique_ptr<kw::test::NoModalExpected> nothingAfter;
  QString refusal;
  bool selected = false;
  const auto wrong = AnswerNextModal([&](QWidget& dialog) {
    AnswerNextModal([&refusal](QWidget& box) {
      refusal = kw::test::MessageText(box);
      PressKeyOnModal(box, Qt::Key_Return);
    });
    TypePassword(dialog, "telmora");
    selected = dialog.isVisible() && dialog.findChild<QLineEdit*>("TxtPassword")->selectedText() == "telmora";
    PressKeyOnModal(dialog, Qt::Key_Escape);
    nothingAfter = std::make_unique<kw::test::NoModalExpected>();
  });
  kw::test::ClickMenuItem(Window(), "mnuViewOptions");
  nothingAfter.reset();
  EXPECT_TRUE(*wrong);
  EXPECT_EQ(refusal, kw::LanguageQText("MSGBOX", "0016"));
  EXPECT_TRUE(selected);

  QString opened;
  const auto right = AnswerNextModal([&opened](QWidget& dialog) {
    AnswerNextModal([&opened](QWidget& options) {
      opened = options.objectName();
      PressKeyOnModal(options, Qt::Key_Escape);
    });
    TypePassword(dialog, "TELMORA");
  });
  kw::test::ClickMenuItem(Window(), "mnuViewOptions");
  EXPECT_TRUE(*right);
  EXPECT_EQ(opened, "FOp");

  // The machine dialogs sit behind the same gate.
  QString parameters;
  const auto machine = AnswerNextModal([&parameters](QWidget& dialog) {
    EXPECT_EQ(dialog.objectName(), "FMm");
    AnswerNextModal([&parameters](QWidget& setM) {
      parameters = setM.objectName();
      PressKeyOnModal(setM, Qt::Key_Escape);
    });
    TypePassword(dialog, "TELMORA");
  });
  kw::test::ClickMenuItem(Window(), "numDeviceParameter");
  EXPECT_TRUE(*machine);
  EXPECT_EQ(parameters, "SetM");
}

TEST_F(WindowMenusTest, ChoosingALanguageRecaptionsTheWindowAndIsStored) {
  kw::frmMain& w = Window();
  w.BuildLanguageMenu();
  const QString english = kw::ProgramTitle();
  kw::test::ClickMenuItem(w, "mnuLanguageSet0");
  EXPECT_EQ(kw::Settings().LanguageI, 0);
  EXPECT_EQ(kw::ReadIni(InFolder("Setting.ini"), "Beamforge5", "LanguageI", ""), "0");
  const QString chinese = kw::ProgramTitle();
  EXPECT_NE(chinese, english);
  EXPECT_EQ(QString(w.windowTitle()).remove("[*]"), chinese);
  EXPECT_TRUE(Item("mnuLanguageSet0")->isChecked());
  EXPECT_FALSE(Item("mnuLanguageSet1")->isChecked());
  EXPECT_EQ(w.TbButton("NEW")->toolTip(), kw::LanguageQText("TB", "NEW"));

  kw::test::ClickMenuItem(w, "mnuLanguageSet1");
  EXPECT_EQ(QString(w.windowTitle()).remove("[*]"), english);
  EXPECT_TRUE(Item("mnuLanguageSet1")->isChecked());
}

}  // namespace
