#include "frm_main.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "document_events.h"
#include "edit_commands.h"
#include "edit_panel.h"
#include "face_change.h"
#include "file_commands.h"
#include "link_guard.h"
#include "machine/axisnet_binding.h"
#include "machine/cydkz.h"
#include "machine/language_files.h"
#include "machine/machine_settings.h"
#include "machine/settings_file.h"
#include "machine_commands.h"
#include "machine_panel.h"
#include "main_menus.h"
#include "main_toolbars.h"
#include "pathcore/path_obj.h"
#include "pic_tools.h"
#include "pic_view.h"
#include "recent_files.h"
#include "widgets/language_ui.h"
#include "widgets/message_box.h"

void kwInitIcons();

namespace kw {
namespace {

constexpr double kTwipsPerPixel = 15;

QLabel* StatusPanel(QStatusBar& bar, const char* key, int minimumWidth) {
  auto* panel = new QLabel(&bar);
  panel->setObjectName(key);
  panel->setMinimumWidth(minimumWidth);
  bar.addPermanentWidget(panel);
  return panel;
}

// A file name shown in a menu: an ampersand in it is no mnemonic.
QString MenuText(const std::string& name) { return QString::fromStdString(name).replace('&', "&&"); }

}  // namespace

frmMain::frmMain(QWidget* parent)
    : QMainWindow(parent),
      mainDoc_(std::make_unique<kw::pathcore::CPathObj>()),
      events_(std::make_unique<DocumentEvents>(*this)),
      files_(std::make_unique<FileCommands>(*this)),
      edits_(std::make_unique<EditCommands>(*this)),
      tools_(std::make_unique<PicTools>(*this)),
      link_(std::make_unique<LinkGuard>(Axisnet())),
      ydkz_(std::make_unique<CYdkz>(*link_, Settings())) {
  kwInitIcons();
  setObjectName("frmMain");
  setAcceptDrops(true);
  setWindowIcon(QIcon(":/icons/kerfwright.svg"));
  BuildControls();
  machine_ = new MachineCommands(*this, *panel_);
  LoadGeometry();
  panel_->LoadSpeeds();
  MruNames = Settings().MruName;
  FaceChange();
  ShowRecentFiles();
  findChild<QMenu*>("mnuDebug")->menuAction()->setVisible(false);
  ReLanguage();
}

frmMain::~frmMain() {
  // The view outlives the members it points at while QWidget closes it down.
  pic_->SetMouse(nullptr);
  pic_->SetDocument(nullptr);
}

void frmMain::BuildControls() {
  BuildMainMenus(*this);
  tb_ = BuildMainToolbar(*this);
  addToolBar(Qt::TopToolBarArea, tb_);
  addToolBarBreak(Qt::TopToolBarArea);
  tbb_ = BuildLayerToolbar(*this);
  addToolBar(Qt::TopToolBarArea, tbb_);

  auto* central = new QWidget(this);
  auto* row = new QHBoxLayout(central);
  row->setContentsMargins(0, 0, 0, 0);
  // The view ends 60 twips short of the machine panel.
  row->setSpacing(static_cast<int>(60 / kTwipsPerPixel));
  auto* editScroll = new QScrollArea(central);
  editScroll->setWidget(BuildEditPanel(*editScroll));
  editScroll->setWidgetResizable(true);
  editScroll->setFrameShape(QFrame::NoFrame);
  editScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  editScroll->setMinimumWidth(editScroll->widget()->sizeHint().width() + 16);
  row->addWidget(editScroll);
  pic_ = new PicView(central);
  pic_->SetDocument(mainDoc_.get());
  pic_->SetMouse(tools_.get());
  row->addWidget(pic_, 1);
  panel_ = new MachinePanel(central);
  row->addWidget(panel_);
  setCentralWidget(central);

  statusBar()->setObjectName("Stb");
  jd_ = StatusPanel(*statusBar(), "Jd", 160);
  StatusPanel(*statusBar(), "POS", 200);
  StatusPanel(*statusBar(), "Size", 220);

  for (QAction* action : findChildren<QAction*>()) {
    const QString name = action->objectName();
    if (name.isEmpty()) continue;
    const QString owner = action->parent() ? action->parent()->objectName() : QString();
    if (owner == "TB" || owner == "Tbb") {
      const std::string key = ButtonKey(*action);
      connect(action, &QAction::triggered, this, [this, key, owner] {
        owner == "TB" ? edits_->RunToolbarKey(key) : edits_->RunLayerButton(key);
      });
    } else {
      connect(action, &QAction::triggered, this, [this, n = name.toStdString()] { RunMenu(n); });
    }
  }
  for (QToolButton* button : findChild<QWidget*>("EditPanel")->findChildren<QToolButton*>()) {
    connect(button, &QToolButton::clicked, this, [this, n = button->objectName().toStdString()] { edits_->Run(n); });
  }
}

void frmMain::RunMenu(const std::string& name) {
  if (name == "mnuFileNew") files_->New();
  else if (name == "mnuFileOpen") files_->Open();
  else if (name == "mnuFileInput") files_->Import();
  else if (name == "mnuFileSave") files_->Save();
  else if (name == "mnuFileSaveAs") files_->SaveAs();
  else if (name == "mnuFileProperties") files_->Properties();
  else if (name.starts_with("mnuFileMRU")) {
    const auto k = static_cast<size_t>(std::stoi(name.substr(10)));
    if (k < MruNames.size()) mFileOpen(QString::fromStdString(MruNames[k]), 0);
  } else if (name == "mnuDebugSaveDat" || name == "mnuDebugOpenDat") {
    RunDebug(name == "mnuDebugSaveDat");
  } else {
    edits_->Run(name);
  }
}

void frmMain::RunDebug(bool save) {
  const QString file = save ? QFileDialog::getSaveFileName(this, QString(), QString(), "Text (*.txt)")
                            : QFileDialog::getOpenFileName(this, QString(), QString(), "Text (*.txt)");
  if (file.isEmpty()) return;
  if (save) {
    if (mainDoc_->SaveToDat(file.toStdString()) != 0) {
      ShowMessageText(this, LanguageQTextOr("frmMain", "DatNotSaved", "The point list could not be written.") + "\n" + file);
    }
  } else if (mainDoc_->OpenToDat(file.toStdString()) == 0) {
    mainDoc_->ZLSelLmt();
    CommitEdit();
  } else {
    ShowMessage(this, "0012");
  }
}

void frmMain::LoadGeometry() {
  const auto& s = Settings();
  QRect g(static_cast<int>(s.MainLeft / kTwipsPerPixel), static_cast<int>(s.MainTop / kTwipsPerPixel),
          static_cast<int>(s.MainWidth / kTwipsPerPixel), static_cast<int>(s.MainHeight / kTwipsPerPixel));
  // A first start's stored size is too small for the controls: take most of the screen then.
  const QSize needed = minimumSizeHint();
  if (g.width() < needed.width() || g.height() < needed.height()) {
    const QRect screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry()
                                                          : QRect(0, 0, 1280, 800);
    g.setSize(screen.size() * 0.85);
    g.moveCenter(screen.center());
  }
  setGeometry(g);
}

void frmMain::ReplaceYdkz() { ydkz_ = std::make_unique<CYdkz>(*link_, Settings()); }

void frmMain::ReplaceDocument(std::unique_ptr<kw::pathcore::CPathObj> doc) {
  mainDoc_ = std::move(doc);
  pic_->SetDocument(mainDoc_.get());
}

void frmMain::SetModified(bool modified) {
  modified_ = modified;
  setWindowModified(modified);
}

void frmMain::mFileOpen(const QString& FileName, int16_t Mode) { files_->OpenFile(FileName, Mode); }

void frmMain::FaceChange() {
  const auto& d = *mainDoc_;
  const FaceInput in{d.DocBaki(), d.DocBakCount(), modified_, d.GetSelObjTy(), d.Count()};
  for (const FaceEntry& e : FaceChangeTable(in)) SetControlEnabled(e.control, e.enabled);
}

void frmMain::SetControlEnabled(std::string_view name, bool enabled) {
  if (QAction* button = TbButton(name)) button->setEnabled(enabled);
  QObject* control = Control(name);
  if (auto* action = qobject_cast<QAction*>(control)) action->setEnabled(enabled);
  else if (auto* widget = qobject_cast<QWidget*>(control)) widget->setEnabled(enabled);
}

QAction* frmMain::TbButton(std::string_view key) const {
  return tb_->findChild<QAction*>(QString("TB_") + QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size())));
}

