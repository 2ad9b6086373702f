// The view's mouse tools driven by real mouse and wheel events on "Pic".
#include <QAction>
#include <QLabel>
#include <QTest>
#include <QToolBar>
#include <QWheelEvent>

#include "frm_main.h"
#include "gui_test_support.h"
#include "pathcore/path_obj.h"
#include "pic_tools.h"
#include "pic_view.h"

namespace {

using kw::frmMain;
using kw::PicView;

class ViewTools : public kw::test::GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    window_ = std::make_unique<frmMain>();
    window_->resize(1000, 700);
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
  }
  void TearDown() override {
    window_->SetModified(false);
    window_.reset();
    GuiTest::TearDown();
  }
  PicView& Pic() { return window_->Pic(); }
  // The pixel of the view where a document point shows.
  QPoint At(double x, double y) {
    auto& p = Pic();
    return QPoint(static_cast<int>((x - p.ViewLeft) / p.ViewWidth * p.width()),
                  static_cast<int>((y - p.ViewTop) / p.ViewHeight * p.height()));
  }
  // Two paths side by side, the view showing them all.
  void TwoSquares() {
    auto& doc = window_->MainDoc();
    kw::test::Add(doc, {{0, 0}, {100, 0}, {100, 50}, {0, 50}, {0, 0}});
    kw::test::Add(doc, {{200, 0}, {300, 0}, {300, 50}, {200, 50}, {200, 0}});
    doc.ZL();
    Pic().ShowAll();
  }
  // The document point (mm) under a pixel of the view, within half a millimetre.
  void ExpectUnder(QPoint pixel, double x, double y) {
    const QPointF under = Pic().ToDocument(QPointF(pixel));
    EXPECT_NEAR(under.x(), x, 0.5);
    EXPECT_NEAR(under.y(), y, 0.5);
  }
  void ClickToolbar(const char* key) {
    QWidget* button = window_->TB().widgetForAction(window_->TbButton(key));
    ASSERT_NE(button, nullptr) << key;
    QTest::mouseClick(button, Qt::LeftButton);
  }
  std::unique_ptr<frmMain> window_;
};

TEST_F(ViewTools, ZoomingInThenOutAtOnePointRestoresTheView) {
  auto& p = Pic();
  p.ZoomToRect(100, 50, 0, 0);
  const float left = p.ViewLeft, top = p.ViewTop, width = p.ViewWidth, height = p.ViewHeight;
  ClickToolbar("ZOOMIN");
  EXPECT_EQ(window_->MouseTool, 1);
  const QPoint point = At(30, 20);
  QTest::mouseClick(&p, Qt::LeftButton, {}, point);
  EXPECT_NEAR(p.ViewWidth, width * 0.8, 1e-3);
  ClickToolbar("ZOOMOUT");
  QTest::mouseClick(&p, Qt::LeftButton, {}, point);
  EXPECT_NEAR(p.ViewWidth, width, 1e-3);
  EXPECT_NEAR(p.ViewHeight, height, 1e-3);
  EXPECT_NEAR(p.ViewLeft, left, 0.05);
  EXPECT_NEAR(p.ViewTop, top, 0.05);
}

TEST_F(ViewTools, ZoomToRectFitsTheTighterAxisCentred) {
  auto& p = Pic();
  p.setFixedSize(400, 200);
  p.ZoomToRect(100, 50, 0, 0);
  EXPECT_NEAR(p.ViewHeight, -60, 1e-4);
  EXPECT_NEAR(p.ViewWidth, 120, 1e-4);
  EXPECT_NEAR(p.ViewLeft, -10, 1e-4);
  EXPECT_NEAR(p.ViewTop, 55, 1e-4);
}

TEST_F(ViewTools, AWindowZoomWithBothClicksOnOneXDoesNothing) {
  TwoSquares();
  auto& p = Pic();
  ClickToolbar("ZOOMALL");
  window_->TbButton("Winzoom")->trigger();  // not laid out: no button to click
  const float width = p.ViewWidth;
  QTest::mouseClick(&p, Qt::LeftButton, {}, At(50, 10));
  QTest::mouseClick(&p, Qt::LeftButton, {}, At(50, 40));
  EXPECT_EQ(p.ViewWidth, width);
  // Two corners apart zoom to them.
  QTest::mouseClick(&p, Qt::LeftButton, {}, At(10, 10));
  QTest::mouseClick(&p, Qt::LeftButton, {}, At(90, 40));
  EXPECT_LT(p.ViewWidth, width / 2);
}

TEST_F(ViewTools, TheCentreHandleBeatsAPathUnderTheClickAndMovesTheSelection) {
  auto& doc = window_->MainDoc();
  kw::test::Add(doc, {{0, 0}, {100, 0}, {100, 50}, {0, 50}, {0, 0}});
  kw::test::Add(doc, {{0, 25}, {100, 25}});  // runs through the square's centre
  doc.ZL();
  Pic().ShowAll();
  doc.SelX(1, false);
  doc.ZLSelLmt();
  auto& p = Pic();
  QTest::mousePress(&p, Qt::LeftButton, {}, At(50, 25));
  EXPECT_EQ(window_->MouseTool, 14);
  QTest::mouseMove(&p, At(60, 30));
  EXPECT_EQ(p.Overlay().kind, kw::PicOverlay::kFrame);
  QTest::mouseRelease(&p, Qt::LeftButton, {}, At(60, 30));
  EXPECT_EQ(window_->MouseTool, 0);
  EXPECT_EQ(doc.SelCount(), 1);
  EXPECT_NEAR(doc.SelXMin(), 10, 0.5);
  EXPECT_NEAR(doc.SelYMin(), 5, 0.5);
  EXPECT_TRUE(window_->Modified());
}

