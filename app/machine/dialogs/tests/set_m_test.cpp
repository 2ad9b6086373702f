// The machine parameter dialog driven with mouse and keys: OK keeps the
// fields in the settings and Setting.ini, Cancel and a field that is not a
// number change nothing, and parameter files go out and come back in.
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>

#include "dialog_test_support.h"
#include "dialogs/set_m.h"
#include "machine/profile_file.h"
#include "machine/settings_file.h"

namespace {

using kw::RfText;
using kw::Settings;
using kw::test::Child;
using kw::test::Click;
using kw::test::Enter;

class MachineParameters : public kw::test::GuiTest {
 protected:
  void Open() {
    dialog_ = std::make_unique<kw::SetM>();
    kw::test::Show(*dialog_);
  }
  void TearDown() override {
    dialog_.reset();
    GuiTest::TearDown();
  }
  RfText& Box(const char* name) { return Child<RfText>(*dialog_, name); }
  QAbstractButton& Button(const char* name) { return Child<QAbstractButton>(*dialog_, name); }
  void ShowPage(int page) {
    QTabBar* bar = dialog_->Stb().tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
    ASSERT_EQ(dialog_->Stb().currentIndex(), page);
  }
  std::string Saved(const char* key) { return kw::ReadIni(kw::SettingsFile(), "Kerfwright", key, "(none)"); }

  std::unique_ptr<kw::SetM> dialog_;
};

TEST_F(MachineParameters, OpensWithTheSettingsInTheLanguageInUse) {
  Settings().Mcs[1] = 1234;
  Settings().Acc[2] = 800.5f;
  Settings().WorkRect[1] = 1500;
  Open();
  EXPECT_EQ(Box("Tmc1").Text(), "1234");
  EXPECT_EQ(Box("TaS2").Text(), "800.5");
  EXPECT_EQ(Box("TSize1").Text(), "1500");
  EXPECT_EQ(Box("TEndTime").Text(), "0.5");
  EXPECT_EQ(dialog_->windowTitle(), "Machine parameters");
  EXPECT_EQ(Child<QLabel>(*dialog_, "Lhome0").text(), "Work area width (mm):");
  EXPECT_EQ(dialog_->Stb().tabText(1), "Work area and paths");
}

TEST_F(MachineParameters, OkKeepsEveryPageInTheSettingsAndInSettingIni) {
  Open();
  Enter(Box("Tmc0"), "5000");
  Enter(Box("TaS2"), "800.5");
  ShowPage(1);
  Enter(Box("TSize1"), "1500");
  Enter(Box("Bufmin1"), "7");
  Click(Button("OKButton"));
  EXPECT_TRUE(dialog_->OkB);
  EXPECT_FALSE(dialog_->isVisible());
  EXPECT_EQ(Settings().Mcs[0], 5000);
  EXPECT_EQ(Settings().Acc[2], 800.5f);
  EXPECT_EQ(Settings().WorkRect[1], 1500);
  EXPECT_EQ(Settings().TSMin[1], 7);
  EXPECT_EQ(Saved("Mcs0"), "5000");
  EXPECT_EQ(Saved("WorkRect1"), "1500");
}

TEST_F(MachineParameters, CancelChangesNothing) {
  Open();
  Enter(Box("Tmax0"), "999");
  Click(Button("CancelButton"));
  EXPECT_FALSE(dialog_->OkB);
  EXPECT_FALSE(dialog_->isVisible());
  EXPECT_EQ(Settings().SMax[0], 500);
  EXPECT_FALSE(std::filesystem::exists(kw::SettingsFile()));
}

TEST_F(MachineParameters, ABoxThatIsNotANumberIsNamedAndTheDialogStaysOpen) {
  Open();
  Enter(Box("THome0"), "45");
  ShowPage(1);
  Enter(Box("TLaserMax"), "-");  // the key rule lets a lone sign through
  ShowPage(0);
  auto text = std::make_shared<QString>();
  kw::test::ReadNextMessage(text);
  Click(Button("OKButton"));
  EXPECT_EQ(*text, kw::test::Message("0027") + "\nLaser maximum power (%) \"-\"");
  EXPECT_TRUE(dialog_->isVisible());
  EXPECT_FALSE(dialog_->OkB);
  EXPECT_EQ(dialog_->Stb().currentIndex(), 1);  // the page of the box is shown
  EXPECT_EQ(Settings().HSpeed[0], 30);          // no box reached the settings
  Enter(Box("TLaserMax"), "80");
  Click(Button("OKButton"));
  EXPECT_TRUE(dialog_->OkB);
  EXPECT_EQ(Settings().HSpeed[0], 45);
  EXPECT_EQ(Settings().LaserMax, 80);
}

TEST_F(MachineParameters, AnExportedFileComesBackInOnlyIntoTheBoxes) {
  Open();
  Enter(Box("TDC1"), "12.5");
  Enter(Box("Tmc2"), "3200");
  ShowPage(1);
  Enter(Box("TStartTime"), "4");
  const QString name = QString::fromStdString(InFolder("line2").string());
  kw::test::AnswerFileDialog(name);
  Click(Button("COutput"));
  // The save dialog adds the parameter file's ending.
  const auto file = InFolder("line2.Les");
  ASSERT_TRUE(std::filesystem::exists(file));
  EXPECT_EQ(kw::ReadIni(file, "Kerfwright", "Sgdc1", ""), "12.5");
  EXPECT_EQ(kw::ReadIni(file, "Kerfwright", "Mcs2", ""), "3200");
  EXPECT_EQ(kw::ReadIni(file, "Kerfwright", "StartTime", ""), "4");
  EXPECT_EQ(Settings().Sgdc[1], 24);  // exporting keeps nothing

  Enter(Box("TStartTime"), "9");
  ShowPage(0);
  Enter(Box("TDC1"), "30");
  kw::test::AnswerFileDialog(name + ".Les");
  Click(Button("CInput"));
  EXPECT_EQ(Box("TDC1").Text(), "12.5");
  EXPECT_EQ(Box("Tmc2").Text(), "3200");
  EXPECT_EQ(Box("TStartTime").Text(), "4");
  EXPECT_EQ(Settings().Sgdc[1], 24);
  EXPECT_EQ(Settings().Mcs[2], 6400);
}

TEST_F(MachineParameters, ABadParameterFileIsRefusedAndTheBoxesStay) {
  const auto file = InFolder("half.Les");
  std::ofstream(file) << "[Kerfwright]\nSgdc0=10\nSgdc1=11\n";
  Open();
  Enter(Box("TDC0"), "20");
  auto text = std::make_shared<QString>();
  kw::test::AnswerFileDialog(QString::fromStdString(file.string()), text);
  Click(Button("CInput"));
  EXPECT_EQ(*text, kw::test::Message("0028") + "\n" + QString::fromStdString(file.string()) + "\nSgdc2");
  EXPECT_EQ(Box("TDC0").Text(), "20");
  EXPECT_EQ(Box("TDC1").Text(), "24");
}

}  // namespace
