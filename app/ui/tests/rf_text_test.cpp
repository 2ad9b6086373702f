// The numeric entry box: which typed and pasted characters it keeps, and what
// leaving and entering it do.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include "gui_test_support.h"
#include "widgets/rf_text.h"

namespace {

using kw::RfText;

// Two boxes in a window: the second one is where the focus goes on Tab.
class RfTextTest : public kw::test::GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    host_ = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(host_.get());
    box_ = new RfText(host_.get());
    other_ = new RfText(host_.get());
    layout->addWidget(box_);
    layout->addWidget(other_);
    host_->show();
    host_->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([this] { return host_->isActiveWindow(); }));
    QTest::mouseClick(&box_->Tx(), Qt::LeftButton);
    ASSERT_TRUE(box_->Tx().hasFocus());
  }
  void TearDown() override {
    host_.reset();
    GuiTest::TearDown();
  }
  // Replaces the text by typing, as a user does.
  void Type(const QString& text) {
    QTest::keyClick(&box_->Tx(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&box_->Tx(), Qt::Key_Backspace);
    QTest::keyClicks(&box_->Tx(), text);
  }
  void Leave() { QTest::keyClick(&box_->Tx(), Qt::Key_Tab); }

  std::unique_ptr<QWidget> host_;
  RfText* box_ = nullptr;
  RfText* other_ = nullptr;
};

TEST_F(RfTextTest, KeepsDigitsAndAllowedSignsWhereverTheyAreTyped) {
  Type("1a2-3.4 e+");
  EXPECT_EQ(box_->Text(), "12-3.4");  // a minus sign in the middle is a character like any other
  box_->SetFuHao(false);
  box_->SetXiaoShuDian(false);
  Type("-1.5x");
  EXPECT_EQ(box_->Text(), "15");
}

TEST_F(RfTextTest, EditingAndNavigationKeysKeepWorking) {
  Type("1234");
  QTest::keyClick(&box_->Tx(), Qt::Key_Home);
  QTest::keyClick(&box_->Tx(), Qt::Key_Delete);
  QTest::keyClick(&box_->Tx(), Qt::Key_End);
  QTest::keyClick(&box_->Tx(), Qt::Key_Left);
  QTest::keyClick(&box_->Tx(), Qt::Key_Backspace);
  EXPECT_EQ(box_->Text(), "24");
  QTest::keyClick(&box_->Tx(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(&box_->Tx(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "24");
  QTest::keyClick(&box_->Tx(), Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(box_->Text(), "");
}

TEST_F(RfTextTest, PastingKeepsOnlyWhatCouldBeTyped) {
  box_->SetFuHao(false);
  QApplication::clipboard()->setText("x-12.5 mm\n");
  Type("");
  QTest::keyClick(&box_->Tx(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(box_->Text(), "12.5");
  QApplication::clipboard()->setText("abc");
  QTest::keyClick(&box_->Tx(), Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(box_->Text(), "12.5");
}

TEST_F(RfTextTest, TheContextMenusPasteGoesThroughTheRuleToo) {
  box_->SetXiaoShuDian(false);
  Type("");
  QApplication::clipboard()->setText("7.5kg");
  bool pasted = false;
  auto* poll = new QTimer(host_.get());
  QObject::connect(poll, &QTimer::timeout, [&pasted, poll] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu) return;
    poll->stop();
    QTest::keyClick(menu, Qt::Key_P);  // the menu's "&Paste"
    pasted = true;
  });
  poll->start(20);
  const QPoint inside = box_->Tx().rect().center();
  QContextMenuEvent event(QContextMenuEvent::Mouse, inside, box_->Tx().mapToGlobal(inside));
  QApplication::sendEvent(&box_->Tx(), &event);
  EXPECT_TRUE(pasted);
  EXPECT_EQ(box_->Text(), "75");
}

TEST_F(RfTextTest, LeavingEmptyBringsBackTheLastAcceptedText) {
  box_->SetFuHao(false);
  Type("12");
  QTest::keyClicks(&box_->Tx(), "-");
  Type("");
  Leave();
  EXPECT_TRUE(other_->Tx().hasFocus());
  EXPECT_EQ(box_->Text(), "12");
}

TEST_F(RfTextTest, AnEmptyBoxMayBeLeftWhenAllowed) {
  box_->SetENull(true);
  Type("");
  Leave();
  EXPECT_EQ(box_->Text(), "");
}

TEST_F(RfTextTest, ChangeReportsAcceptedTextsOnly) {
  QSignalSpy changes(box_, &RfText::Change);
  Type("5");
  EXPECT_EQ(changes.count(), 1);  // emptying the box before typing raised nothing
  box_->SetENull(true);
  Type("6");
  EXPECT_EQ(changes.count(), 1);
}

TEST_F(RfTextTest, SelectsEverythingOnEntryWhenAsked) {
  other_->SetText("123");
  other_->SetSelAll(true);
  Leave();
  QTRY_COMPARE(other_->Tx().selectedText(), QString("123"));
  QTest::mouseClick(&box_->Tx(), Qt::LeftButton);
  QTest::mouseClick(&other_->Tx(), Qt::LeftButton, {}, QPoint(4, other_->Tx().height() / 2));
  QTRY_COMPARE(other_->Tx().selectedText(), QString("123"));
  // Without SelAll a click only places the cursor.
  QTest::mouseClick(&box_->Tx(), Qt::LeftButton, {}, QPoint(4, box_->Tx().height() / 2));
  QApplication::processEvents();
  EXPECT_EQ(box_->Tx().selectedText(), "");
}

}  // namespace
