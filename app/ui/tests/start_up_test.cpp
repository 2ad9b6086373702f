// The program's start in a private program folder: what the settings give
// the window, the language menu, the caption, and the command line's four
// ways; and what closing the window writes back or refuses.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <filesystem>

#include "frm_main.h"
#include "gui_test_support.h"
#include "machine/settings_file.h"
#include "machine_panel.h"
#include "pathcore/path_obj.h"
#include "start_up.h"
#include "testsupport/test_drawings.h"
#include "widgets/language_ui.h"
#include "widgets/message_box.h"
#include "widgets/rf_text.h"

namespace {

using kw::frmMain;
using kw::test::AnswerNextModal;

constexpr const char* kSettings =
    "[Beamforge5]\nLanguageI=5\n"
    "[Kerfwright]\nJogSpeed=123\nWorkSpeed0=11\nWorkSpeed1=22\nWorkSpeed2=33\nMrui=1\nMruName0=/old/one.plt\n"
    "[Settings]\nMainLeft=1500\nMainTop=3000\nMainWidth=18000\nMainHeight=13500\n";

class StartUpTest : public kw::test::GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    WriteSettings(kSettings);
  }
  void TearDown() override {
    window_.reset();
    GuiTest::TearDown();
  }

  frmMain& Start(const std::vector<std::string>& arguments) {
    window_ = kw::StartUp(arguments);
    return *window_;
  }
  // A drawing of ours in the program folder, under a name with a blank.
  std::string Drawing() const {
    const auto file = InFolder("my plate.dxf");
    std::filesystem::copy_file(kw::test::OwnDrawing("dxf/plate_r12.dxf"), file,
                               std::filesystem::copy_options::overwrite_existing);
    return file.string();
  }
  static QString Caption(const frmMain& w) { return QString(w.windowTitle()).remove("[*]"); }
  kw::MachineSettings Stored() const { return kw::LoadSettings(InFolder("Setting.ini")).settings; }

  std::unique_ptr<frmMain> window_;
};

TEST_F(StartUpTest, TheWindowTakesTheStoredGeometrySpeedsAndLanguage) {
  // Language2 is missing, so a third file after the gap is not offered.
  std::filesystem::copy_file(InFolder("Language1.sys"), InFolder("Language3.sys"));
  frmMain& w = Start({});
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(w.geometry(), QRect(100, 200, 1200, 900)) << "15 twips a pixel";
  EXPECT_EQ(w.Panel().JogSpeed().Text(), "123");
  EXPECT_EQ(w.Panel().WorkSpeed(0).Text(), "11");
  EXPECT_EQ(w.Panel().WorkSpeed(2).Text(), "33");

  EXPECT_EQ(kw::Settings().LanguageI, 1) << "clamped to the last language file";
  const auto entries = w.findChild<QMenu*>("mnuLanguage")->actions();
  ASSERT_EQ(entries.size(), 2);
  EXPECT_FALSE(entries[0]->isChecked());
  EXPECT_TRUE(entries[1]->isChecked());
  EXPECT_EQ(entries[1]->text(), kw::LanguageQText("Language", "Name"));

  EXPECT_FALSE(kw::ProgramTitle().isEmpty());
  EXPECT_EQ(Caption(w), kw::ProgramTitle());
  EXPECT_EQ(QApplication::applicationDisplayName(), kw::ProgramTitle());
  EXPECT_FALSE(w.findChild<QMenu*>("mnuDebug")->menuAction()->isVisible());
  EXPECT_EQ(w.MruNames, std::vector<std::string>{"/old/one.plt"});
  EXPECT_TRUE(w.findChild<QAction*>("mnuFileMRU0")->isVisible());
}

