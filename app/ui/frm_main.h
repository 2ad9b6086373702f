// The main window "frmMain": the current document, its file and editing
// commands, the toolbars and menus, the drawing view and the machine panel.
// Each concern lives in a class of its own that the window owns.
#pragma once

#include <QMainWindow>
#include <QString>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kw::pathcore {
class CPathObj;
}

class QAbstractButton;
class QKeyEvent;
class QAction;
class QLabel;
class QMenu;
class QToolBar;

namespace kw {

class AxisnetApi;
class CYdkz;
class DocumentEvents;
class LinkGuard;
class MachineCommands;
class EditCommands;
class FileCommands;
class MachinePanel;
class PicTools;
class PicView;

class frmMain : public QMainWindow {
  Q_OBJECT
 public:
  explicit frmMain(QWidget* parent = nullptr);
  ~frmMain() override;

  // ---- window state
  kw::pathcore::CPathObj& MainDoc() { return *mainDoc_; }
  // MainDoc becomes a fresh document; the view and the event binding follow.
  void ReplaceDocument(std::unique_ptr<kw::pathcore::CPathObj> doc);
  bool Modified() const { return modified_; }
  void SetModified(bool modified);
  const QString& ProjectFileName() const { return projectFileName_; }
  void SetProjectFileName(const QString& name) { projectFileName_ = name; }
  int16_t MouseTool = 0;  // the drawing view's tool
  std::vector<std::string> MruNames;  // recent files, newest first

  // ---- operations the commands share
  void mFileOpen(const QString& FileName, int16_t Mode);
  void FaceChange();
  Q_INVOKABLE void ReLanguage();
  void RefreshPic();
  void CommitEdit();
  void ShowRecentFiles();
  void BuildLanguageMenu();
  // The window caption: the program title, "---" and the text given.
  void SetCaptionText(const QString& text);
  void ReleaseMoveShow();
  void ShowDebugMenu();
  // The "Jd" panel of the status bar; repainted at once when asked, since a
  // long operation keeps the event loop from doing it.
  void ShowProgress(const QString& text, bool repaintNow);
  void ShowStatus(const QString& text);
  // A keyed panel of the status bar ("POS", "Size").
  void SetPanelText(std::string_view key, const QString& text);

  // ---- controls
  PicView& Pic() { return *pic_; }
  PicTools& Tools() { return *tools_; }
  MachinePanel& Panel() { return *panel_; }
  MachineCommands& Machine() { return *machine_; }

  // ---- the controller
  // The window's way to the controller library (give it to the run and the
  // machine dialogs): a controller that stops answering fails the calls at
  // once rather than holding the window.
  LinkGuard& Guard() { return *link_; }
  // The controller object; a fresh one replaces it at each connect and disconnect.
  CYdkz& Ydkz() { return *ydkz_; }
  void ReplaceYdkz();
  DocumentEvents& WDocEvents() { return *events_; }
  FileCommands& Files() { return *files_; }
  EditCommands& Edits() { return *edits_; }
  QToolBar& TB() { return *tb_; }
  QToolBar& Tbb() { return *tbb_; }
  // The main toolbar's button with this key.
  QAction* TbButton(std::string_view key) const;
  // A control of the window by its name (an action, a button or a menu).
  QObject* Control(std::string_view name) const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  // The hand pendant's key codes arrive here like keys.
  void keyPressEvent(QKeyEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildControls();
  void RunMenu(const std::string& name);
  void RunDebug(bool save);
  void OnLanguageChosen(int16_t n);
  void ReLanguageAllForms();
  void LoadGeometry();
  void SaveOnUnload();
  void SetControlEnabled(std::string_view name, bool enabled);
  void UpdateWindowTitle();

  std::unique_ptr<kw::pathcore::CPathObj> mainDoc_;
  bool modified_ = false;
  QString projectFileName_;
  QString captionText_;  // what follows the title in the caption

  PicView* pic_ = nullptr;
  MachinePanel* panel_ = nullptr;
  QToolBar* tb_ = nullptr;
  QToolBar* tbb_ = nullptr;
  QLabel* jd_ = nullptr;
  std::unique_ptr<DocumentEvents> events_;
  std::unique_ptr<FileCommands> files_;
  std::unique_ptr<EditCommands> edits_;
  std::unique_ptr<PicTools> tools_;
  std::unique_ptr<LinkGuard> link_;
  std::unique_ptr<CYdkz> ydkz_;
  MachineCommands* machine_ = nullptr;
};

}  // namespace kw
