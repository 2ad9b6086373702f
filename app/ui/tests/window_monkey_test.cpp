// The monkey in the window: thousands of random but valid inputs over a
// window with a drawing loaded and the simulated controller connected, every
// dialog cancelled; the window must survive them (the sanitizers watch every
// step) and its document must still save and read back byte for byte.
#include <QCheckBox>
#include <QTest>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <memory>

#include "axissim/simulator.h"
#include "file_commands.h"
#include "frm_main.h"
#include "machine/axisnet_binding.h"
#include "machine/machine_settings.h"
#include "machine_panel.h"
#include "main_window_fixture.h"
#include "testsupport/test_drawings.h"
#include "window_monkey.h"

namespace {

// A CI run stays short; KW_MONKEY_EVENTS asks for a longer one.
constexpr int kDefaultEvents = 3000;
constexpr uint32_t kDefaultSeed = 20261209;

int EnvNumber(const char* name, int fallback) {
  const char* text = std::getenv(name);
  return text && *text ? std::atoi(text) : fallback;
}

class WindowMonkeyTest : public kw::test::MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    std::filesystem::create_symlink(KW_AXISNET_LIBRARY, InFolder("libaxisnet.so"));
    kw::QuietAxisnetTrace();
    kw::axissim::SimConfig config;
    config.speedup = 50;
    sim_ = std::make_unique<kw::axissim::Simulator>(config);
    auto& s = kw::Settings();
    s.ControllerAddress = "127.0.0.1";
    s.ControllerPort = sim_->Start(0);
  }
  void TearDown() override {
    DropWindow();
    sim_.reset();
    MainWindowTest::TearDown();
  }

  // A corpus drawing when the build has the corpus, else one of ours.
  QString Drawing() const {
    const auto corpus = kw::test::CorpusDir() / "dxf" / "embroidermodder_Tux-R2000.dxf";
    if (!kw::test::CorpusDir().empty() && std::filesystem::exists(corpus))
      return QString::fromStdString(corpus.string());
    return CopyDrawing("dxf/plate_r14.dxf", "plate.dxf");
  }

  void Connect() {
    // Whether to home is asked; the monkey's own closing says no.
    QCheckBox& box = Window().Panel().CkDevice();
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(8, box.height() / 2));
  }

  std::unique_ptr<kw::axissim::Simulator> sim_;
};

TEST_F(WindowMonkeyTest, SurvivesRandomInputAndItsDocumentStillSavesAndReadsBack) {
  const int events = EnvNumber("KW_MONKEY_EVENTS", kDefaultEvents);
  const auto seed = static_cast<uint32_t>(EnvNumber("KW_MONKEY_SEED", kDefaultSeed));
  RecordProperty("seed", std::to_string(seed));
  kw::frmMain& w = Window();
  w.resize(1300, 900);
  w.mFileOpen(Drawing(), 0);
  ASSERT_GT(w.MainDoc().Count(), 0);
  {
    kw::test::WindowMonkey monkey(w, seed);
    Connect();
    ASSERT_TRUE(w.Panel().CkDevice().isChecked());
    std::deque<std::string> recent;  // the last inputs, should one of them fail
    for (int i = 0; i < events && !HasFatalFailure(); ++i) {
      recent.push_back(std::to_string(i) + ": " + monkey.Step());
      if (std::getenv("KW_MONKEY_LOG")) std::printf("%s\n", recent.back().c_str());
      if (recent.size() > 12) recent.pop_front();
      ASSERT_TRUE(w.isVisible()) << "the window closed after " << recent.back();
    }
    monkey.Finish();
    std::string closed;
    for (const auto& [what, count] : monkey.Closed()) closed += what + " " + std::to_string(count) + ", ";
    RecordProperty("closed", closed);
    std::printf("monkey: %d events, seed %u, closed %s\n", events, seed, closed.c_str());
  }
  if (w.Panel().CkDevice().isChecked()) w.Panel().CkDevice().setChecked(false);

  // Save the project, read it back and save it again: the same bytes. Opening
  // a project places the drawing at the origin, so it is put there first.
  w.MainDoc().SetPathPos(0, 0);
  const QString project = QString::fromStdString(InFolder("monkey.rpt").string());
  w.SetProjectFileName(project);
  ASSERT_TRUE(w.Files().Save());
  const std::vector<uint8_t> first = kw::test::FileBytes(project);
  ASSERT_FALSE(first.empty());
  w.mFileOpen(project, 0);
  ASSERT_EQ(w.ProjectFileName(), project);
  ASSERT_TRUE(w.Files().Save());
  EXPECT_EQ(kw::test::FileBytes(project), first);
}

}  // namespace