TEST_F(ViewTools, DraggingTheRightMiddleHandleOneWidthOnDoublesTheWidth) {
  TwoSquares();
  auto& doc = window_->MainDoc();
  doc.SelX(1, false);
  doc.ZLSelLmt();
  auto& p = Pic();
  QTest::mousePress(&p, Qt::LeftButton, {}, At(100, 25));
  EXPECT_EQ(window_->MouseTool, 10);
  QTest::mouseMove(&p, At(200, 25));
  QTest::mouseRelease(&p, Qt::LeftButton, {}, At(200, 25));
  EXPECT_EQ(p.Overlay().kind, kw::PicOverlay::kNone);
  EXPECT_NEAR(doc.SelXMin(), 0, 1e-3);
  EXPECT_NEAR(doc.SelXmax(), 200, 1.0);  // one pixel of the drag
  EXPECT_NEAR(doc.SelYMax() - doc.SelYMin(), 50, 1e-3);
}

TEST_F(ViewTools, ARightClickCancelsTheBandThenTheToolThenTheSelection) {
  TwoSquares();
  auto& doc = window_->MainDoc();
  auto& p = Pic();
  QTest::mouseClick(&p, Qt::LeftButton, {}, At(150, 60));  // empty space: a band begins
  EXPECT_EQ(window_->Tools().BandState, 1);
  QTest::mouseMove(&p, At(310, -10));
  EXPECT_EQ(p.Overlay().kind, kw::PicOverlay::kBand);
  QTest::mouseClick(&p, Qt::RightButton, {}, At(310, -10));
  EXPECT_EQ(window_->Tools().BandState, 0);
  EXPECT_EQ(p.Overlay().kind, kw::PicOverlay::kNone);
  // A band closed by a second click selects what it holds.
  QTest::mouseClick(&p, Qt::LeftButton, {}, At(150, 60));
  QTest::mouseClick(&p, Qt::LeftButton, {}, At(310, -10));
  EXPECT_EQ(doc.SelCount(), 1);
  window_->MouseTool = 3;
  QTest::mouseClick(&p, Qt::RightButton, {}, At(0, 0));
  EXPECT_EQ(window_->MouseTool, 0);
  EXPECT_EQ(doc.SelCount(), 1);
  QTest::mouseClick(&p, Qt::RightButton, {}, At(0, 0));
  EXPECT_EQ(doc.SelCount(), 0);
}

TEST_F(ViewTools, ARightClickDuringAHandleDragLeavesTheSelectionAndNoPreviewFrame) {
  TwoSquares();
  auto& doc = window_->MainDoc();
  doc.SelX(1, false);
  doc.ZLSelLmt();
  auto& p = Pic();
  QTest::mousePress(&p, Qt::LeftButton, {}, At(100, 25));
  QTest::mouseMove(&p, At(150, 25));
  EXPECT_EQ(p.Overlay().kind, kw::PicOverlay::kFrame);
  QTest::mousePress(&p, Qt::RightButton, {}, At(150, 25));
  EXPECT_EQ(window_->MouseTool, 0);
  EXPECT_EQ(p.Overlay().kind, kw::PicOverlay::kNone);
  QTest::mouseRelease(&p, Qt::LeftButton, {}, At(150, 25));
  EXPECT_NEAR(doc.SelXmax(), 100, 1e-3);
  EXPECT_FALSE(window_->Modified());
}

TEST_F(ViewTools, TheWheelTowardTheUserZoomsOutAboutThePointer) {
  TwoSquares();
  auto& p = Pic();
  const float width = p.ViewWidth;
  const QPoint pixel = At(100, 0);
  QWheelEvent towardUser(QPointF(pixel), QPointF(p.mapToGlobal(pixel)), QPoint(), QPoint(0, -120), Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(&p, &towardUser);
  EXPECT_NEAR(p.ViewWidth, width * 1.25, 1e-3);
  ExpectUnder(pixel, 100, 0);
}

TEST_F(ViewTools, ThePanToolKeepsTheGrabbedPointUnderThePointer) {
  TwoSquares();
  auto& p = Pic();
  ClickToolbar("ZOOMHAND");
  QTest::mousePress(&p, Qt::LeftButton, {}, At(100, 0));
  const QPoint to = At(100, 0) + QPoint(40, 30);
  QTest::mouseMove(&p, to);
  QTest::mouseRelease(&p, Qt::LeftButton, {}, to);
  ExpectUnder(to, 100, 0);
}

TEST_F(ViewTools, ThePositionPanelFollowsThePointer) {
  TwoSquares();
  auto& p = Pic();
  QTest::mouseMove(&p, At(100, 0));
  const auto* pos = window_->findChild<QLabel*>("POS");
  ASSERT_NE(pos, nullptr);
  EXPECT_TRUE(pos->text().startsWith("X:")) << pos->text().toStdString();
  EXPECT_EQ(window_->findChild<QLabel*>("Size")->text(), "Width:300.000  Height:50.000");
}

}  // namespace
