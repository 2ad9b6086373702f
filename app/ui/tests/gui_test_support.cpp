#include "gui_test_support.h"

#include <QElapsedTimer>
#include <QTest>
#include <memory>
#include <fstream>

namespace kw::test {

void GuiTest::SetUp() {
  TempAppPath::SetUp();
  for (const char* name : {"Language0.sys", "Language1.sys"}) {
    std::filesystem::copy_file(std::filesystem::path(KW_LANG_DIR) / name, Folder() / name);
  }
  Settings() = MachineSettings{};
  Settings().LanguageI = 1;
}

void GuiTest::TearDown() {
  Settings() = MachineSettings{};
  TempAppPath::TearDown();
}

void GuiTest::WriteSettings(const std::string& text) const {
  std::ofstream(Folder() / "Setting.ini", std::ios::binary) << text;
}

void AnswerNextModal(std::function<void(QWidget& modal)> answer, int waitMs) {
  auto* timer = new QTimer;
  auto started = std::make_shared<QElapsedTimer>();
  started->start();
  timer->setInterval(20);
  QObject::connect(timer, &QTimer::timeout, [timer, started, answer, waitMs] {
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible()) {
      timer->stop();
      timer->deleteLater();
      answer(*modal);
    } else if (started->elapsed() > waitMs) {
      timer->stop();
      timer->deleteLater();
      ADD_FAILURE() << "no modal window opened";
    }
  });
  timer->start();
}

void PressKeyOnModal(QWidget& modal, Qt::Key key) { QTest::keyClick(&modal, key); }

}  // namespace kw::test
