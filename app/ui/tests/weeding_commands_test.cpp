// The weeding commands from the Edit menu: the user clicks the item and types
// into its dialog; the box and the lines join the drawing as the selection,
// undoable in one step each; values that cannot work are refused with a word.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <functional>

#include "main_window_fixture.h"
#include "pathcore/path_obj.h"
#include "widgets/rf_text.h"

namespace {

using kw::test::AnswerNextModal;

class WeedingCommands : public kw::test::MainWindowTest {
 protected:
  kw::pathcore::CPathObj& Doc() { return Window().MainDoc(); }

  // Our plate drawing, 60 x 40 mm, nothing selected.
  void OpenPlate() {
    Window().mFileOpen(CopyDrawing("dxf/plate_r12.dxf", "plate.dxf"), 0);
    ASSERT_EQ(Doc().Count(), 17);
  }

  // Clicks the Edit menu item; `answer` fills in the dialog once it holds the
  // keyboard. With `message`, the message box that follows the dialog is
  // answered with Enter and its text kept there.
  void RunFromEditMenu(const char* item, std::function<void(QWidget&)> answer, QString* message = nullptr) {
    const auto answered = AnswerNextModal([answer = std::move(answer), message](QWidget& dialog) {
      dialog.activateWindow();
      EXPECT_TRUE(QTest::qWaitFor([&dialog] { return dialog.isActiveWindow(); }));
      if (message) {
        AnswerNextModal([message](QWidget& box) {
          *message = kw::test::MessageText(box);
          QTest::keyClick(&box, Qt::Key_Return);
        });
      }
      answer(dialog);
    });
    kw::test::ClickMenuItem(Window(), item);
    EXPECT_TRUE(*answered) << item << " opened no dialog";
  }
};

// Clicks into a field, types over it and presses Enter, which accepts the dialog.
void TypeAndAccept(QWidget& dialog, const char* field, const QString& text) {
  auto* box = dialog.findChild<kw::RfText*>(field);
  ASSERT_NE(box, nullptr) << field;
  QTest::mouseClick(&box->Tx(), Qt::LeftButton);
  QTest::keyClick(&box->Tx(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(&box->Tx(), text);
  QTest::keyClick(&box->Tx(), Qt::Key_Return);
}

void Untick(QWidget& dialog, const char* name) {
  auto* box = dialog.findChild<QCheckBox*>(name);
  ASSERT_NE(box, nullptr) << name;
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
  EXPECT_FALSE(box->isChecked());
}

TEST_F(WeedingCommands, BoxThenLinesFromTheEditMenuAndUndo) {
  OpenPlate();
  const double xmin = Doc().Xmin(), ymin = Doc().Ymin(), xmax = Doc().Xmax(), ymax = Doc().Ymax();
  RunFromEditMenu("mnuWeedBox", [](QWidget& dialog) { TypeAndAccept(dialog, "RfMargin", "7"); });
  ASSERT_EQ(Doc().Count(), 18);
  EXPECT_NEAR(Doc().Xmin(), xmin - 7, 1e-4);
  EXPECT_NEAR(Doc().Ymin(), ymin - 7, 1e-4);
  EXPECT_NEAR(Doc().Xmax(), xmax + 7, 1e-4);
  EXPECT_NEAR(Doc().Ymax(), ymax + 7, 1e-4);
  EXPECT_EQ(Doc().SelCount(), 1) << "the box is selected";
  EXPECT_EQ(Doc().ObjLayer(18), 1);
  EXPECT_TRUE(Window().Modified());

  // Horizontal lines only, 9 mm apart across the 54 mm high box: five rows.
  RunFromEditMenu("mnuWeedLines", [](QWidget& dialog) {
    Untick(dialog, "CkVertical");
    TypeAndAccept(dialog, "RfSpacing", "9");
  });
  const int32_t lines = Doc().Count() - 18;
  EXPECT_GE(lines, 5);
  EXPECT_EQ(Doc().SelCount(), lines);
  for (int32_t k = 19; k <= Doc().Count(); ++k) {
    float sx = 0, sy = 0, ex = 0, ey = 0;
    Doc().ObjEnds(k, sx, sy, ex, ey);
    EXPECT_FLOAT_EQ(sy, ey) << "horizontal";
  }

  PressKey(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Doc().Count(), 18);
  PressKey(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Doc().Count(), 17);
}

TEST_F(WeedingCommands, ValuesThatCannotWorkAreRefusedAndChangeNothing) {
  OpenPlate();
  QString said;
  RunFromEditMenu("mnuWeedBox", [](QWidget& dialog) { TypeAndAccept(dialog, "RfMargin", "0"); }, &said);
  EXPECT_EQ(said, "The margin must be more than 0 mm.");
  RunFromEditMenu("mnuWeedBox", [](QWidget& dialog) { TypeAndAccept(dialog, "RfMargin", "1..5"); }, &said);
  EXPECT_TRUE(said.contains("not a number")) << said.toStdString();
  EXPECT_TRUE(said.contains("Margin (mm)")) << "names the field: " << said.toStdString();
  EXPECT_EQ(Doc().Count(), 17);
  EXPECT_FALSE(Window().Modified());

  // Nothing selected and no box around the whole drawing: the lines ask for the box.
  RunFromEditMenu("mnuWeedLines", [](QWidget& dialog) { TypeAndAccept(dialog, "RfSpacing", "5"); }, &said);
  EXPECT_TRUE(said.startsWith("Select the weed box first")) << said.toStdString();
  EXPECT_EQ(Doc().Count(), 17);
  EXPECT_FALSE(Window().Modified());
}

TEST_F(WeedingCommands, AnEmptyDrawingHasNothingToWeed) {
  QString said;
  const auto answered = AnswerNextModal([&said](QWidget& box) {
    said = kw::test::MessageText(box);
    QTest::keyClick(&box, Qt::Key_Return);
  });
  kw::test::ClickMenuItem(Window(), "mnuWeedBox");
  EXPECT_TRUE(*answered);
  EXPECT_EQ(said, "There are no paths to weed.");
  EXPECT_EQ(Doc().Count(), 0);
}

}  // namespace
