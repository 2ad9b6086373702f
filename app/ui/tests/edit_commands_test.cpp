// The editing commands through the window's own buttons, keys and toolbars:
// the enabled states after each of them, the layer toolbar, the view and
// layer keys of the main toolbar, and the progress of a long operation.
#include <QAction>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "face_change.h"
#include "file_commands.h"
#include "machine/layer_tables.h"
#include "main_window_fixture.h"
#include "pathcore/path_obj.h"
#include "widgets/language_ui.h"

namespace {

using kw::pathcore::CPathObj;

// The texts a label shows, in the order it paints them.
class PaintedTexts : public QObject {
 public:
  explicit PaintedTexts(QLabel& label) : label_(label) { label.installEventFilter(this); }
  ~PaintedTexts() override { label_.removeEventFilter(this); }
  const QStringList& Texts() const { return texts_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &label_ && event->type() == QEvent::Paint) texts_ << label_.text();
    return false;
  }

 private:
  QLabel& label_;
  QStringList texts_;
};

class EditCommandsTest : public kw::test::MainWindowTest {
 protected:
  CPathObj& Doc() { return Window().MainDoc(); }
  void Click(const char* name) { QTest::mouseClick(qobject_cast<QWidget*>(Window().Control(name)), Qt::LeftButton); }
  void ClickTb(const char* key) { kw::test::ClickToolbarButton(Window().TB(), Window().TbButton(key)); }
  void ClickLayer(int n) {
    kw::test::ClickToolbarButton(Window().Tbb(), Window().Tbb().findChild<QAction*>(QString("Tbb_Layer%1").arg(n)));
  }
  std::vector<int16_t> Layers() {
    std::vector<int16_t> layers;
    for (int32_t k = 1; k <= Doc().Count(); ++k) layers.push_back(Doc().ObjLayer(k));
    return layers;
  }
  // The first point of every path, in order.
  std::vector<std::pair<float, float>> Starts() {
    std::vector<std::pair<float, float>> starts;
    for (int32_t k = 1; k <= Doc().Count(); ++k) {
      float sx = 0, sy = 0, ex = 0, ey = 0;
      Doc().ObjEnds(k, sx, sy, ex, ey);
      starts.emplace_back(sx, sy);
    }
    return starts;
  }
  // Every control the enabling rules name shows the state they give it now.
  void ExpectFaceMatchesDocument() {
    const kw::FaceInput in{Doc().DocBaki(), Doc().DocBakCount(), Window().Modified(), Doc().GetSelObjTy(),
                           Doc().Count()};
    for (const kw::FaceEntry& e : kw::FaceChangeTable(in)) {
      EXPECT_EQ(Enabled(std::string(e.control)), e.enabled) << e.control;
    }
  }
};

TEST_F(EditCommandsTest, EveryCommandLeavesTheEnabledStatesOfTheNewState) {
  Window().mFileOpen(CopyDrawing("dxf/plate_r12.dxf", "plate.dxf"), 0);
  const auto step = [this](const char* what, const std::function<void()>& command) {
    SCOPED_TRACE(what);
    command();
    ExpectFaceMatchesDocument();
  };
  step("opened", [] {});
  EXPECT_FALSE(Enabled("CPDel"));
  EXPECT_FALSE(Enabled("UNDO"));
  step("first path", [this] { PressKey(Qt::Key_Home); });
  EXPECT_TRUE(Enabled("CPDel"));
  EXPECT_FALSE(Enabled("CUnSetDk"));
  step("delete", [this] { Click("CPDel"); });
  EXPECT_EQ(Doc().Count(), 16);
  EXPECT_FALSE(Enabled("CPDel"));
  EXPECT_TRUE(Enabled("UNDO"));
  EXPECT_TRUE(Enabled("SAVE"));
  step("undo", [this] { ClickTb("UNDO"); });
  EXPECT_EQ(Doc().Count(), 17);
  EXPECT_TRUE(Enabled("REDO"));
  EXPECT_TRUE(Window().Modified()) << "undo is no save";
  step("redo", [this] { ClickTb("REDO"); });
  EXPECT_EQ(Doc().Count(), 16);
  step("select all", [this] { PressKey(Qt::Key_A, Qt::ControlModifier); });
  EXPECT_TRUE(Enabled("CHb"));
  step("reverse", [this] { Click("Cback"); });
  step("join", [this] { Click("CHb"); });
  step("shortest travel", [this] { Click("AutoS"); });
  step("to the knife", [this] { ClickTb("SETCUT"); });
  step("layer button", [this] { ClickLayer(2); });
  step("new", [this] {
    kw::test::AnswerNextModal([](QWidget& box) { kw::test::PressKeyOnModal(box, Qt::Key_N); });
    ClickTb("NEW");
  });
  EXPECT_FALSE(Enabled("AutoS"));
  EXPECT_FALSE(Enabled("SAVE"));

  Window().mFileOpen(WriteFile("mark.bmp", kw::test::OneBitBitmap(40, 20)), 0);
  step("bitmap selected", [this] { PressKey(Qt::Key_A, Qt::ControlModifier); });
  EXPECT_TRUE(Enabled("CUnSetDk"));
  EXPECT_TRUE(Enabled("mnuZl"));
  Window().Files().ImportFile(CopyDrawing("plt/pens.plt", "pens.plt"));
  step("bitmap and paths selected", [this] { PressKey(Qt::Key_A, Qt::ControlModifier); });
  EXPECT_FALSE(Enabled("CHb"));
  EXPECT_FALSE(Enabled("mnuZl"));
}

