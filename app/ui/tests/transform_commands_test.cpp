// The transform commands of the main window: each opens its dialog from the
// menu (or its toolbar key), and what the dialog says reaches the drawing;
// a field that is not a number leaves the drawing untouched.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>
#include <array>
#include <memory>

#include "edit_commands.h"
#include "frm_main.h"
#include "gui_test_support.h"
#include "pathcore/path_obj.h"
#include "widgets/rf_text.h"

namespace {

using kw::RfText;
using kw::test::AnswerNextModal;

struct Bounds {
  double xmin, xmax, ymin, ymax;
};

// The dialog as the user meets it: shown and holding the keyboard.
std::function<void(QWidget&)> WhenActive(std::function<void(QWidget&)> answer) {
  return [answer = std::move(answer)](QWidget& dialog) {
    dialog.activateWindow();
    // The widget side learns of the activation after the window does: wait for it.
    EXPECT_TRUE(QTest::qWaitFor([&dialog] { return dialog.isActiveWindow(); }));
    answer(dialog);
  };
}

class TransformCommands : public kw::test::GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    window_ = std::make_unique<kw::frmMain>();
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([this] { return window_->isActiveWindow(); }));
  }
  void TearDown() override {
    window_.reset();
    GuiTest::TearDown();
  }
  kw::pathcore::CPathObj& Doc() { return window_->MainDoc(); }

  // A selected rectangle.
  void SelectedRectangle(float x1, float y1, float x2, float y2) {
    const std::array<float, 5> x{x1, x2, x2, x1, x1}, y{y1, y1, y2, y2, y1};
    Doc().AddPath(x, y, 1);
    Doc().ZL();
    QTest::keyClick(window_.get(), Qt::Key_A, Qt::ControlModifier);
    ASSERT_EQ(Doc().SelCount(), 1);
  }
  Bounds DocBounds() const { return {window_->MainDoc().Xmin(), window_->MainDoc().Xmax(), window_->MainDoc().Ymin(),
                                     window_->MainDoc().Ymax()}; }

  // Opens the Transform menu and clicks the item; answer handles the dialog it opens.
  void RunFromMenu(const char* item, std::function<void(QWidget&)> answer) {
    auto* menu = window_->findChild<QMenu*>("mnuTransform");
    auto* action = window_->findChild<QAction*>(item);
    QMenuBar* bar = window_->menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
    ASSERT_TRUE(action->isEnabled()) << item;
    AnswerNextModal(WhenActive(std::move(answer)));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
  }

  std::unique_ptr<kw::frmMain> window_;
};

// Types over a field of the dialog.
RfText& Type(QWidget& dialog, const char* field, const QString& text) {
  auto* box = dialog.findChild<RfText*>(field);
  EXPECT_NE(box, nullptr) << field;
  QTest::mouseClick(&box->Tx(), Qt::LeftButton);
  QTest::keyClick(&box->Tx(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(&box->Tx(), text);
  return *box;
}

void Press(QRadioButton* option) { QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2)); }

// Enter in the field accepts the dialog, as the default button does.
void Accept(RfText& box) { QTest::keyClick(&box.Tx(), Qt::Key_Return); }

void ExpectBounds(const Bounds& b, double xmin, double xmax, double ymin, double ymax) {
  EXPECT_NEAR(b.xmin, xmin, 1e-3);
  EXPECT_NEAR(b.xmax, xmax, 1e-3);
  EXPECT_NEAR(b.ymin, ymin, 1e-3);
  EXPECT_NEAR(b.ymax, ymax, 1e-3);
}

TEST_F(TransformCommands, ScaleWithTheLockAboutTheCentre) {
  SelectedRectangle(0, 0, 40, 20);
  RunFromMenu("munScale", [](QWidget& dialog) {
    auto* lock = dialog.findChild<QCheckBox*>("CkLock0");
    QTest::mouseClick(lock, Qt::LeftButton, {}, QPoint(6, lock->height() / 2));
    Accept(Type(dialog, "RBlX", "1.5"));
  });
  ExpectBounds(DocBounds(), -10, 50, -5, 25);
  EXPECT_TRUE(window_->Modified());
  // The selection's bounds follow the paths.
  EXPECT_NEAR(Doc().SelXmax(), 50, 1e-3);
}

TEST_F(TransformCommands, RotateAboutTheCentre) {
  SelectedRectangle(0, 0, 40, 20);
  RunFromMenu("mnuSpin", [](QWidget& dialog) { Accept(Type(dialog, "Rj", "90")); });
  ExpectBounds(DocBounds(), 10, 30, -10, 30);
}

TEST_F(TransformCommands, MoveByTheDistancesGiven) {
  SelectedRectangle(0, 0, 40, 20);
  RunFromMenu("mnuMove", [](QWidget& dialog) {
    Type(dialog, "RfTH", "5");
    Accept(Type(dialog, "RfTS", "-2.5"));
  });
  ExpectBounds(DocBounds(), 5, 45, -2.5, 17.5);
}