QObject* frmMain::Control(std::string_view name) const {
  const QString n = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
  if (QAction* action = findChild<QAction*>(n)) return action;
  if (QWidget* widget = findChild<QWidget*>(n)) return widget;
  return nullptr;
}

void frmMain::ReLanguage() {
  ApplyLanguage(*this, "frmMain");
  for (QToolBar* bar : {tb_, tbb_}) {
    const std::string section = bar->objectName().toStdString();
    for (QAction* action : bar->actions()) {
      const std::string key = ButtonKey(*action);
      if (!key.empty()) action->setToolTip(LanguageQText(section, key));
    }
  }
  QApplication::setApplicationName(ProgramTitle());
  UpdateWindowTitle();
}

void frmMain::BuildLanguageMenu() {
  auto* menu = findChild<QMenu*>("mnuLanguage");
  const LanguageMenu found = kw::BuildLanguageMenu(Settings());
  // Entries are updated in place: the one just clicked may still be sending its signal.
  QList<QAction*> stale = menu->actions();
  for (const LanguageEntry& entry : found.entries) {
    const QString name = QString("mnuLanguageSet%1").arg(entry.number);
    QAction* action = menu->findChild<QAction*>(name);
    if (!action) {
      action = menu->addAction(QString());
      action->setObjectName(name);
      action->setCheckable(true);
      connect(action, &QAction::triggered, this, [this, n = entry.number] { OnLanguageChosen(n); });
    }
    stale.removeAll(action);
    action->setText(QString::fromStdString(entry.name));
    action->setChecked(entry.number == found.ticked);
  }
  for (QAction* gone : stale) {
    menu->removeAction(gone);
    gone->deleteLater();
  }
  ReLanguageAllForms();
}

