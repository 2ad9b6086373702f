// The options dialog's controller address and port: shown from the settings,
// checked on OK, and written to Setting.ini with the other options.
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <fstream>
#include <memory>
#include <sstream>

#include "dialogs/f_op.h"
#include "gui_test_support.h"
#include "widgets/language_ui.h"
#include "widgets/rf_text.h"

namespace {

class OptionsControllerFields : public kw::test::GuiTest {
 protected:
  std::string Saved() const {
    std::ifstream in(InFolder("Setting.ini"));
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  // Presses OK; a message box it brings is answered and its text returned.
  QString PressOkExpectingMessage(kw::FOp& dialog) {
    auto text = std::make_shared<QString>();
    kw::test::AnswerNextModal([text](QWidget& modal) {
      auto* box = qobject_cast<QMessageBox*>(&modal);
      ASSERT_NE(box, nullptr);
      *text = box->text();
      box->button(QMessageBox::Ok)->click();
    });
    QTest::mouseClick(dialog.findChild<QPushButton*>("OKButton"), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([text] { return !text->isEmpty(); }));
    return *text;
  }
};

TEST_F(OptionsControllerFields, AreCheckedOnOkAndSavedWithTheOtherOptions) {
  kw::Settings().ControllerAddress = "127.0.0.1";
  kw::Settings().ControllerPort = 4001;
  kw::FOp dialog;
  dialog.show();
  auto* address = dialog.findChild<QLineEdit*>("TAddress");
  auto* port = dialog.findChild<kw::RfText*>("RfPort");
  ASSERT_TRUE(address && port);
  EXPECT_EQ(address->text(), "127.0.0.1");
  EXPECT_EQ(port->Text(), "4001");
  // The port takes digits only.
  port->Tx().selectAll();
  QTest::keyClicks(&port->Tx(), "-70.000");
  EXPECT_EQ(port->Text(), "70000");
  EXPECT_EQ(PressOkExpectingMessage(dialog), kw::LanguageQText("FOp", "BadPort"));
  EXPECT_TRUE(dialog.isVisible());
  port->SetText("4002");
  for (const char* wrong : {"127.0.0.256", "127.0.1", "localhost", "1.2.3.-4"}) {
    address->setText(wrong);
    EXPECT_EQ(PressOkExpectingMessage(dialog), kw::LanguageQText("FOp", "BadAddress")) << wrong;
  }
  EXPECT_FALSE(dialog.CoK);
  EXPECT_EQ(kw::Settings().ControllerPort, 4001);  // nothing taken over yet
  address->setText(" 127.0.0.1 ");
  QTest::mouseClick(dialog.findChild<QPushButton*>("OKButton"), Qt::LeftButton);
  EXPECT_TRUE(dialog.CoK);
  EXPECT_EQ(kw::Settings().ControllerAddress, "127.0.0.1");
  EXPECT_EQ(kw::Settings().ControllerPort, 4002);
  const std::string saved = Saved();
  EXPECT_NE(saved.find("ControllerAddress=127.0.0.1"), std::string::npos) << saved;
  EXPECT_NE(saved.find("ControllerPort=4002"), std::string::npos) << saved;
}

}  // namespace