TEST_F(StartUpTest, WithoutSettingsTheDefaultsApplyAndTheWindowIsUsable) {
  std::filesystem::remove(InFolder("Setting.ini"));
  frmMain& w = Start({});
  EXPECT_EQ(w.Panel().JogSpeed().Text(), "300");
  EXPECT_EQ(w.Panel().WorkSpeed(1).Text(), "300");
  EXPECT_TRUE(w.MruNames.empty());
  EXPECT_FALSE(w.findChild<QAction*>("mnuFileBar2")->isVisible());
  EXPECT_FALSE(w.findChild<QAction*>("mnuFileMRU0")->isVisible());
  EXPECT_LE(kw::Settings().LanguageI, 1);
  // The stored 6500 twips are too small for the controls.
  EXPECT_GE(w.width(), w.minimumSizeHint().width());
  EXPECT_GE(w.height(), w.minimumSizeHint().height());
  EXPECT_EQ(Caption(w), kw::ProgramTitle());
  EXPECT_FALSE(w.Modified());
  EXPECT_FALSE(w.TbButton("SAVE")->isEnabled());
}

TEST_F(StartUpTest, DebugShowsTheDebugMenu) {
  frmMain& w = Start({"debug"});
  EXPECT_TRUE(w.findChild<QMenu*>("mnuDebug")->menuAction()->isVisible());
  EXPECT_EQ(w.MainDoc().Count(), 0);
}

TEST_F(StartUpTest, AFileNameOpensTheDrawingAsTheUsersChoice) {
  const std::string file = Drawing();
  frmMain& w = Start({file.substr(0, file.find(' ')), file.substr(file.find(' ') + 1)});
  QTRY_COMPARE(w.MainDoc().Count(), 17);
  EXPECT_EQ(w.MruNames, (std::vector<std::string>{file, "/old/one.plt"}));
  EXPECT_EQ(Caption(w), kw::ProgramTitle() + "---" + QString::fromStdString(file));
  EXPECT_FALSE(w.Modified());
}

TEST_F(StartUpTest, AHandedOverDrawingLeavesTheRecentFilesAndCaptionAlone) {
  for (const char* handOver : {"corelout", "autocadout"}) {
    SCOPED_TRACE(handOver);
    const std::string file = Drawing();
    frmMain& w = Start({handOver, file.substr(0, file.find(' ')), file.substr(file.find(' ') + 1)});
    QTRY_COMPARE(w.MainDoc().Count(), 17);
    EXPECT_EQ(w.MruNames, std::vector<std::string>{"/old/one.plt"});
    EXPECT_EQ(Caption(w), kw::ProgramTitle());
    EXPECT_FALSE(w.Modified());
    window_.reset();
  }
}

TEST_F(StartUpTest, ClosingWritesTheGeometryInTwipsAndTheSpeedBoxes) {
  frmMain& w = Start({});
  w.setGeometry(QRect(150, 120, 1000, 800));
  QLineEdit& jog = w.Panel().JogSpeed().Tx();
  jog.selectAll();
  QTest::keyClicks(&jog, "456");
  w.Panel().WorkSpeed(1).SetText("77");
  kw::Settings().HbWc = 0.5f;  // as the options dialog leaves it
  ASSERT_TRUE(w.close());

  const kw::MachineSettings stored = Stored();
  EXPECT_EQ(stored.MainLeft, 150 * 15);
  EXPECT_EQ(stored.MainTop, 120 * 15);
  EXPECT_EQ(stored.MainWidth, 1000 * 15);
  EXPECT_EQ(stored.MainHeight, 800 * 15);
  EXPECT_EQ(stored.JogSpeed, "456");
  EXPECT_EQ(stored.WorkSpeed[0], "11");
  EXPECT_EQ(stored.WorkSpeed[1], "77");
  EXPECT_EQ(stored.HbWc, 0.5f) << "the other settings are saved too";
}

TEST_F(StartUpTest, AMinimisedWindowKeepsItsStoredGeometry) {
  frmMain& w = Start({});
  w.showMinimized();
  QTRY_VERIFY(w.isMinimized());
  ASSERT_TRUE(w.close());
  const kw::MachineSettings stored = Stored();
  EXPECT_EQ(stored.MainLeft, 1500);
  EXPECT_EQ(stored.MainWidth, 18000);
}

}  // namespace
