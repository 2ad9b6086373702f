#include "gui_test_support.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QToolBar>
#include <fstream>
#include <vector>

#include "machine/layer_tables.h"

namespace kw::test {
namespace {

// Longer than any answer takes to arrive, even under the sanitizers.
constexpr int kForgottenAfterMs = 10000;

// Watches still waiting for their modal; the test's end stops them, so a
// missing modal fails its own test and not a later one.
std::vector<QPointer<QTimer>>& PendingWatches() {
  static std::vector<QPointer<QTimer>> watches;
  return watches;
}

void StopPendingWatches() {
  for (const QPointer<QTimer>& timer : PendingWatches()) {
    if (!timer) continue;
    if (timer->isActive()) ADD_FAILURE() << "a modal window the test waited for never opened";
    delete timer.data();
  }
  PendingWatches().clear();
}

void WatchForgottenModals(QTimer& timer) {
  timer.setInterval(kForgottenAfterMs / 4);
  QObject::connect(&timer, &QTimer::timeout, [seen = QPointer<QWidget>(), since = QElapsedTimer()]() mutable {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != seen) {
      seen = modal;
      since.start();
    } else if (modal && since.elapsed() > kForgottenAfterMs) {
      ADD_FAILURE() << "nobody answered " << modal->metaObject()->className() << " \""
                    << MessageText(*modal).toStdString() << "\"";
      modal->close();
    }
  });
  timer.start();
}

}  // namespace

void GuiTest::SetUp() {
  TempAppPath::SetUp();
  for (const char* name : {"Language0.sys", "Language1.sys"}) {
    std::filesystem::copy_file(std::filesystem::path(KW_LANG_DIR) / name, Folder() / name);
  }
  Settings() = MachineSettings{};
  Settings().LanguageI = 1;
  CutLayers() = CCutLayer{};
  LayerMap() = CLayerMap{};
  WatchForgottenModals(forgottenModals_);
}

void GuiTest::TearDown() {
  forgottenModals_.stop();
  StopPendingWatches();
  Settings() = MachineSettings{};
  CutLayers() = CCutLayer{};
  LayerMap() = CLayerMap{};
  TempAppPath::TearDown();
}

void GuiTest::WriteSettings(const std::string& text) const {
  std::ofstream(Folder() / "Setting.ini", std::ios::binary) << text;
}

std::shared_ptr<const bool> AnswerNextModal(std::function<void(QWidget& modal)> answer, int waitMs) {
  auto answered = std::make_shared<bool>(false);
  auto* timer = new QTimer;
  PendingWatches().emplace_back(timer);
  auto started = std::make_shared<QElapsedTimer>();
  started->start();
  const QPointer<QWidget> openBefore = QApplication::activeModalWidget();
  timer->setInterval(20);
  QObject::connect(timer, &QTimer::timeout, [timer, started, answer, answered, openBefore, waitMs] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != openBefore && modal->isVisible()) {
      timer->stop();
      timer->deleteLater();
      *answered = true;
      answer(*modal);
    } else if (started->elapsed() > waitMs) {
      timer->stop();
      timer->deleteLater();
      ADD_FAILURE() << "no modal window opened";
    }
  });
  timer->start();
  return answered;
}

void PressKeyOnModal(QWidget& modal, Qt::Key key) { QTest::keyClick(&modal, key); }

QString MessageText(QWidget& modal) {
  auto* box = qobject_cast<QMessageBox*>(&modal);
  return box ? box->text() : QString();
}

void TypeFileName(QWidget& dialog, const QString& name) {
  auto* edit = dialog.findChild<QLineEdit*>("fileNameEdit");
  if (!edit) {
    ADD_FAILURE() << "no file name box in " << dialog.metaObject()->className();
    dialog.close();
    return;
  }
  // The name goes in whole, as pasted: typed letter by letter, the dialog's
  // completion would select every folder on the way and open that instead.
  edit->setFocus();
  edit->setText(name);
  QTest::keyClick(edit, Qt::Key_Return);
}

NoModalExpected::NoModalExpected() {
  timer_.setInterval(20);
  QObject::connect(&timer_, &QTimer::timeout, [] {
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible()) {
      ADD_FAILURE() << "unexpected modal window: " << modal->metaObject()->className() << " "
                    << MessageText(*modal).toStdString();
      modal->close();
    }
  });
  timer_.start();
}

NoModalExpected::~NoModalExpected() = default;

void ShowActive(QWidget& window) {
  window.show();
  window.activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
}

void ClickMenuItem(QMainWindow& window, const QString& actionName) {
  auto* action = window.findChild<QAction*>(actionName);
  auto* menu = action ? qobject_cast<QMenu*>(action->parent()) : nullptr;
  if (!menu) {
    ADD_FAILURE() << "no menu item " << actionName.toStdString();
    return;
  }
  QMenuBar* bar = window.menuBar();
  // A change of captions lays the bar out anew: click where its titles are now.
  QCoreApplication::processEvents();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
  if (!QTest::qWaitFor([menu] { return menu->isVisible(); })) {
    ADD_FAILURE() << "menu " << menu->objectName().toStdString() << " did not open";
    return;
  }
  QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
  // A disabled item leaves its menu open.
  if (menu->isVisible()) menu->close();
}

void ClickToolbarButton(QToolBar& bar, QAction* action) {
  QWidget* button = action ? bar.widgetForAction(action) : nullptr;
  if (!button || !button->isVisible()) {
    ADD_FAILURE() << "no button shown for " << (action ? action->objectName().toStdString() : "(none)");
    return;
  }
  QTest::mouseClick(button, Qt::LeftButton);
}

}  // namespace kw::test