TEST_F(EditCommandsTest, HomeEndAndPageKeysStepThroughThePaths) {
  Window().mFileOpen(CopyDrawing("dxf/plate_r12.dxf", "plate.dxf"), 0);
  auto starts = Starts();
  PressKey(Qt::Key_Home);
  PressKey(Qt::Key_PageDown);
  Click("CPDel");
  starts.erase(starts.begin() + 1);
  EXPECT_EQ(Starts(), starts) << "the second path went";
  PressKey(Qt::Key_End);
  PressKey(Qt::Key_PageUp);
  PressKey(Qt::Key_Delete);
  starts.erase(starts.end() - 2);
  EXPECT_EQ(Starts(), starts) << "the one before the last went";
  PressKey(Qt::Key_Delete);
  EXPECT_EQ(Starts(), starts) << "with nothing selected the key deletes nothing";
}

TEST_F(EditCommandsTest, TheLayerToolbarMovesTheSelectionToUsableLayersOnly) {
  Window().mFileOpen(CopyDrawing("dxf/plate_r12.dxf", "plate.dxf"), 0);
  PressKey(Qt::Key_A, Qt::ControlModifier);
  ClickLayer(3);
  EXPECT_EQ(Layers(), std::vector<int16_t>(17, 2));
  EXPECT_TRUE(Window().Modified());
  EXPECT_TRUE(Enabled("SAVE"));
  ClickLayer(15);
  EXPECT_EQ(Layers(), std::vector<int16_t>(17, 14));

  kw::LayerMap().LayerType(5, 3);  // a kind the program does not act on
  Window().SetModified(false);
  ClickLayer(6);
  EXPECT_EQ(Layers(), std::vector<int16_t>(17, 14));
  EXPECT_TRUE(Window().Modified()) << "marked all the same";
}

TEST_F(EditCommandsTest, TheMainToolbarSetsToolsLayersAndTravelDisplay) {
  Window().mFileOpen(CopyDrawing("plt/pens.plt", "pens.plt"), 0);
  for (const auto& [key, tool] : {std::pair{"ZOOMIN", 1}, {"ZOOMOUT", 2}, {"ZOOMHAND", 3}}) {
    ClickTb(key);
    EXPECT_EQ(Window().MouseTool, tool) << key;
  }
  Click("CSetStartP");
  EXPECT_EQ(Window().MouseTool, 5);

  PressKey(Qt::Key_A, Qt::ControlModifier);
  for (const auto& [key, layer] : {std::pair{"SETHALFCUT", 2}, {"SETCUT", 1}, {"SETPEN", 0}}) {
    ClickTb(key);
    EXPECT_EQ(Layers(), std::vector<int16_t>(3, static_cast<int16_t>(layer))) << key;
  }
  ClickTb("TOCENTER");
  EXPECT_NEAR(Doc().SelXMin(), 0, 1e-3);
  EXPECT_NEAR(Doc().SelYMax(), 0, 1e-3);

  QAction* moves = Window().TbButton("MOVESHOW");
  ClickTb("MOVESHOW");
  EXPECT_TRUE(moves->isChecked());
  EXPECT_TRUE(Doc().SMove());
  ClickTb("MOVESHOW");
  EXPECT_FALSE(Doc().SMove());
  ClickTb("MOVESHOW");
  const auto answered = kw::test::AnswerNextModal([](QWidget& box) { kw::test::PressKeyOnModal(box, Qt::Key_N); });
  ClickTb("NEW");
  EXPECT_TRUE(*answered);
  EXPECT_FALSE(moves->isChecked()) << "a new document starts without travel shown";
  EXPECT_FALSE(Doc().SMove());
}

TEST_F(EditCommandsTest, ALongOperationShowsItsProgressInTheStatusBar) {
  Window().mFileOpen(WriteFile("strokes.plt", kw::test::ManyStrokesPlt(600)), 0);
  ASSERT_EQ(Doc().Count(), 600);
  auto* jd = Window().findChild<QLabel*>("Jd");
  PressKey(Qt::Key_A, Qt::ControlModifier);
  {
    PaintedTexts painted(*jd);
    Click("AutoS");
    ASSERT_FALSE(painted.Texts().isEmpty());
    EXPECT_EQ(painted.Texts().front(), "0%");
    // The library's step names arrive in the user's language.
    const QString step = QRegularExpression::escape(kw::LanguageQText("LIBRARY", "ProgressDistanceOrder"));
    const QRegularExpression progress("^" + step + ".* \\d+%$");
    EXPECT_TRUE(painted.Texts().indexOf(progress) > 0) << painted.Texts().join(" | ").toStdString();
    EXPECT_TRUE(progress.match(jd->text()).hasMatch()) << jd->text().toStdString();
  }
  EXPECT_TRUE(Window().Modified());
  PressKey(Qt::Key_A, Qt::ControlModifier);
  Click("CHb");
  EXPECT_EQ(jd->text(), "100%") << "joining reports its end";
}

}  // namespace
