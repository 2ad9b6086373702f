// The transform dialogs on their own: the scale dialog keeps factors and sizes
// in step as its boxes are left, the mirror dialog names the sides after the
// axis, and every dialog takes its captions from the language file.
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "dialogs/f_array.h"
#include "dialogs/f_mirror.h"
#include "dialogs/f_scale.h"
#include "dialogs/f_spin.h"
#include "dialogs/f_tran.h"
#include "gui_test_support.h"
#include "widgets/rf_text.h"

namespace {

using kw::FScale;
using kw::RfText;

void Show(QDialog& dialog) {
  dialog.show();
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitFor([&dialog] { return dialog.isActiveWindow(); }));
}

// Clicks into the box, types over its text and presses Tab to leave it.
void Enter(RfText& box, const QString& text) {
  QTest::mouseClick(&box.Tx(), Qt::LeftButton);
  QTest::keyClick(&box.Tx(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(&box.Tx(), text);
  QTest::keyClick(&box.Tx(), Qt::Key_Tab);
}

void Click(QAbstractButton& button) { QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(6, button.height() / 2)); }

class ScaleDialog : public kw::test::GuiTest {
 protected:
  // A 40 x 20 mm selection.
  void Open(float w = 40, float h = 20) {
    dialog_ = std::make_unique<FScale>();
    dialog_->SetW(w);
    dialog_->SetH(h);
    Show(*dialog_);
  }
  void TearDown() override {
    dialog_.reset();
    GuiTest::TearDown();
  }
  std::unique_ptr<FScale> dialog_;
};

TEST_F(ScaleDialog, OpensWithTheSelectionsSizeAndFactorOne) {
  Open();
  EXPECT_EQ(dialog_->RfW().Text(), "40");
  EXPECT_EQ(dialog_->RfH().Text(), "20");
  EXPECT_EQ(dialog_->RBlX().Text(), "1");
  EXPECT_EQ(dialog_->RBlY().Text(), "1");
  EXPECT_EQ(dialog_->SelectedOp(), 0);
}

TEST_F(ScaleDialog, LockedFactorCarriesOverToTheOtherDirection) {
  Open();
  Click(dialog_->CkLock(0));
  EXPECT_TRUE(dialog_->CkLock(1).isChecked());
  Enter(dialog_->RBlX(), "1.5");
  EXPECT_EQ(dialog_->RBlY().Text(), "1.5");
  EXPECT_EQ(dialog_->RfW().Text(), "60");
  EXPECT_EQ(dialog_->RfH().Text(), "30");
}

TEST_F(ScaleDialog, UnlockedFactorChangesOneDirection) {
  Open();
  Enter(dialog_->RBlY(), "0.5");
  EXPECT_EQ(dialog_->RBlX().Text(), "1");
  EXPECT_EQ(dialog_->RfW().Text(), "40");
  EXPECT_EQ(dialog_->RfH().Text(), "10");
}

TEST_F(ScaleDialog, ZeroesBecomeTheUnchangedValue) {
  Open();
  Enter(dialog_->RfW(), "0");
  EXPECT_EQ(dialog_->RfW().Text(), "40");
  EXPECT_EQ(dialog_->RBlX().Text(), "1");
  Enter(dialog_->RBlY(), "0");
  EXPECT_EQ(dialog_->RBlY().Text(), "1");
  EXPECT_EQ(dialog_->RfH().Text(), "20");
}

TEST_F(ScaleDialog, ASizeGivesTheFactorAndTheLockTheOtherSize) {
  Open();
  Enter(dialog_->RfW(), "50");
  EXPECT_EQ(dialog_->RBlX().Text(), "1.25");
  EXPECT_EQ(dialog_->RfH().Text(), "20");
  Click(dialog_->CkLock(1));
  EXPECT_TRUE(dialog_->CkLock(0).isChecked());
  Enter(dialog_->RfH(), "10");
  EXPECT_EQ(dialog_->RBlY().Text(), "0.5");
  EXPECT_EQ(dialog_->RBlX().Text(), "0.5");
  EXPECT_EQ(dialog_->RfW().Text(), "20");
}

TEST_F(ScaleDialog, TickingTheLockMakesYFollowX) {
  Open();
  Enter(dialog_->RBlX(), "2");
  Enter(dialog_->RBlY(), "3");
  Click(dialog_->CkLock(1));
  EXPECT_EQ(dialog_->RBlY().Text(), "2");
  EXPECT_EQ(dialog_->RfW().Text(), "80");
  EXPECT_EQ(dialog_->RfH().Text(), "40");
  Click(dialog_->CkLock(0));
  EXPECT_FALSE(dialog_->CkLock(1).isChecked());
}

TEST_F(ScaleDialog, ADirectionWithoutExtentCannotBeScaled) {
  Open(0, 20);
  EXPECT_FALSE(dialog_->RfW().isEnabled());
  EXPECT_FALSE(dialog_->RBlX().isEnabled());
  EXPECT_TRUE(dialog_->RfH().isEnabled());
  EXPECT_EQ(dialog_->RfH().Text(), "20");
}

TEST_F(ScaleDialog, PresetFromAHandleDrag) {
  dialog_ = std::make_unique<FScale>();
  dialog_->SetW(40);
  dialog_->SetH(20);
  dialog_->Preset(2, 0.5, 4, true);
  Show(*dialog_);
  EXPECT_EQ(dialog_->RBlX().Text(), "2");
  EXPECT_EQ(dialog_->RBlY().Text(), "0.5");
  EXPECT_EQ(dialog_->RfW().Text(), "80");
  EXPECT_EQ(dialog_->RfH().Text(), "10");
  EXPECT_TRUE(dialog_->CkLock(0).isChecked() && dialog_->CkLock(1).isChecked());
  EXPECT_EQ(dialog_->SelectedOp(), 4);
}

TEST_F(ScaleDialog, OkWithTheKeyboardLeavesTheBoxFirst) {
  Open();
  Click(dialog_->CkLock(0));
  QTest::mouseClick(&dialog_->RBlX().Tx(), Qt::LeftButton);
  QTest::keyClick(&dialog_->RBlX().Tx(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(&dialog_->RBlX().Tx(), "3");
  QTest::keyClick(&dialog_->RBlX().Tx(), Qt::Key_Return);
  EXPECT_TRUE(dialog_->CoK);
  EXPECT_FALSE(dialog_->isVisible());
  EXPECT_EQ(dialog_->RBlY().Text(), "3");
}

TEST_F(ScaleDialog, EscapeCancels) {
  Open();
  QTest::keyClick(&dialog_->RBlX().Tx(), Qt::Key_Escape);
  EXPECT_FALSE(dialog_->CoK);
  EXPECT_FALSE(dialog_->isVisible());
}

using MirrorDialog = kw::test::GuiTest;

TEST_F(MirrorDialog, SidesAreNamedAfterTheAxis) {
  kw::FMirror dialog;
  Show(dialog);
  EXPECT_EQ(dialog.OpW(1).text(), "&Left side");
  Click(dialog.OpZ(0));
  EXPECT_EQ(dialog.OpW(1).text(), "&Top side");
  EXPECT_EQ(dialog.OpW(2).text(), "&Bottom side");
  Click(dialog.OpZ(1));
  EXPECT_EQ(dialog.OpW(2).text(), "&Right side");
}

TEST_F(MirrorDialog, SidesInChinese) {
  kw::Settings().LanguageI = 0;
  kw::FMirror dialog;
  dialog.OpZ(0).setChecked(true);
  EXPECT_EQ(dialog.OpW(1).text(), QString::fromUtf8("上边(&T)"));
}

using TransformDialogs = kw::test::GuiTest;

TEST_F(TransformDialogs, EveryDialogHasItsNamedControlsAndCaptions) {
  kw::FScale scale;
  kw::FSpin spin;
  kw::FTran move;
  kw::FArray array;
  kw::FMirror mirror;
  const std::pair<QDialog*, std::vector<const char*>> dialogs[] = {
      {&scale, {"RBlX", "RBlY", "RfW", "RfH", "CkLock0", "CkLock1", "Op0", "Op4"}},
      {&spin, {"Rj", "Op0", "Op4"}},
      {&move, {"RfTH", "RfTS"}},
      {&array, {"RfTH", "RfTS", "RfTlie", "RfThang"}},
      {&mirror, {"OpZ0", "OpZ1", "OpW0", "OpW2"}}};
  const char* titles[] = {"Scale", "Rotate", "Move", "Array", "Mirror"};
  for (size_t i = 0; i < std::size(dialogs); ++i) {
    const auto& [dialog, names] = dialogs[i];
    EXPECT_EQ(dialog->windowTitle(), titles[i]);
    for (const char* name : names) EXPECT_NE(dialog->findChild<QWidget*>(name), nullptr) << titles[i] << " " << name;
    EXPECT_EQ(dialog->findChild<QPushButton*>("OKButton")->text(), "OK");
  }
  EXPECT_EQ(scale.CkLock(1).text(), "Loc&k proportions");
  // Counts are whole and not negative.
  EXPECT_FALSE(array.RfTlie().FuHao());
  EXPECT_FALSE(array.RfThang().XiaoShuDian());
}

}  // namespace
