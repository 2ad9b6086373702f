// The run dialog's controls around a run: captions in both languages, the
// remembered cut-off choice in Setting.ini, the suction output, the tool
// depth steps, and a cut-off that would leave the machine.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "dialogs/f_run.h"
#include "machine/language_files.h"
#include "machine/profile_file.h"
#include "machine/settings_file.h"
#include "run_dialog_fixture.h"
#include "widgets/rf_text.h"

namespace {

class FRunControls : public kw::test::RunDialogTest {
 protected:
  std::unique_ptr<kw::FRun> Open(bool selMode = false) {
    auto dialog = std::make_unique<kw::FRun>(doc, kw::test::TestLibrary());
    dialog->setProperty("SelMode", selMode);
    dialog->show();
    return dialog;
  }
  static QString Caption(const QObject& control) {
    if (auto* button = qobject_cast<const QAbstractButton*>(&control)) return button->text();
    if (auto* group = qobject_cast<const QGroupBox*>(&control)) return group->title();
    if (auto* label = qobject_cast<const QLabel*>(&control)) return label->text();
    return {};
  }
  static QString Caption(const kw::FRun& dialog, const char* name) {
    return Caption(*dialog.findChild<QObject*>(name));
  }
  // The depth steps, the pause caption and the progress line are the dialog's own texts.
  static bool SetsItsOwnCaption(const QString& name) {
    return name.startsWith("qt_") || name.startsWith("LZPOS") || name == "CPause" || name == "LProgress";
  }
  uint16_t Outputs() { return sim->StateCopy().outputs; }
};

TEST_F(FRunControls, CaptionsComeFromTheLanguageInUseAndTheCaptionSaysWhatRuns) {
  AddStrokes(1);
  auto all = Open(false);
  EXPECT_EQ(all->windowTitle(), "Run");
  EXPECT_EQ(Caption(*all, "CPause"), "Pause");
  EXPECT_EQ(Caption(*all, "CToolDec2"), "Half-cut shallower");
  EXPECT_EQ(Caption(*all, "LZPOS1"), "0");
  EXPECT_EQ(Open(true)->windowTitle(), "Run selection");
  kw::Settings().LanguageI = 0;
  auto chinese = Open(false);
  EXPECT_EQ(chinese->windowTitle(), "加工");
  EXPECT_EQ(Caption(*chinese, "CRun"), "开始");
  EXPECT_EQ(Caption(*chinese, "CPause"), "暂停");
  EXPECT_EQ(Caption(*chinese, "CToolAdd0"), "笔深");
  EXPECT_TRUE(Caption(*chinese, "LProgress").startsWith("共 1 条路径，预计约 "));
  // Every caption the dialog shows, but for the ones it sets itself, has a text in both files.
  for (const char* file : {"Language0.sys", "Language1.sys"}) {
    for (QObject* child : chinese->findChildren<QObject*>()) {
      const QString name = child->objectName();
      if (Caption(*child).isEmpty() || name.isEmpty() || SetsItsOwnCaption(name)) continue;
      EXPECT_FALSE(kw::ReadIni(InFolder(file), "FRun", name.toStdString(), "").empty())
          << file << " " << name.toStdString();
    }
  }
}

TEST_F(FRunControls, TheCutOffChoiceIsReadFromAndWrittenToSettingIni) {
  AddStrokes(1);
  WriteSettings("[RtCut]\nRtCut=12.5\n[Ck_Cut]\nCk_Cut=1\n");
  auto dialog = Open();
  auto* rtCut = dialog->findChild<kw::RfText*>("RtCut");
  auto* ckCut = dialog->findChild<QCheckBox*>("Ck_Cut");
  EXPECT_EQ(rtCut->Text(), "12.5");
  EXPECT_TRUE(ckCut->isChecked());
  rtCut->Tx().selectAll();
  QTest::keyClicks(&rtCut->Tx(), "30");
  QTest::mouseClick(ckCut, Qt::LeftButton, {}, QPoint(4, ckCut->height() / 2));
  QTest::mouseClick(dialog->findChild<QPushButton*>("CExit"), Qt::LeftButton);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(kw::ReadIni(kw::SettingsFile(), "RtCut", "RtCut", ""), "30");
  EXPECT_EQ(kw::ReadIni(kw::SettingsFile(), "Ck_Cut", "Ck_Cut", ""), "0");
  // A fresh file gives the defaults.
  std::filesystem::remove(kw::SettingsFile());
  auto fresh = Open();
  EXPECT_EQ(fresh->findChild<kw::RfText*>("RtCut")->Text(), "0");
  EXPECT_FALSE(fresh->findChild<QCheckBox*>("Ck_Cut")->isChecked());
}

TEST_F(FRunControls, ACutOffBeyondTheMachineIsRefusedWithAMessageAndNothingMoves) {
  AddStrokes(1);
  WriteSettings("[RtCut]\nRtCut=2000\n[Ck_Cut]\nCk_Cut=1\n");
  auto dialog = Open();
  QString message;
  kw::test::AnswerNextModal([&](QWidget& box) {
    message = box.findChild<QLabel*>("qt_msgbox_label")->text();
    kw::test::PressKeyOnModal(box, Qt::Key_Enter);
  });
  QTest::mouseClick(dialog->findChild<QPushButton*>("CRun"), Qt::LeftButton);
  EXPECT_EQ(message.toStdString(), kw::MessageText("0022"));
  EXPECT_FALSE(dialog->LastRun().started);
  EXPECT_EQ(sim->StateCopy().requests[0x10], 0u);  // no move was asked for
  EXPECT_TRUE(dialog->findChild<QPushButton*>("CRun")->isEnabled());
  EXPECT_TRUE(Caption(*dialog, "LProgress").startsWith("Paths: 1, about "));
}

TEST_F(FRunControls, SuctionFollowsTheActiveLowOutputZero) {
  auto on = Open();
  auto* suction = on->findChild<QCheckBox*>("Ck_Suction");
  EXPECT_TRUE(suction->isChecked());  // the controller starts with every output low
  EXPECT_EQ(Outputs() & 1, 0);        // reading it switched nothing
  QTest::mouseClick(suction, Qt::LeftButton, {}, QPoint(4, suction->height() / 2));
  EXPECT_EQ(Outputs() & 1, 1);
  EXPECT_FALSE(Open()->findChild<QCheckBox*>("Ck_Suction")->isChecked());
  QTest::mouseClick(suction, Qt::LeftButton, {}, QPoint(4, suction->height() / 2));
  EXPECT_EQ(Outputs() & 1, 0);
}

TEST_F(FRunControls, DepthButtonsStepWithinZeroToTenAndShowTheStep) {
  kw::Settings().ZPosVal_Cut = 9;
  auto dialog = Open();
  auto* deeper = dialog->findChild<QPushButton*>("CToolAdd1");
  auto* shallower = dialog->findChild<QPushButton*>("CToolDec0");
  EXPECT_EQ(Caption(*dialog, "LZPOS1"), "9");
  for (int i = 0; i < 2; ++i) QTest::mouseClick(deeper, Qt::LeftButton);
  EXPECT_EQ(Caption(*dialog, "LZPOS1"), "10");
  EXPECT_EQ(kw::Settings().ZPosVal_Cut, 10);
  QTest::mouseClick(shallower, Qt::LeftButton);
  EXPECT_EQ(Caption(*dialog, "LZPOS0"), "0");
  EXPECT_EQ(Position(4), 0);  // no tool is down, so Z stays where it is
}

}  // namespace