TEST_F(TransformCommands, ArrayPitchIsSizePlusGap) {
  SelectedRectangle(0, 0, 10, 5);
  AnswerNextModal(WhenActive([](QWidget& dialog) {
    Type(dialog, "RfTH", "5");
    Type(dialog, "RfTS", "5");
    Type(dialog, "RfTlie", "3");
    Accept(Type(dialog, "RfThang", "2"));
  }));
  // The array command has no laid-out button and its menu item follows the
  // selection's kinds only partly: its toolbar key is the way in.
  window_->TbButton("BLOCKARRAY")->trigger();
  EXPECT_EQ(Doc().Count(), 6);
  ExpectBounds(DocBounds(), 0, 40, -10, 5);  // copies 15 mm apart in X, 10 mm downwards
}

TEST_F(TransformCommands, MirrorAcrossTheBottomSide) {
  SelectedRectangle(10, 5, 50, 25);
  RunFromMenu("mnuMirror", [](QWidget& dialog) {
    Press(dialog.findChild<QRadioButton*>("OpZ0"));
    Press(dialog.findChild<QRadioButton*>("OpW2"));
    QTest::keyClick(&dialog, Qt::Key_Return);
  });
  // Axis code 5: Y mirrored about the bottom side y = 5.
  ExpectBounds(DocBounds(), 10, 50, -15, 5);
}

TEST_F(TransformCommands, ToTheOriginPutsTheTopLeftCornerAtZero) {
  SelectedRectangle(10, 5, 50, 25);
  QTest::mouseClick(window_->TB().widgetForAction(window_->TbButton("TOCENTER")), Qt::LeftButton);
  ExpectBounds(DocBounds(), 0, 40, -20, 0);
}

TEST_F(TransformCommands, CancelChangesNothing) {
  SelectedRectangle(0, 0, 40, 20);
  RunFromMenu("mnuMove", [](QWidget& dialog) {
    Type(dialog, "RfTH", "5");
    QTest::keyClick(&dialog, Qt::Key_Escape);
  });
  ExpectBounds(DocBounds(), 0, 40, 0, 20);
  EXPECT_FALSE(window_->Modified());
}

// The key rule lets a lone sign or a second decimal point through; such a
// field is named in a message and nothing changes.
TEST_F(TransformCommands, AFieldThatIsNotANumberIsRefused) {
  SelectedRectangle(0, 0, 40, 20);
  const int16_t snapshots = Doc().DocBaki();
  for (const auto& [item, field, text] : {std::tuple{"mnuMove", "RfTH", "-"}, std::tuple{"munScale", "RBlX", "1..5"}}) {
    QString message;
    RunFromMenu(item, [&message, field = field, text = text](QWidget& dialog) {
      AnswerNextModal([&message](QWidget& box) {
        message = static_cast<QMessageBox&>(box).text();
        QTest::keyClick(&box, Qt::Key_Return);
      });
      Accept(Type(dialog, field, text));
    });
    EXPECT_TRUE(message.contains("not a number")) << item << ": " << message.toStdString();
    EXPECT_TRUE(message.contains(QString("\"%1\"").arg(text))) << message.toStdString();
    ExpectBounds(DocBounds(), 0, 40, 0, 20);
  }
  EXPECT_FALSE(window_->Modified());
  EXPECT_EQ(Doc().DocBaki(), snapshots);
}

TEST_F(TransformCommands, NothingSelectedOpensNoDialog) {
  const std::array<float, 2> x{0, 10}, y{0, 10};
  Doc().AddPath(x, y, 1);
  Doc().ZL();
  for (const char* key : {"BLOCKRORATE", "BLOCKMOVE", "BLOCKARRAY", "BLOCKMIRROR"}) {
    window_->TbButton(key)->trigger();  // returns at once: no dialog waits for an answer
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << key;
  }
  EXPECT_FALSE(window_->Edits().ScaleWithDialog(2, 2, 1, true));
  EXPECT_FALSE(window_->Modified());
}

TEST_F(TransformCommands, ScaleWithDialogStartsFromTheDrag) {
  SelectedRectangle(0, 0, 40, 20);
  QString shownWidth;
  AnswerNextModal([&shownWidth](QWidget& dialog) {
    shownWidth = dialog.findChild<RfText*>("RfW")->Text();
    EXPECT_TRUE(dialog.findChild<QCheckBox*>("CkLock1")->isChecked());
    EXPECT_TRUE(dialog.findChild<QRadioButton*>("Op1")->isChecked());
    QTest::keyClick(&dialog, Qt::Key_Return);
  });
  EXPECT_FALSE(window_->Edits().ScaleWithDialog(2, 2, 1, true));
  EXPECT_EQ(shownWidth, "80");
  ExpectBounds(DocBounds(), 0, 80, -20, 20);  // the top-left corner stays
  AnswerNextModal([](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
  EXPECT_TRUE(window_->Edits().ScaleWithDialog(0.5, 0.5, 0, false));
  ExpectBounds(DocBounds(), 0, 80, -20, 20);
}

}  // namespace