void frmMain::OnLanguageChosen(int16_t n) {
  ChooseLanguage(Settings(), n);
  BuildLanguageMenu();
}

void frmMain::ReLanguageAllForms() {
  ReLanguage();
  for (QWidget* form : QApplication::topLevelWidgets()) {
    if (form != this && form->isVisible()) QMetaObject::invokeMethod(form, "ReLanguage");
  }
}

void frmMain::RefreshPic() { pic_->RefreshPic(); }

void frmMain::CommitEdit() {
  RefreshPic();
  SetModified(true);
  mainDoc_->DocBak();
  FaceChange();
}

void frmMain::ShowRecentFiles() {
  for (size_t k = 0; k < kMostRecentFiles; ++k) {
    auto* item = findChild<QAction*>(QString("mnuFileMRU%1").arg(k));
    item->setVisible(k < MruNames.size());
    if (k < MruNames.size()) item->setText(MenuText(MruNames[k]));
  }
  findChild<QAction*>("mnuFileBar2")->setVisible(!MruNames.empty());
  // The list lives in the settings, which the window writes when it closes.
  auto& s = Settings();
  s.MruName = MruNames;
  s.Mrui = static_cast<int16_t>(MruNames.size());
}

void frmMain::SetCaptionText(const QString& text) {
  captionText_ = text;
  setWindowFilePath(text);
  UpdateWindowTitle();
}

void frmMain::UpdateWindowTitle() {
  const QString title = ProgramTitle();
  setWindowTitle((captionText_.isEmpty() ? title : title + "---" + captionText_) + "[*]");
  setWindowModified(modified_);
}

void frmMain::ReleaseMoveShow() {
  QAction* button = TbButton("MOVESHOW");
  button->setChecked(false);
  mainDoc_->SMove(false);
}

void frmMain::ShowDebugMenu() { findChild<QMenu*>("mnuDebug")->menuAction()->setVisible(true); }

void frmMain::ShowProgress(const QString& text, bool repaintNow) {
  jd_->setText(text);
  if (!repaintNow) return;
  // A longer step name widens the panel only once the status bar lays itself
  // out again, which the busy event loop would not do before the end.
  if (jd_->sizeHint().width() > jd_->width()) {
    QCoreApplication::sendPostedEvents(statusBar(), QEvent::LayoutRequest);
    statusBar()->repaint();
  } else {
    jd_->repaint();
  }
}

void frmMain::ShowStatus(const QString& text) { statusBar()->showMessage(text, 8000); }

void frmMain::SetPanelText(std::string_view key, const QString& text) {
  if (auto* panel = statusBar()->findChild<QLabel*>(QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()))))
    panel->setText(text);
}

void frmMain::closeEvent(QCloseEvent* event) {
  if (panel_->CkDevice().isChecked()) {
    ShowMessage(this, "0009");
    event->ignore();
    return;
  }
  if (!files_->MaySetDocumentAside()) {
    event->ignore();
    return;
  }
  SaveOnUnload();
  event->accept();
}

void frmMain::SaveOnUnload() {
  SaveSettings();
  const auto forms = QApplication::topLevelWidgets();
  for (auto it = forms.rbegin(); it != forms.rend(); ++it) {
    if (*it != this && (*it)->isVisible()) (*it)->close();
  }
  auto& s = Settings();
  if (!isMinimized()) {
    const QRect g = geometry();
    s.MainLeft = static_cast<float>(g.x() * kTwipsPerPixel);
    s.MainTop = static_cast<float>(g.y() * kTwipsPerPixel);
    s.MainWidth = static_cast<float>(g.width() * kTwipsPerPixel);
    s.MainHeight = static_cast<float>(g.height() * kTwipsPerPixel);
  }
  panel_->StoreSpeeds();
  SaveSettingsOf(SettingsFile(), s, SettingWriter::MainWindow);
}

void frmMain::keyPressEvent(QKeyEvent* event) {
  if (machine_->PendantKey(event->key())) return;
  QMainWindow::keyPressEvent(event);
}

void frmMain::dragEnterEvent(QDragEnterEvent* event) {
  const auto urls = event->mimeData()->urls();
  if (!urls.isEmpty() && urls.front().isLocalFile()) event->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent* event) {
  const auto urls = event->mimeData()->urls();
  if (urls.isEmpty() || !urls.front().isLocalFile()) return;
  event->acceptProposedAction();
  // Opened after the drop has finished, so the save prompt is not shown inside it.
  QMetaObject::invokeMethod(this, [this, file = urls.front().toLocalFile()] { mFileOpen(file, 0); },
                            Qt::QueuedConnection);
}

}  // namespace kw
